#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(MemoryMedia, ReadsAndWritesItsBlock)
{
    CMemoryMedia media(6);
    media.Write(6, "abcdef");
    EXPECT_EQ(media.GetPosition(), 6);
    EXPECT_EQ(media.GetSize(), 6);
    char out[3];
    media.ReadAt(2, 3, out);
    EXPECT_EQ(std::memcmp(out, "cde", 3), 0);
    EXPECT_EQ(std::memcmp(media.GetBuffer(), "abcdef", 6), 0);
}

TEST(MemoryMedia, WrapsACallersBlockWithoutOwningIt)
{
    char block[4] = {'w', 'x', 'y', 'z'};
    {
        CMemoryMedia media(4, block);
        media.SetPosition(1);
        media.Write(1, "Q");
    }
    EXPECT_EQ(block[1], 'Q'); // still ours, changed in place
}

TEST(MemoryMedia, CopiesASourceFromItsPosition)
{
    char block[4] = {'a', 'b', 'c', 'd'};
    CMemoryMedia source(4, block);
    CMemoryMedia copy(static_cast<CMedia&>(source));
    EXPECT_EQ(copy.GetSize(), 4);
    EXPECT_EQ(copy.GetPosition(), 0);
    EXPECT_EQ(std::memcmp(copy.GetBuffer(), block, 4), 0);

    // Not standing at 0, the source has too few bytes left: the copy fails cleanly.
    source.SetPosition(1);
    EXPECT_THROW(CMemoryMedia{static_cast<CMedia&>(source)}, XRead);
}

TEST(MemoryMedia, NeverLeavesItsBlock)
{
    CMemoryMedia media(4);
    char out[8];
    media.SetPosition(4);                 // the end itself is a position
    EXPECT_THROW(media.SetPosition(5), XPosition);
    EXPECT_THROW(media.SetPosition(-1), XPosition);
    EXPECT_THROW(media.ReadByte(), XRead);
    EXPECT_THROW(media.WriteByte(1), XWrite);
    media.SetPosition(1);
    EXPECT_THROW(media.Read(4, out), XRead);
    EXPECT_THROW(media.Write(4, out), XWrite);
    EXPECT_THROW(media.Read(-1, out), XRead);
    EXPECT_THROW(media.ClaimForWriting(4), XWrite);
    EXPECT_THROW(media.ClaimForWriting(-1), XWrite);
    EXPECT_EQ(media.GetPosition(), 1); // refused operations do not move
    EXPECT_EQ(media.ClaimForWriting(3), media.GetBuffer() + 1); // the rest, claimed in place
    EXPECT_EQ(media.GetPosition(), 4);
    media.SetPosition(1);
    EXPECT_THROW(media.Skip(-2), XPosition);
}
