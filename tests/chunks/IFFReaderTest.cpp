#include "chunks/IFFReader.h"
#include "chunks/IFFWriter.h"
#include "media/ByteOrder.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Builds group and chunk bytes by hand, so the reader is tried on shapes our
// writer would never make.
class CBytes {
public:
    explicit CBytes(bool littleEndian = false)
        : mLittle(littleEndian)
    {
    }
    CBytes& Text(const char* text)
    {
        mBytes.insert(mBytes.end(), text, text + std::strlen(text));
        return *this;
    }
    CBytes& Size(uint32_t value)
    {
        uint8_t field[4];
        mLittle ? SetLE32(field, value) : SetBE32(field, value);
        mBytes.insert(mBytes.end(), field, field + 4);
        return *this;
    }
    CBytes& Fill(size_t count, uint8_t value)
    {
        mBytes.insert(mBytes.end(), count, value);
        return *this;
    }
    CBytes& Chunk(const char* id, const std::string& data, bool pad = true)
    {
        Text(id).Size(static_cast<uint32_t>(data.size())).Text(data.c_str());
        if (pad && (data.size() & 1))
            Fill(1, 0);
        return *this;
    }
    // Patches the group size to cover everything after the first 8 bytes.
    CBytes& CloseGroup()
    {
        const uint32_t size = static_cast<uint32_t>(mBytes.size() - 8);
        mLittle ? SetLE32(&mBytes[4], size) : SetBE32(&mBytes[4], size);
        return *this;
    }
    std::vector<uint8_t>& Get() { return mBytes; }

private:
    bool mLittle;
    std::vector<uint8_t> mBytes;
};

std::vector<uint8_t> FormWith3Chunks()
{
    CBytes bytes;
    bytes.Text("FORM").Size(0).Text("AIFF");
    bytes.Chunk("ODD1", "abc");    // odd size, followed by a pad byte
    bytes.Chunk("EVEN", "wxyz");
    bytes.Chunk("LAST", "12345");
    return bytes.CloseGroup().Get();
}

} // namespace

TEST(IFFReader, FindsChunksInAnyOrderAndStandsAtTheirData)
{
    std::vector<uint8_t> bytes = FormWith3Chunks();
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    CIFFReader reader(media, "FORM");
    uint32_t size = 0;

    ASSERT_TRUE(reader.FindChunk("LAST", size));
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(media.GetPosition(), 12 + 12 + 12 + 8);
    ASSERT_TRUE(reader.FindChunk("ODD1", size));
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(media.GetPosition(), 20);
    ASSERT_TRUE(reader.FindChunk("EVEN", size));
    EXPECT_EQ(media.GetPosition(), 32);
    EXPECT_FALSE(reader.FindChunk("NONE", size));

    char data[6] = {};
    ASSERT_TRUE(reader.ReadChunkData("LAST", data, 1, 3, size));
    EXPECT_STREQ(data, "234");
    EXPECT_EQ(size, 5u);
    ASSERT_TRUE(reader.ReadChunkData("EVEN", data, 4));
    EXPECT_EQ(std::string(data, 4), "wxyz");
    EXPECT_FALSE(reader.ReadChunkData("NONE", data, 0, 4));
}

TEST(IFFReader, ReadsWhatOurWriterWrote)
{
    for (const bool little : {false, true}) {
        CMemoryMedia media(64);
        CIFFWriter writer(media);
        CIFFReader reader(media, little ? "RIFF" : "FORM");
        if (little) {
            writer.SetLittleEndian();
            reader.SetLittleEndian();
        }
        writer.OpenGroup(little ? "RIFF" : "FORM", "TEST");
        writer.WriteChunk("one ", "x", 1);
        writer.WriteChunk("two ", "yy", 2);
        writer.CloseGroup();
        char data[3] = {};
        uint32_t size = 0;
        ASSERT_TRUE(reader.ReadChunkData("two ", data, 0, 2, size));
        EXPECT_STREQ(data, "yy");
        EXPECT_EQ(size, 2u);
    }
}

TEST(IFFReader, RefusesTheWrongOuterGroup)
{
    CBytes riff(true);
    riff.Text("RIFF").Size(0).Text("WAVE").Chunk("fmt ", "0123456789abcdef").CloseGroup();
    std::vector<uint8_t>& bytes = riff.Get();
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    uint32_t size = 0;

    CIFFReader expectingForm(media, "FORM");
    EXPECT_THROW(expectingForm.FindChunk("fmt ", size), XBadFormat);
    char data[4];
    EXPECT_THROW(expectingForm.ReadChunkData("fmt ", data, 4), XBadFormat);

    CIFFReader expectingRiff;
    expectingRiff.SetMedia(media);
    expectingRiff.SetGroupID("RIFF");
    expectingRiff.SetLittleEndian();
    EXPECT_TRUE(expectingRiff.FindChunk("fmt ", size));
    EXPECT_EQ(size, 16u);

    // A group size below 4 cannot even hold the type.
    SetLE32(&bytes[4], 3);
    EXPECT_THROW(expectingRiff.FindChunk("fmt ", size), XBadFormat);
}

TEST(IFFReader, PadBytesAreSkippedUnlessIgnored)
{
    CBytes unpadded;
    unpadded.Text("FORM").Size(0).Text("TEST");
    unpadded.Chunk("ODD1", "abc", false).Chunk("NEXT", "zz");
    std::vector<uint8_t>& bytes = unpadded.CloseGroup().Get();
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    uint32_t size = 0;

    CIFFReader strict(media, "FORM");
    EXPECT_FALSE(strict.FindChunk("NEXT", size)); // it looks one byte too far

    CIFFReader lenient(media, "FORM");
    lenient.IgnorePadBytes();
    ASSERT_TRUE(lenient.FindChunk("NEXT", size));
    EXPECT_EQ(size, 2u);
}

TEST(IFFReader, TheWalkEndsAtTheGroupsEnd)
{
    // An empty chunk ending exactly at the group's end is not reached: the walk
    // only reads a header that starts 8 bytes or more before the end.
    CBytes emptyLast;
    emptyLast.Text("FORM").Size(0).Text("TEST").Chunk("AAAA", "1234").Chunk("NULL", "");
    std::vector<uint8_t>& bytes = emptyLast.CloseGroup().Get();
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    CIFFReader reader(media, "FORM");
    uint32_t size = 0;
    EXPECT_FALSE(reader.FindChunk("NULL", size));

    // A group size smaller than its contents hides the chunks beyond it.
    CBytes hidden;
    hidden.Text("FORM").Size(4 + 12).Text("TEST").Chunk("AAAA", "1234").Chunk("BBBB", "5678");
    std::vector<uint8_t>& hiddenBytes = hidden.Get();
    CMemoryMedia hiddenMedia(static_cast<int32_t>(hiddenBytes.size()), hiddenBytes.data());
    CIFFReader hiddenReader(hiddenMedia, "FORM");
    EXPECT_TRUE(hiddenReader.FindChunk("AAAA", size));
    EXPECT_FALSE(hiddenReader.FindChunk("BBBB", size));
}

TEST(IFFReader, TheFirstChunkHeaderIsAlwaysRead)
{
    CBytes empty;
    empty.Text("FORM").Size(4).Text("TEST");
    std::vector<uint8_t>& bytes = empty.Get();
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    CIFFReader reader(media, "FORM");
    uint32_t size = 0;
    EXPECT_THROW(reader.FindChunk("AAAA", size), XRead);

    // Not even a group header.
    CMemoryMedia tooShort(6, bytes.data());
    reader.SetMedia(tooShort);
    EXPECT_THROW(reader.FindChunk("AAAA", size), XRead);
}

TEST(IFFReader, HostileSizesNeitherHangNorLeaveTheMedium)
{
    uint32_t size = 0;
    // Group and chunk sizes of 2^32 - 1: positions are worked out in 64 bits and the
    // walk stops at the end of the medium.
    CBytes huge;
    huge.Text("FORM").Size(0xFFFFFFFF).Text("TEST").Text("AAAA").Size(0xFFFFFFFF).Fill(40, 7);
    std::vector<uint8_t>& hugeBytes = huge.Get();
    CMemoryMedia hugeMedia(static_cast<int32_t>(hugeBytes.size()), hugeBytes.data());
    CIFFReader hugeReader(hugeMedia, "FORM");
    EXPECT_FALSE(hugeReader.FindChunk("BBBB", size));
    EXPECT_TRUE(hugeReader.FindChunk("AAAA", size));
    EXPECT_EQ(size, 0xFFFFFFFFu);

    // A group claiming more than the medium holds: the chunks that are there are
    // found, a header cut off by the medium's end is not read.
    CBytes cut;
    cut.Text("FORM").Size(1000).Text("TEST").Chunk("AAAA", "12").Text("BBB");
    std::vector<uint8_t>& cutBytes = cut.Get();
    CMemoryMedia cutMedia(static_cast<int32_t>(cutBytes.size()), cutBytes.data());
    CIFFReader cutReader(cutMedia, "FORM");
    EXPECT_TRUE(cutReader.FindChunk("AAAA", size));
    EXPECT_FALSE(cutReader.FindChunk("BBBB", size));

    // Many empty chunks: every step moves at least 8 bytes.
    CBytes zeros;
    zeros.Text("FORM").Size(0).Text("TEST");
    for (int i = 0; i < 1000; ++i)
        zeros.Chunk("ZERO", "");
    zeros.Chunk("LAST", "ab");
    std::vector<uint8_t>& zeroBytes = zeros.CloseGroup().Get();
    CMemoryMedia zeroMedia(static_cast<int32_t>(zeroBytes.size()), zeroBytes.data());
    CIFFReader zeroReader(zeroMedia, "FORM");
    EXPECT_TRUE(zeroReader.FindChunk("LAST", size));
}
