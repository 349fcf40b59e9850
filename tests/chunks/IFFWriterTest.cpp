#include "chunks/IFFWriter.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Contents(CMemoryMedia& media)
{
    return std::vector<uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetPosition());
}

// FORM/AIFF holding an 18-byte chunk and a 3-byte chunk.
void WriteSampleShape(CIFFWriter& writer)
{
    uint8_t eighteen[18];
    for (int i = 0; i < 18; ++i)
        eighteen[i] = static_cast<uint8_t>(i + 1);
    writer.OpenGroup("FORM", "AIFF");
    writer.WriteChunk("COMM", eighteen, sizeof eighteen);
    writer.WriteChunk("ODD ", "xyz", 3);
    writer.CloseGroup();
}

std::vector<uint8_t> ExpectedShape(bool littleEndian)
{
    auto size = [littleEndian](uint8_t v) {
        return littleEndian ? std::vector<uint8_t>{v, 0, 0, 0} : std::vector<uint8_t>{0, 0, 0, v};
    };
    std::vector<uint8_t> out = {'F', 'O', 'R', 'M'};
    auto add = [&out](const std::vector<uint8_t>& part) { out.insert(out.end(), part.begin(), part.end()); };
    add(size(42)); // 4 (type) + 26 (COMM) + 12 (ODD with its pad byte)
    add({'A', 'I', 'F', 'F', 'C', 'O', 'M', 'M'});
    add(size(18));
    for (uint8_t i = 1; i <= 18; ++i)
        out.push_back(i);
    add({'O', 'D', 'D', ' '});
    add(size(3)); // the pad byte is not counted in the chunk's own size
    add({'x', 'y', 'z', 0});
    return out;
}

} // namespace

TEST(IFFWriter, WritesAGroupOfChunksWithSizesAndPadBytes)
{
    CMemoryMedia media(64);
    CIFFWriter writer(media);
    WriteSampleShape(writer);
    EXPECT_EQ(Contents(media), ExpectedShape(false));
    EXPECT_FALSE(writer.IsGroupOpen());
    EXPECT_FALSE(writer.IsChunkOpen());
}

TEST(IFFWriter, LittleEndianChangesOnlyTheSizeFields)
{
    CMemoryMedia media(64);
    CIFFWriter writer(media);
    writer.SetLittleEndian();
    EXPECT_TRUE(writer.IsLittleEndian());
    WriteSampleShape(writer);
    EXPECT_EQ(Contents(media), ExpectedShape(true));
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
        const uint8_t* bytes = media.GetBuffer();
        const std::vector<uint8_t> marker =
            little ? std::vector<uint8_t>{0xB0, 0x1A, 0xDE, 0xAD} : std::vector<uint8_t>{0xAD, 0xDE, 0x1A, 0xB0};
        EXPECT_EQ(std::vector<uint8_t>(bytes + 4, bytes + 8), marker);
        EXPECT_EQ(std::vector<uint8_t>(bytes + 16, bytes + 20), marker);
        writer.CloseChunk();
        EXPECT_EQ(bytes[16 + (little ? 0 : 3)], 2);
        EXPECT_EQ(std::vector<uint8_t>(bytes + 4, bytes + 8), marker); // the group is still open
    }
}

TEST(IFFWriter, WritesFromTheMediumsPosition)
{
    CMemoryMedia media(32);
    std::memset(media.GetBuffer(), 0xEE, 32);
    media.SetPosition(5);
    CIFFWriter writer(media);
    writer.WriteChunk("ab", "Q", 1); // a short id is filled up with blanks
    const uint8_t expected[] = {0xEE, 'a', 'b', ' ', ' ', 0, 0, 0, 1, 'Q', 0};
    EXPECT_EQ(std::memcmp(media.GetBuffer() + 4, expected, sizeof expected), 0);
    EXPECT_EQ(media.GetPosition(), 15);
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
    EXPECT_EQ(std::memcmp(media.GetBuffer() + 4, "\xAD\xDE\x1A\xB0", 4), 0);
    EXPECT_EQ(std::memcmp(media.GetBuffer() + 16, "\xAD\xDE\x1A\xB0", 4), 0);
}
