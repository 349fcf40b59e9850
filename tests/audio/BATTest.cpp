#include "audio/BAT.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<uint8_t> Pattern(size_t count)
{
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(3 + i * 7 + (i >> 8));
    return bytes;
}

} // namespace

TEST(BAT, PagesCoverTheSizeUpToThePageTable)
{
    EXPECT_EQ(BAT(0).GetPageCount(), 0);
    EXPECT_EQ(BAT(16384).GetPageCount(), 1);
    BAT two(16385);
    EXPECT_EQ(two.GetPageCount(), 2);
    std::vector<uint8_t> all(16385, 0xEE);
    two.Read(0, 16385, all.data());
    EXPECT_EQ(all, std::vector<uint8_t>(16385, 0));
    two.SetByte(16384, 0x5A); // the one byte in use on the second page
    EXPECT_EQ(two.GetPage(1)[0], 0x5A);
    EXPECT_THROW(two.SetByte(16385, 1), XPosition);
    EXPECT_THROW(two.GetPage(2), XPosition);
    EXPECT_THROW(two.GetPage(-1), XPosition);

    // 4086 pages fill the table; one byte more is refused before anything is allocated.
    EXPECT_THROW(BAT(66945024 + 1), XOutOfMemory);
    EXPECT_THROW(BAT(0xFFFFFFFFu), XOutOfMemory);
    BAT largest(66945024);
    largest.SetSample(66945024 / 2 - 1, -2);
    EXPECT_EQ(largest.GetPage(4085)[16383], 0xFF);
    EXPECT_TRUE(largest.GuardsIntact());
}

TEST(BAT, PagesLeftToTheMakerAreClearedOnlyPastTheSize)
{
    BAT buffer(16384 + 100, EBATFill::kNone);
    const std::vector<uint8_t> bytes = Pattern(16384 + 100);
    buffer.Write(0, 16384 + 100, bytes.data());
    std::vector<uint8_t> back(16384 + 100);
    buffer.Read(0, 16384 + 100, back.data());
    EXPECT_EQ(back, bytes);
    const uint8_t* last = buffer.GetPage(1);
    EXPECT_EQ(std::vector<uint8_t>(last + 100, last + 16384), std::vector<uint8_t>(16284, 0));
}

TEST(BAT, RangesAreWalkedSpanBySpan)
{
    BAT buffer(3 * 16384);
    std::vector<std::pair<uint32_t, uint32_t>> spans; // length, done before
    const auto record = [&spans](const uint8_t*, uint32_t length, uint32_t done) { spans.emplace_back(length, done); };
    buffer.ForEachSpan(16330, 100, record);
    std::as_const(buffer).ForEachSpan(100, 2 * 16384, record);
    EXPECT_EQ(spans, (std::vector<std::pair<uint32_t, uint32_t>>{{54, 0}, {46, 54}, {16284, 0}, {16384, 16284},
                                                                 {100, 32668}}));
    // Out of range, also when the end wraps around: refused before anything is touched.
    EXPECT_THROW(buffer.ForEachSpan(3 * 16384 - 10, 11, record), XPosition);
    EXPECT_THROW(buffer.ForEachSpan(0xFFFFFFF0u, 0x20, record), XPosition);
    std::vector<uint8_t> big(60000, 0xAA);
    EXPECT_THROW(buffer.Write(0, static_cast<uint32_t>(big.size()), big.data()), XPosition);
    EXPECT_EQ(buffer.GetByte(0), 0);
}

TEST(BAT, SamplesAreLittleEndianWordsAndCompareByWords)
{
    BAT buffer(16386);
    buffer.SetSample(8192, 0x1234); // the first word of the second page
    EXPECT_EQ(buffer.GetPage(1)[0], 0x34);
    EXPECT_THROW(buffer.GetSample(8193), XPosition);
    EXPECT_THROW(buffer.SetSample(0x80000000u, 1), XPosition); // twice the index wraps to 0
    buffer.SwapBytes();
    EXPECT_EQ(buffer.GetSample(8192), 0x3412);
    // A range from an even offset; its odd last byte stays.
    buffer.Write(16378, 7, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}.data());
    buffer.SwapBytes(16378, 7);
    std::vector<uint8_t> swapped(8);
    buffer.Read(16377, 8, swapped.data());
    EXPECT_EQ(swapped, (std::vector<uint8_t>{0, 2, 1, 4, 3, 6, 5, 7}));
    EXPECT_THROW(buffer.SwapBytes(1, 2), XPosition);

    // An odd last byte belongs to no word.
    BAT a(20001);
    BAT b(20001);
    b.SetByte(20000, 9);
    EXPECT_TRUE(a.Equals(b));
    EXPECT_FALSE(a.Equals(BAT(20000)));
    b.SetSample(9000, 1);
    EXPECT_FALSE(a.Equals(b));
}

TEST(BAT, MovesBytesToMediaAndOtherBuffers)
{
    BAT buffer(40000);
    const std::vector<uint8_t> bytes = Pattern(40000);
    buffer.Write(0, 40000, bytes.data());
    CRecordingMedia media(40010);
    media.SetPosition(10);
    buffer.WriteToMedia(100, 39900, media);
    EXPECT_EQ(std::vector<uint8_t>(media.GetBuffer() + 10, media.GetBuffer() + media.GetPosition()),
              std::vector<uint8_t>(bytes.begin() + 100, bytes.end()));
    BAT copy(40000);
    media.SetPosition(10);
    copy.ReadFromMedia(50, 39900, media);
    // Through the scratch buffer, 16384 bytes at a time, to another place.
    BAT target(60000);
    copy.CopyTo(1000, 35000, target, 7);
    std::vector<uint8_t> back(35002);
    target.Read(6, 35002, back.data());
    EXPECT_EQ(back, CBytes().U8(0).Raw(std::vector<uint8_t>(bytes.begin() + 1050, bytes.begin() + 36050)).U8(0).Get());
    EXPECT_THROW(copy.CopyTo(0, 40000, target, 20001), XPosition);

    // The medium's failure passes through.
    CRecordingMedia failing(40000, 1);
    EXPECT_THROW(buffer.WriteToMedia(0, 40000, failing), XWrite);
    CRecordingMedia tooShort(100);
    EXPECT_THROW(copy.ReadFromMedia(0, 200, tooShort), XRead);
}
