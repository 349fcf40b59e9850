#include "audio/FrameReader.h"

#include "AudioTestSupport.h"
#include "audio/BAT.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(FrameReader, ScratchBuffersComeAndGo)
{
    // The test program holds the buffers already; making them again changes nothing.
    uint8_t* first = GetScratchBuffer1();
    ASSERT_NE(first, nullptr);
    MakeScratchBuffers();
    EXPECT_EQ(GetScratchBuffer1(), first);
    FreeScratchBuffers();
    EXPECT_EQ(GetScratchBuffer2(), nullptr);
    // Without them, conversion and copying fail instead of writing through null.
    CBytesMedia source(Words({1, 2}, true));
    BAT out(4);
    EXPECT_THROW(ReadChannel(source, out, 2, 1, 0, 2, false), XInternalError);
    EXPECT_THROW(out.CopyTo(0, 4, out, 0), XInternalError);
    {
        CScratchBuffers buffers;
        EXPECT_NE(GetScratchBuffer2(), nullptr);
    }
    EXPECT_EQ(GetScratchBuffer1(), nullptr);
    MakeScratchBuffers();
}

TEST(FrameReader, PicksOneChannel)
{
    std::vector<int16_t> samples(20000);
    for (int i = 0; i < 20000; ++i)
        samples[i] = static_cast<int16_t>(i % 2 ? -i : i);
    CRecordingMedia source(40000);
    source.Write(40000, Words(samples, false).data());
    source.SetPosition(0);
    BAT out(40000);
    ReadChannel(source, out, 2, 2, 1, 10000, true);
    EXPECT_EQ(out.GetSample(4096), -8193);
    EXPECT_EQ(out.GetSample(9999), -19999);

    // Three channels make blocks of 2730 frames, whose samples run over the end of
    // a page: the block's frames are converted across the page boundary.
    std::vector<int16_t> interleaved(3 * 9000);
    for (size_t i = 0; i < interleaved.size(); ++i)
        interleaved[i] = static_cast<int16_t>(i * 7 - 30000);
    CBytesMedia threeChannels(Words(interleaved, true));
    BAT picked(18000);
    ReadChannel(threeChannels, picked, 2, 3, 2, 9000, false);
    std::vector<int16_t> third;
    for (size_t i = 2; i < interleaved.size(); i += 3)
        third.push_back(interleaved[i]);
    EXPECT_EQ(Samples(picked, 9000), third);

    // 8-bit samples come out as value * 256, never swapped.
    CBytesMedia eight({0x01, 0x7F, 0x80, 0xFF});
    ReadChannel(eight, out, 1, 2, 1, 2, true);
    EXPECT_EQ(Samples(out, 2), (std::vector<int16_t>{0x7F00, -256}));
    // Into a medium from offset 0, whatever its position.
    CBytesMedia three(Words({1, 2, 3, 4, 5, 6}, false));
    CRecordingMedia target(8);
    target.SetPosition(6);
    ReadFramesToMedia(three, target, 2, 3, 2, 2, true, PickChannelConverter, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(target.GetBuffer(), target.GetBuffer() + 4), Words({3, 6}, true));
}

TEST(FrameReader, MixdownScalesInASecondPassOnlyWhenTheSumClips)
{
    // Frames, channels, the mix, whether it was scaled and how often the frames were read.
    const std::tuple<std::vector<int16_t>, int32_t, std::vector<int16_t>, bool, size_t> cases[] = {
        {{-20000, 10000, 300, 400}, 2, {-10000, 700}, false, 1},
        // 40000 clips: gain 1073709056 / 40000 = 26842, so 20000 * 26842 >> 15 = 16383, twice.
        {{20000, 20000, -1000, 3000, 0, 0}, 2, {32766, 1637, 0}, true, 2},
        // The loudest negative sum sets the gain as well: 17895.
        {{-30000, -30000, 100, 100}, 2, {-32768, 108}, true, 2},
        {{32767, -32768, 5}, 1, {32767, -32768, 5}, false, 1}, // mono is copied
        {{20000, 12767, -20000, -12768}, 2, {32767, -32768}, false, 1}, // sums exactly at full scale
    };
    for (const auto& [frames, channels, mixed, scaled, reads] : cases) {
        CRecordingMedia source(static_cast<int32_t>(frames.size() * 2));
        source.Write(source.GetSize(), Words(frames, false).data());
        source.SetPosition(0);
        BAT out(source.GetSize());
        bool wasScaled = !scaled;
        ReadMixdown(source, out, 2, channels, static_cast<int32_t>(mixed.size()), true, wasScaled);
        EXPECT_EQ(wasScaled, scaled) << frames[0];
        EXPECT_EQ(Samples(out, static_cast<int32_t>(mixed.size())), mixed) << frames[0];
        EXPECT_EQ(source.mReads.size(), reads) << frames[0];
    }
    // Within a pass the sum is limited to 16 bits, and the extremes are kept.
    MixContext mix;
    uint8_t converted[2];
    MixdownConverter(&mix, Words({32767, 32767, 32767}, true).data(), converted, 2, 3, 0, 1);
    EXPECT_EQ(mix.maximum, 98301);
    EXPECT_EQ(GetLE16(converted), 32767);
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
    CBytesMedia shortSource(Words({1, 2, 3}, true));
    EXPECT_THROW(ReadChannel(shortSource, out, 2, 2, 0, 2, false), XRead);
}
