#include "chunks/IFFWriter.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Written(CMemoryMedia& media, int32_t from = 0)
{
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()) + from, media.GetPosition() - from);
}

} // namespace

TEST(IFFWriter, WritesSizesAndPadBytesInEitherByteOrder)
{
    std::string eighteen;
    for (char i = 1; i <= 18; ++i)
        eighteen += i;
    for (const bool little : {false, true}) {
        CMemoryMedia media(64);
        CIFFWriter writer(media);
        if (little)
            writer.SetLittleEndian();
        writer.OpenGroup("FORM", "AIFF");
        writer.WriteChunk("COMM", eighteen.data(), 18);
        writer.WriteChunk("ODD ", "xyz", 3);
        writer.CloseGroup();
        EXPECT_FALSE(writer.IsGroupOpen());
        EXPECT_FALSE(writer.IsChunkOpen());

        // Only the size fields differ between the byte orders.
        auto size = [little](char v) { return little ? std::string{v, 0, 0, 0} : std::string{0, 0, 0, v}; };
        const std::string expected = "FORM" + size(42) + // 4 (type) + 26 (COMM) + 12 (ODD with its pad byte)
                                     "AIFF" + "COMM" + size(18) + eighteen +
                                     "ODD " + size(3) + std::string("xyz\0", 4); // the pad is not in the chunk's size
        EXPECT_EQ(Written(media), expected) << (little ? "little-endian" : "big-endian");
    }
}

TEST(IFFWriter, OpenSizesHoldTheMarkerInTheWritersByteOrder)
{
    for (const bool little : {false, true}) {
        CMemoryMedia media(64);
        CIFFWriter writer(media);
        if (little)
            writer.SetLittleEndian();
        writer.OpenGroup("RIFF", "WAVE");
        writer.OpenChunk("data");
        writer.WriteBytes(2, "ab");
        const std::string marker = little ? "\xB0\x1A\xDE\xAD" : "\xAD\xDE\x1A\xB0";
        EXPECT_EQ(Written(media).substr(4, 4), marker);
        EXPECT_EQ(Written(media).substr(16, 4), marker);
        writer.CloseChunk();
        EXPECT_EQ(Written(media).substr(16, 4), little ? std::string("\2\0\0\0", 4) : std::string("\0\0\0\2", 4));
        EXPECT_EQ(Written(media).substr(4, 4), marker); // the group is still open
    }
}

TEST(IFFWriter, WritesFromTheMediumsPositionAndPadsShortIds)
{
    CMemoryMedia media(32);
    media.SetPosition(5);
    CIFFWriter writer(media);
    writer.WriteChunk("ab", "Q", 1);
    EXPECT_EQ(Written(media, 5), std::string("ab  \0\0\0\1Q\0", 10));
}

TEST(IFFWriter, RefusesMisuse)
{
    CIFFWriter unattached;
    EXPECT_THROW(unattached.OpenChunk("COMM"), XInternalError);

    CMemoryMedia media(64);
    CIFFWriter writer(media);
    EXPECT_THROW(writer.CloseChunk(), XInternalError);
    EXPECT_THROW(writer.CloseGroup(), XInternalError);
    writer.OpenGroup("FORM", "AIFF");
    EXPECT_THROW(writer.OpenGroup("FORM", "AIFF"), XInternalError);
    writer.OpenChunk("COMM");
    EXPECT_THROW(writer.OpenChunk("SSND"), XInternalError);
    EXPECT_THROW(writer.CloseGroup(), XInternalError); // a chunk is still open
}

TEST(IFFWriter, AFailedWriteLeavesTheSizesOpen)
{
    CMemoryMedia media(20);
    CIFFWriter writer(media);
    writer.OpenGroup("FORM", "AIFF");
    writer.OpenChunk("SSND");
    EXPECT_THROW(writer.WriteBytes(8, "12345678"), XWrite);
    const std::string bytes(reinterpret_cast<const char*>(media.GetBuffer()), 20);
    EXPECT_EQ(bytes.substr(4, 4), "\xAD\xDE\x1A\xB0");
    EXPECT_EQ(bytes.substr(16, 4), "\xAD\xDE\x1A\xB0");
}
