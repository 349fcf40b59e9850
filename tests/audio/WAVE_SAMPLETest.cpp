#include "audio/WAVE_SAMPLE.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(WAVE_SAMPLE, IsMadeZeroedWithinTheLimits)
{
    WAVE_SAMPLE sample("Kick.aif", 44100, 1000, 10, 20, false);
    EXPECT_EQ(Describe(sample), "44100 Hz, 1000 frames, loop 0..1000 off, no instrument"); // off: the whole sample
    EXPECT_EQ(Samples(sample), std::vector<int16_t>(1000, 0));
    EXPECT_EQ(sample.GetData().GetSize(), 2000u);
    EXPECT_EQ(LoopOf(WAVE_SAMPLE("x", 22050, 1000, 10, 20, true)), "10..20 on");
    sample.SetName(std::string(100, 'n').c_str());
    EXPECT_EQ(std::string(sample.GetName()), std::string(67, 'n'));
    sample.SetName(nullptr);
    EXPECT_STREQ(sample.GetName(), "");

    // No buffer can be made for more frames than a BAT holds: refused before allocating.
    EXPECT_THROW(WAVE_SAMPLE("big", 44100, WAVE_SAMPLE::kMaxFrames + 1, 0, 0, false), XOutOfMemory);
    EXPECT_THROW(WAVE_SAMPLE("negative", 44100, -1, 0, 0, false), XOutOfMemory);
    EXPECT_THROW(WAVE_SAMPLE::CheckLength(int64_t{1} << 32), XOutOfMemory);
    EXPECT_NO_THROW(WAVE_SAMPLE::CheckLength(WAVE_SAMPLE::kMaxFrames));
    // A new length must fit the buffer; the loop follows it.
    sample.SetLoop(100, 900, true);
    sample.SetLength(500);
    EXPECT_EQ(LoopOf(sample), "100..500 on");
    EXPECT_THROW(sample.SetLength(1001), XPosition);
    EXPECT_THROW(sample.SetLength(-1), XPosition);
}

TEST(WAVE_SAMPLE, ChecksEveryChangeOfTheLoopWhileCheckingIsOn)
{
    WAVE_SAMPLE sample("s", 44100, 1000, 0, 0, false);
    const auto set = [&sample](int32_t start, int32_t end, bool on) {
        sample.SetLoop(start, end, on);
        return LoopOf(sample);
    };
    EXPECT_EQ(set(100, 100, false), "0..1000 on"); // empty
    EXPECT_EQ(set(-5, 500, true), "0..1000 on");   // before the start
    EXPECT_EQ(set(300, 200, false), "0..1000 on"); // reversed
    EXPECT_EQ(set(INT32_MIN + 1, INT32_MAX, true), "0..1000 on"); // no overflow in the check
    EXPECT_EQ(set(100, 5000, true), "100..1000 on");
    EXPECT_EQ(set(5, 600, false), "5..600 off"); // kept although off
    sample.SetLoopStart(700);
    EXPECT_EQ(LoopOf(sample), "0..1000 on");
    set(10, 20, true);
    sample.SetLoopEnd(2000);
    EXPECT_EQ(LoopOf(sample), "10..1000 on");

    WAVE_SAMPLE::SetLoopChecking(false);
    const std::string unchecked = set(300, 200, false);
    WAVE_SAMPLE::SetLoopChecking(true);
    EXPECT_EQ(unchecked, "300..200 off");
}

TEST(WAVE_SAMPLE, OverviewZeroCrossingsAndNormalizing)
{
    WAVE_SAMPLE sample("s", 44100, 100, 0, 0, false);
    // Per 32-frame block the first of the largest samples, divided by 256 toward zero;
    // frame 96 lies in an incomplete block.
    sample.GetData().Write(10, 4, Words({1000, -1000}, true).data());
    sample.GetData().Write(80, 4, Words({-32768, 32767}, true).data());
    sample.GetData().SetSample(70, -511);
    sample.GetData().SetSample(96, 32767);
    sample.BuildOverview();
    std::vector<uint8_t> overview(6);
    sample.GetOverview().Read(0, 6, overview.data());
    EXPECT_EQ(overview, (std::vector<uint8_t>{3, 0x80, 0xFF, 0, 0, 0}));
    EXPECT_EQ(WAVE_SAMPLE("s", 44100, 31, 0, 0, false).GetOverview().GetSize(), 2u); // never less than one block

    sample.Normalize();
    EXPECT_TRUE(sample.IsOverviewStale());
    WAVE_SAMPLE wide("s", 44100, 20000, 0, 0, false); // two pages, the peak on the second
    wide.GetData().SetSample(0, 100);
    wide.GetData().SetSample(19999, -16384);
    wide.Normalize(); // k = 1073709056 / 16384 = 65534
    EXPECT_EQ(wide.GetData().GetSample(0), 199);
    EXPECT_EQ(wide.GetData().GetSample(19999), -32767);
    WAVE_SAMPLE silent("s", 44100, 10, 0, 0, false);
    silent.Normalize(); // no peak to divide by
    EXPECT_EQ(Samples(silent), std::vector<int16_t>(10, 0));

    WAVE_SAMPLE wave("s", 44100, 12, 0, 0, false);
    wave.GetData().Write(0, 24, Words({500, 400, 300, -200, 100, 50, 60, 70, 80, -90, 10, 20}, true).data());
    EXPECT_EQ(wave.FindZeroCrossing(5, 10), 3);   // down: 100 -> -200
    EXPECT_EQ(wave.FindZeroCrossing(7, 10), 9);   // up: 80 -> -90
    EXPECT_EQ(wave.FindZeroCrossing(1, 10), 1);   // the down walk leaves the sample first: the position
    EXPECT_EQ(wave.FindZeroCrossing(7, 1), 7);    // nothing within the range
    EXPECT_EQ(wave.FindZeroCrossing(100, 3), 11); // limited to the last frame
    WAVE_SAMPLE rising("s", 44100, 6, 0, 0, false);
    rising.GetData().Write(0, 12, Words({-10, 20, 30, 40, 50, 60}, true).data());
    EXPECT_EQ(rising.FindZeroCrossing(2, 3), 0);  // found on the lower bound, frame 0
}
