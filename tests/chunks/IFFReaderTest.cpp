#include "chunks/IFFReader.h"
#include "media/ByteOrder.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Group and chunk bytes made by hand, so the reader is tried on shapes our writer
// would never make.
std::string Size(uint32_t value, bool littleEndian = false)
{
    char field[4];
    littleEndian ? SetLE32(field, value) : SetBE32(field, value);
    return std::string(field, 4);
}

// Id, size, data and, unless left out, the pad byte after odd data.
std::string Chunk(const char* id, const std::string& data, bool pad = true)
{
    return id + Size(static_cast<uint32_t>(data.size())) + data + std::string(pad ? data.size() % 2 : 0, '\0');
}

// A FORM group of type TEST; its size field covers the chunks unless given.
std::string Form(const std::string& chunks, int64_t size = -1)
{
    const int64_t field = size < 0 ? static_cast<int64_t>(4 + chunks.size()) : size;
    return "FORM" + Size(static_cast<uint32_t>(field)) + "TEST" + chunks;
}

// A fresh FORM reader over `bytes` looking for `id`.
bool Find(std::string bytes, const char* id, uint32_t& size, bool skipPadBytes = true)
{
    CMemoryMedia media(static_cast<int32_t>(bytes.size()), bytes.data());
    CIFFReader reader(media, "FORM");
    if (!skipPadBytes)
        reader.IgnorePadBytes();
    return reader.FindChunk(id, size);
}

} // namespace

TEST(IFFReader, FindsChunksInAnyOrderAndStandsAtTheirData)
{
    // ODD1 has odd size and so a pad byte after it.
    std::string bytes = Form(Chunk("ODD1", "abc") + Chunk("EVEN", "wxyz") + Chunk("LAST", "12345"));
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

TEST(IFFReader, RefusesTheWrongOuterGroup)
{
    std::string riff = "RIFF" + Size(4 + 24, true) + "WAVE" + "fmt " + Size(16, true) + "0123456789abcdef";
    CMemoryMedia media(static_cast<int32_t>(riff.size()), riff.data());
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
    SetLE32(&riff[4], 3);
    EXPECT_THROW(expectingRiff.FindChunk("fmt ", size), XBadFormat);
}

TEST(IFFReader, TheWalkStaysInsideTheGroupAndTheMedium)
{
    uint32_t size = 0;
    // Without its pad byte an odd chunk hides the next one, unless pads are ignored.
    const std::string unpadded = Form(Chunk("ODD1", "abc", false) + Chunk("NEXT", "zz"));
    EXPECT_FALSE(Find(unpadded, "NEXT", size));
    EXPECT_TRUE(Find(unpadded, "NEXT", size, false));
    EXPECT_EQ(size, 2u);

    // Only a header that starts 8 bytes or more before the group's end is read, so
    // an empty chunk ending exactly there is not reached; a group size smaller than
    // its contents hides the chunks beyond it.
    EXPECT_FALSE(Find(Form(Chunk("AAAA", "1234") + Chunk("NULL", "")), "NULL", size));
    const std::string hidden = Form(Chunk("AAAA", "1234") + Chunk("BBBB", "5678"), 4 + 12);
    EXPECT_TRUE(Find(hidden, "AAAA", size));
    EXPECT_FALSE(Find(hidden, "BBBB", size));

    // The first chunk header is always read: an empty group at the end of the
    // medium, or not even a group header, fails with the medium's read failure.
    EXPECT_THROW(Find(Form(""), "AAAA", size), XRead);
    EXPECT_THROW(Find(std::string("FORM\0\0", 6), "AAAA", size), XRead);

    // Group and chunk sizes of 2^32 - 1: positions are worked out in 64 bits and
    // the walk stops at the group's end.
    const std::string huge = Form("AAAA" + Size(0xFFFFFFFF) + std::string(40, 7), 0xFFFFFFFF);
    EXPECT_FALSE(Find(huge, "BBBB", size));
    EXPECT_TRUE(Find(huge, "AAAA", size));
    EXPECT_EQ(size, 0xFFFFFFFFu);
    // A size that would wrap a 32-bit position back onto its own chunk.
    EXPECT_FALSE(Find(Form("AAAA" + Size(0xFFFFFFF8) + std::string(40, 7)), "BBBB", size));
    // A group claiming more than the medium holds was cut short: what lies before
    // the cut is found, a search past it fails as a short read, and the header cut
    // off by the medium's end is not read.
    const std::string cut = Form(Chunk("AAAA", "12") + "BBB", 1000);
    EXPECT_TRUE(Find(cut, "AAAA", size));
    EXPECT_THROW(Find(cut, "BBBB", size), XRead);
    EXPECT_THROW(Find(Form(Chunk("AAAA", "12"), 23), "BBBB", size), XRead);
    EXPECT_FALSE(Find(Form(Chunk("AAAA", "12"), 22), "BBBB", size));
    // Many empty chunks: every step moves at least 8 bytes.
    std::string zeros;
    for (int i = 0; i < 1000; ++i)
        zeros += Chunk("ZERO", "");
    EXPECT_TRUE(Find(Form(zeros + Chunk("LAST", "ab")), "LAST", size));
}
