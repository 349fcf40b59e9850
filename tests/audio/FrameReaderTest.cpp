#include "audio/FrameReader.h"

#include "AudioTestSupport.h"
#include "audio/BAT.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Interleaved frames as file bytes.
std::vector<uint8_t> Frames(const std::vector<int16_t>& samples, bool littleEndian)
{
    return Words(samples, littleEndian);
}

std::vector<int16_t> Samples(const BAT& buffer, int32_t count)
{
    std::vector<int16_t> out(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        out[i] = buffer.GetSample(static_cast<uint32_t>(i));
    return out;
}

} // namespace

TEST(FrameReader, ScratchBuffersComeAndGo)
{
    // The test program holds the buffers already; making them again changes nothing.
    uint8_t* first = GetScratchBuffer1();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(GetScratchBuffer2(), nullptr);
    MakeScratchBuffers();
    EXPECT_EQ(GetScratchBuffer1(), first);

    FreeScratchBuffers();
    EXPECT_EQ(GetScratchBuffer1(), nullptr);
    EXPECT_EQ(GetScratchBuffer2(), nullptr);
    CBytesMedia source(Frames({1, 2}, true));
    BAT out(4);
    EXPECT_THROW(ReadChannel(source, out, 2, 1, 0, 2, false), XInternalError);
    BAT other(4);
    EXPECT_THROW(out.CopyTo(0, 4, other, 0), XInternalError);
    {
        CScratchBuffers buffers;
        EXPECT_NE(GetScratchBuffer1(), nullptr);
        EXPECT_NE(GetScratchBuffer2(), nullptr);
    }
    EXPECT_EQ(GetScratchBuffer1(), nullptr);
    MakeScratchBuffers();
}

TEST(FrameReader, ReadsInBlocksThatFitTheScratchBuffer)
{
    // 10000 stereo frames: blocks of 4096, 4096 and 1808.
    std::vector<int16_t> samples(20000);
    for (int i = 0; i < 20000; ++i)
        samples[i] = static_cast<int16_t>(i % 2 ? -i : i);
    CRecordingMedia source(40000);
    const std::vector<uint8_t> bytes = Frames(samples, true);
    std::copy(bytes.begin(), bytes.end(), source.GetBuffer());
    BAT out(20000);
    ReadChannel(source, out, 2, 2, 1, 10000, false);
    EXPECT_EQ(source.mReads, (std::vector<int32_t>{4096 * 4, 4096 * 4, 1808 * 4}));
    EXPECT_EQ(out.GetSample(0), -1);
    EXPECT_EQ(out.GetSample(4096), -8193);
    EXPECT_EQ(out.GetSample(9999), -19999);

    // Mono: 8192 frames a block.
    CRecordingMedia mono(40000);
    BAT monoOut(40000);
    ReadChannel(mono, monoOut, 2, 1, 0, 20000, false);
    EXPECT_EQ(mono.mReads, (std::vector<int32_t>{16384, 16384, 7232}));
}

TEST(FrameReader, PicksOneChannelInEitherByteOrder)
{
    const std::vector<int16_t> stereo = {100, -100, 200, -200, 0x1234, 0x0102};
    for (const bool swap : {false, true}) {
        for (int channel = 0; channel < 2; ++channel) {
            CBytesMedia source(Frames(stereo, !swap));
            BAT out(6);
            ReadChannel(source, out, 2, 2, channel, 3, swap);
            const std::vector<int16_t> expected =
                channel == 0 ? std::vector<int16_t>{100, 200, 0x1234} : std::vector<int16_t>{-100, -200, 0x0102};
            EXPECT_EQ(Samples(out, 3), expected) << "swap " << swap << " channel " << channel;
        }
    }

    // 8-bit samples come out as value * 256.
    CBytesMedia eight({0x01, 0x7F, 0x80, 0xFF});
    BAT out(4);
    ReadChannel(eight, out, 1, 2, 1, 2, true); // the swap flag does not apply to bytes
    EXPECT_EQ(Samples(out, 2), (std::vector<int16_t>{0x7F00, -256}));
}

TEST(FrameReader, WritesToAMediumFromOffsetZero)
{
    CBytesMedia source(Frames({1, 2, 3, 4, 5, 6}, false));
    CRecordingMedia target(8);
    target.SetPosition(6);
    ReadFramesToMedia(source, target, 2, 3, 2, 2, true, PickChannelConverter, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(target.GetBuffer(), target.GetBuffer() + 4), Words({3, 6}, true));
}

TEST(FrameReader, MixdownWithoutClipping)
{
    // (-20000, 10000) sums to -10000: no second pass.
    CRecordingMedia source(8);
    const std::vector<uint8_t> bytes = Frames({-20000, 10000, 300, 400}, true);
    std::copy(bytes.begin(), bytes.end(), source.GetBuffer());
    BAT out(4);
    bool scaled = true;
    ReadMixdown(source, out, 2, 2, 2, false, scaled);
    EXPECT_FALSE(scaled);
    EXPECT_EQ(Samples(out, 2), (std::vector<int16_t>{-10000, 700}));
    EXPECT_EQ(source.mReads.size(), 1u);
}

TEST(FrameReader, MixdownNormalisesInASecondPassWhenTheSumClips)
{
    // (20000, 20000) sums to 40000; the second pass runs with gain
    // 1073709056 / 40000 = 26842: 20000 * 26842 >> 15 = 16383, twice.
    CRecordingMedia source(12);
    const std::vector<uint8_t> bytes = Frames({20000, 20000, -1000, 3000, 0, 0}, false);
    std::copy(bytes.begin(), bytes.end(), source.GetBuffer());
    BAT out(6);
    bool scaled = false;
    ReadMixdown(source, out, 2, 2, 3, true, scaled);
    EXPECT_TRUE(scaled);
    EXPECT_EQ(Samples(out, 3), (std::vector<int16_t>{32766, 1637, 0}));
    EXPECT_EQ(source.mReads, (std::vector<int32_t>{12, 12}));

    // The loudest negative sum sets the gain as well.
    CBytesMedia negative(Frames({-30000, -30000, 100, 100}, true));
    ReadMixdown(negative, out, 2, 2, 2, false, scaled);
    EXPECT_TRUE(scaled);
    EXPECT_EQ(Samples(out, 2), (std::vector<int16_t>{-32768, 108})); // gain 17895

    MixContext mix;
    uint8_t converted[2];
    const std::vector<uint8_t> loud = Frames({32767, 32767, 32767}, true);
    MixdownConverter(&mix, loud.data(), converted, 2, 3, 0, 1);
    EXPECT_EQ(mix.maximum, 98301);
    EXPECT_EQ(static_cast<int16_t>(GetLE16(converted)), 32767); // limited
}

TEST(FrameReader, MixingMonoCopiesAndNeverScales)
{
    CRecordingMedia source(6);
    const std::vector<uint8_t> bytes = Frames({32767, -32768, 5}, true);
    std::copy(bytes.begin(), bytes.end(), source.GetBuffer());
    BAT out(6);
    bool scaled = true;
    ReadMixdown(source, out, 2, 1, 3, false, scaled);
    EXPECT_FALSE(scaled);
    EXPECT_EQ(Samples(out, 3), (std::vector<int16_t>{32767, -32768, 5}));
    EXPECT_EQ(source.mReads.size(), 1u);
}

TEST(FrameReader, RefusesParametersBeforeReading)
{
    CRecordingMedia source(64);
    BAT out(64);
    bool scaled = false;
    EXPECT_THROW(ReadChannel(source, out, 3, 1, 0, 1, false), XUnsupportedFormat);
    EXPECT_THROW(ReadChannel(source, out, 2, 0, 0, 1, false), XUnsupportedFormat);
    EXPECT_THROW(ReadChannel(source, out, 2, -2, 0, 1, false), XUnsupportedFormat);
    EXPECT_THROW(ReadChannel(source, out, 2, 2, 2, 1, false), XUnsupportedFormat);
    // A frame wider than the scratch buffer would make blocks of no frames.
    EXPECT_THROW(ReadMixdown(source, out, 2, 8193, 1, false, scaled), XUnsupportedFormat);
    EXPECT_THROW(ReadChannel(source, out, 2, 1, 0, 33, false), XPosition); // 66 bytes into 64
    EXPECT_THROW(ReadChannel(source, out, 2, 1, 0, -1, false), XPosition);
    EXPECT_TRUE(source.mReads.empty());

    // A short medium fails with its read failure.
    CBytesMedia shortSource(Frames({1, 2, 3}, true));
    EXPECT_THROW(ReadChannel(shortSource, out, 2, 2, 0, 2, false), XRead);
}

TEST(FrameReader, SwapWordsSwapsEachPair)
{
    uint8_t bytes[] = {1, 2, 3, 4, 5};
    SwapWords(bytes, 2);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 5), (std::vector<uint8_t>{2, 1, 4, 3, 5}));
}
