// The behaviour CMedia itself gives every medium, seen through a memory medium,
// which supplies only reading, writing and positioning of its own.
#include "media/Media.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <string>

TEST(Media, PeekLeavesThePosition)
{
    char block[] = "abcdef";
    CMemoryMedia media(6, block);
    media.SetPosition(2);
    char two[2];
    media.Peek(2, two);
    EXPECT_EQ(std::string(two, 2), "cd");
    EXPECT_EQ(media.PeekByte(), 'c');
    EXPECT_EQ(media.GetPosition(), 2);
    EXPECT_EQ(media.ReadByte(), 'c');
    EXPECT_EQ(media.GetPosition(), 3);
}

TEST(Media, PositionedTransfersSkipsAndFills)
{
    char block[] = "abcdefgh";
    CMemoryMedia media(8, block);
    char one = 0;
    media.ReadAt(4, 1, &one);
    EXPECT_EQ(one, 'e');
    EXPECT_EQ(media.GetPosition(), 5);
    media.WriteAt(1, 2, "XY");
    EXPECT_EQ(media.GetPosition(), 3);
    EXPECT_EQ(media.ReadWordAt(1), 'X' + 'Y' * 256); // host order: little-endian
    media.Skip(-3);
    EXPECT_EQ(media.GetPosition(), 0);
    media.Skip(0);
    EXPECT_EQ(media.GetPosition(), 0);

    media.Fill('-', 4);
    media.Fill('!', 0);
    media.Fill('!', -5);
    media.WriteZeros(2);
    EXPECT_EQ(media.GetPosition(), 6);
    EXPECT_EQ(std::string(block, 8), std::string("----\0\0gh", 8));

    // Longer than the fill's own buffer.
    std::string large(260, '.');
    CMemoryMedia largeMedia(260, large.data());
    largeMedia.Fill(0xFF, 250);
    EXPECT_EQ(large, std::string(250, '\xFF') + std::string(10, '.'));
}

TEST(Media, SkipThatWouldOverflowIsRefused)
{
    char block[] = "abc";
    CMemoryMedia media(3, block);
    media.SetPosition(2);
    EXPECT_THROW(media.Skip(INT32_MAX), XPosition);
}
