#include "audio/BAT.h"

#include "AudioTestSupport.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

std::vector<uint8_t> Pattern(size_t count, uint8_t seed)
{
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 7 + (i >> 8));
    return bytes;
}

} // namespace

TEST(BAT, PagesCoverTheSizeAndStartZeroed)
{
    EXPECT_EQ(BAT(0).GetPageCount(), 0);
    EXPECT_EQ(BAT(1).GetPageCount(), 1);
    EXPECT_EQ(BAT(16384).GetPageCount(), 1);

    BAT two(16385);
    EXPECT_EQ(two.GetSize(), 16385u);
    EXPECT_EQ(two.GetPageCount(), 2);
    EXPECT_TRUE(two.GuardsIntact());
    for (int page = 0; page < 2; ++page)
        for (int i = 0; i < BAT::kPageSize; ++i)
            ASSERT_EQ(two.GetPage(page)[i], 0) << page << ":" << i;
    EXPECT_THROW(two.GetPage(2), XPosition);
    EXPECT_THROW(two.GetPage(-1), XPosition);

    two.SetByte(16384, 0x5A); // the one byte in use on the second page
    EXPECT_EQ(two.GetPage(1)[0], 0x5A);
    EXPECT_THROW(two.SetByte(16385, 1), XPosition);
    EXPECT_THROW(two.GetByte(16385), XPosition);
}

TEST(BAT, TheLargestBufferFillsThePageTableAndNoMore)
{
    EXPECT_EQ(BAT::kMaxSize, 66945024u);
    EXPECT_THROW(BAT(BAT::kMaxSize + 1), XOutOfMemory);
    EXPECT_THROW(BAT(0xFFFFFFFFu), XOutOfMemory);

    BAT largest(BAT::kMaxSize);
    EXPECT_EQ(largest.GetPageCount(), 4086);
    largest.SetSample(BAT::kMaxSize / 2 - 1, -2);
    EXPECT_EQ(largest.GetPage(4085)[16382], 0xFE);
    EXPECT_EQ(largest.GetPage(4085)[16383], 0xFF);
    EXPECT_TRUE(largest.GuardsIntact());
}

TEST(BAT, RangesAreWalkedSpanBySpan)
{
    BAT buffer(3 * 16384);
    std::vector<std::pair<uint32_t, uint32_t>> spans; // length, done before
    buffer.ForEachSpan(16330, 100, [&spans](const uint8_t*, uint32_t length, uint32_t done) {
        spans.emplace_back(length, done);
    });
    EXPECT_EQ(spans, (std::vector<std::pair<uint32_t, uint32_t>>{{54, 0}, {46, 54}}));

    spans.clear();
    buffer.ForEachSpan(100, 2 * 16384, [&spans](uint8_t*, uint32_t length, uint32_t done) {
        spans.emplace_back(length, done);
    });
    EXPECT_EQ(spans, (std::vector<std::pair<uint32_t, uint32_t>>{{16284, 0}, {16384, 16284}, {100, 32668}}));

    EXPECT_THROW(buffer.ForEachSpan(3 * 16384 - 10, 11, [](const uint8_t*, uint32_t, uint32_t) {}), XPosition);
    EXPECT_THROW(buffer.ForEachSpan(0xFFFFFFF0u, 0x20, [](const uint8_t*, uint32_t, uint32_t) {}), XPosition);
}

TEST(BAT, ReadAndWriteCrossPages)
{
    BAT buffer(3 * 16384 + 10);
    const std::vector<uint8_t> bytes = Pattern(2 * 16384 + 5, 3);
    buffer.Write(16000, static_cast<uint32_t>(bytes.size()), bytes.data());
    EXPECT_EQ(buffer.GetByte(16000), bytes[0]);
    EXPECT_EQ(buffer.GetPage(1)[0], bytes[384]);
    EXPECT_EQ(buffer.GetPage(2)[0], bytes[384 + 16384]);

    std::vector<uint8_t> back(bytes.size());
    buffer.Read(16000, static_cast<uint32_t>(back.size()), back.data());
    EXPECT_EQ(back, bytes);

    // Out of range: refused before anything is copied.
    std::vector<uint8_t> big(60000, 0xAA);
    EXPECT_THROW(buffer.Write(0, static_cast<uint32_t>(big.size()), big.data()), XPosition);
    EXPECT_EQ(buffer.GetByte(0), 0);
    EXPECT_THROW(buffer.Read(1, buffer.GetSize(), big.data()), XPosition);
}

TEST(BAT, SamplesAreLittleEndianWords)
{
    BAT buffer(16386);
    buffer.SetSample(0, 0x1234);
    buffer.SetSample(8192, -32768); // first word of the second page
    EXPECT_EQ(buffer.GetByte(0), 0x34);
    EXPECT_EQ(buffer.GetByte(1), 0x12);
    EXPECT_EQ(buffer.GetPage(1)[0], 0x00);
    EXPECT_EQ(buffer.GetPage(1)[1], 0x80);
    EXPECT_EQ(buffer.GetSample(0), 0x1234);
    EXPECT_EQ(buffer.GetSample(8192), -32768);
    EXPECT_THROW(buffer.GetSample(8193), XPosition);
    EXPECT_THROW(buffer.SetSample(0x80000000u, 1), XPosition);

    buffer.SwapBytes();
    EXPECT_EQ(buffer.GetSample(0), 0x3412);
    EXPECT_EQ(buffer.GetSample(8192), 0x0080);
}

TEST(BAT, MovesBytesToAndFromMedia)
{
    BAT buffer(40000);
    const std::vector<uint8_t> bytes = Pattern(40000, 11);
    buffer.Write(0, 40000, bytes.data());

    CRecordingMedia out(40010);
    out.SetPosition(10);
    buffer.WriteToMedia(100, 39900, out);
    EXPECT_EQ(out.GetPosition(), 39910);
    EXPECT_TRUE(std::equal(bytes.begin() + 100, bytes.end(), out.GetBuffer() + 10));

    BAT copy(40000);
    out.SetPosition(10);
    copy.ReadFromMedia(50, 39900, out);
    EXPECT_EQ(copy.GetByte(49), 0);
    EXPECT_EQ(copy.GetByte(50), bytes[100]);
    EXPECT_EQ(copy.GetByte(39949), bytes[39999]);
    EXPECT_EQ(out.mReads, (std::vector<int32_t>{16334, 16384, 7182})); // one read per span

    // The medium's failure passes through.
    CRecordingMedia failing(40000, 1);
    EXPECT_THROW(buffer.WriteToMedia(0, 40000, failing), XWrite);
    CRecordingMedia tooShort(100);
    EXPECT_THROW(copy.ReadFromMedia(0, 200, tooShort), XRead);
}

TEST(BAT, CopiesIntoAnotherBuffer)
{
    BAT source(50000);
    const std::vector<uint8_t> bytes = Pattern(50000, 5);
    source.Write(0, 50000, bytes.data());
    BAT target(60000);
    source.CopyTo(1000, 40000, target, 7);
    EXPECT_EQ(target.GetByte(6), 0);
    std::vector<uint8_t> back(40000);
    target.Read(7, 40000, back.data());
    EXPECT_TRUE(std::equal(back.begin(), back.end(), bytes.begin() + 1000));
    EXPECT_EQ(target.GetByte(40007), 0);
    EXPECT_THROW(source.CopyTo(0, 50000, target, 10001), XPosition);
}

TEST(BAT, EqualsComparesSizeAndWords)
{
    BAT a(20001);
    BAT b(20001);
    BAT shorter(20000);
    EXPECT_TRUE(a.Equals(b));
    EXPECT_FALSE(a.Equals(shorter));
    b.SetByte(20000, 9); // the odd last byte belongs to no word
    EXPECT_TRUE(a.Equals(b));
    b.SetSample(9000, 1);
    EXPECT_FALSE(a.Equals(b));
    a.SetSample(9000, 1);
    EXPECT_TRUE(a.Equals(b));
}
