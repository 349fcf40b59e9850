#include "audio/WAVE_SAMPLE.h"

#include "media/XBase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Fill(WAVE_SAMPLE& sample, const std::vector<int16_t>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        sample.GetData().SetSample(static_cast<uint32_t>(i), values[i]);
}

struct Loop {
    int32_t start;
    int32_t end;
    bool on;
    bool operator==(const Loop&) const = default;
};

Loop LoopOf(const WAVE_SAMPLE& sample)
{
    return {sample.GetLoopStart(), sample.GetLoopEnd(), sample.IsLoopOn()};
}

std::ostream& operator<<(std::ostream& out, const Loop& loop)
{
    return out << loop.start << ".." << loop.end << (loop.on ? " on" : " off");
}

} // namespace

TEST(WAVE_SAMPLE, IsMadeWithZeroedDataAndClearedInstrument)
{
    WAVE_SAMPLE sample("Kick.aif", 44100, 1000, 0, 0, false);
    EXPECT_STREQ(sample.GetName(), "Kick.aif");
    EXPECT_EQ(sample.GetRate(), 44100);
    EXPECT_EQ(sample.GetLength(), 1000);
    EXPECT_EQ(sample.GetData().GetSize(), 2000u);
    EXPECT_EQ(sample.GetData().GetSample(999), 0);
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, false}));
    EXPECT_FALSE(sample.HasInstrumentData());
    EXPECT_EQ(sample.GetBaseNote(), 0);
    EXPECT_EQ(sample.GetDetune(), 0);
    EXPECT_TRUE(sample.IsOverviewStale());

    WAVE_SAMPLE looped("x", 22050, 1000, 10, 20, true);
    EXPECT_EQ(LoopOf(looped), (Loop{10, 20, true}));

    // Names longer than 67 characters are cut.
    const std::string longName(100, 'n');
    sample.SetName(longName.c_str());
    EXPECT_EQ(std::string(sample.GetName()), std::string(67, 'n'));
    sample.SetName(nullptr);
    EXPECT_STREQ(sample.GetName(), "");
}

TEST(WAVE_SAMPLE, RefusesLengthsNoBufferCanHold)
{
    EXPECT_EQ(WAVE_SAMPLE::kMaxFrames, 33472512);
    EXPECT_THROW(WAVE_SAMPLE("big", 44100, WAVE_SAMPLE::kMaxFrames + 1, 0, 0, false), XOutOfMemory);
    EXPECT_THROW(WAVE_SAMPLE("negative", 44100, -1, 0, 0, false), XOutOfMemory);
    EXPECT_THROW(WAVE_SAMPLE::CheckLength(int64_t{1} << 32), XOutOfMemory);
    EXPECT_NO_THROW(WAVE_SAMPLE::CheckLength(WAVE_SAMPLE::kMaxFrames));

    WAVE_SAMPLE empty("empty", 44100, 0, 0, 0, false);
    EXPECT_EQ(empty.GetData().GetSize(), 0u);
}

TEST(WAVE_SAMPLE, ChecksEveryChangeOfTheLoop)
{
    WAVE_SAMPLE sample("s", 44100, 1000, 0, 0, false);
    sample.SetLoop(100, 100, false); // empty
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, true}));
    sample.SetLoop(-5, 500, true); // before the start
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, true}));
    sample.SetLoop(100, 5000, true); // past the end
    EXPECT_EQ(LoopOf(sample), (Loop{100, 1000, true}));
    sample.SetLoop(300, 200, false); // reversed
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, true}));
    sample.SetLoop(5, 600, false); // kept although off
    EXPECT_EQ(LoopOf(sample), (Loop{5, 600, false}));
    sample.SetLoopStart(700);
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, true}));
    sample.SetLoop(10, 20, true);
    sample.SetLoopEnd(2000);
    EXPECT_EQ(LoopOf(sample), (Loop{10, 1000, true}));
    sample.SetLoop(INT32_MIN + 1, INT32_MAX, true); // no overflow in the check
    EXPECT_EQ(LoopOf(sample), (Loop{0, 1000, true}));

    WAVE_SAMPLE::SetLoopChecking(false);
    EXPECT_FALSE(WAVE_SAMPLE::IsLoopCheckingOn());
    sample.SetLoop(300, 200, false);
    EXPECT_EQ(LoopOf(sample), (Loop{300, 200, false}));
    WAVE_SAMPLE::SetLoopChecking(true);
    EXPECT_TRUE(WAVE_SAMPLE::IsLoopCheckingOn());
}

TEST(WAVE_SAMPLE, LengthChangesStayWithinTheBuffer)
{
    WAVE_SAMPLE sample("s", 44100, 1000, 100, 900, true);
    sample.SetLength(500);
    EXPECT_EQ(sample.GetLength(), 500);
    EXPECT_EQ(LoopOf(sample), (Loop{100, 500, true}));
    sample.SetLength(1000);
    EXPECT_THROW(sample.SetLength(1001), XPosition);
    EXPECT_THROW(sample.SetLength(-1), XPosition);
}

TEST(WAVE_SAMPLE, InstrumentData)
{
    WAVE_SAMPLE sample("s", 44100, 10, 0, 0, false);
    sample.SetHasInstrumentData(true);
    sample.SetBaseNote(48);
    sample.SetDetune(-12);
    EXPECT_TRUE(sample.HasInstrumentData());
    EXPECT_EQ(sample.GetBaseNote(), 48);
    EXPECT_EQ(sample.GetDetune(), -12);
    sample.ClearInstrumentData();
    EXPECT_FALSE(sample.HasInstrumentData());
    EXPECT_EQ(sample.GetBaseNote(), 0);
    EXPECT_EQ(sample.GetDetune(), 0);
}

TEST(WAVE_SAMPLE, OverviewHoldsOnePeakBytePerBlock)
{
    WAVE_SAMPLE shortSample("s", 44100, 31, 0, 0, false);
    EXPECT_EQ(shortSample.GetOverview().GetSize(), 2u); // max(1, 31 / 32) * 2
    shortSample.GetData().SetSample(3, 30000);
    shortSample.BuildOverview();
    EXPECT_FALSE(shortSample.IsOverviewStale());
    EXPECT_EQ(shortSample.GetOverview().GetByte(0), 0); // no whole block, nothing written

    WAVE_SAMPLE sample("s", 44100, 100, 0, 0, false);
    EXPECT_EQ(sample.GetOverview().GetSize(), 6u);
    sample.GetData().SetSample(5, 1000);
    sample.GetData().SetSample(6, -1000); // a tie: the first wins
    sample.GetData().SetSample(40, -32768);
    sample.GetData().SetSample(41, 32767);
    sample.GetData().SetSample(70, -511); // rounds toward zero: -1
    sample.GetData().SetSample(96, 32767); // in the incomplete last block: ignored
    sample.BuildOverview();
    const BAT& overview = sample.GetOverview();
    EXPECT_EQ(overview.GetByte(0), 3);    // 1000 / 256
    EXPECT_EQ(overview.GetByte(1), 0x80); // -32768 / 256 = -128
    EXPECT_EQ(overview.GetByte(2), 0xFF); // -1
    EXPECT_EQ(overview.GetByte(3), 0);

    sample.Normalize();
    EXPECT_TRUE(sample.IsOverviewStale());
}

TEST(WAVE_SAMPLE, FindsZeroCrossings)
{
    WAVE_SAMPLE sample("s", 44100, 12, 0, 0, false);
    //             0    1    2    3    4   5   6   7   8    9   10  11
    Fill(sample, {500, 400, 300, -200, 100, 50, 60, 70, 80, -90, 10, 20});
    EXPECT_EQ(sample.FindZeroCrossing(5, 10), 3);  // down: 100 -> -200
    EXPECT_EQ(sample.FindZeroCrossing(7, 10), 9);  // up: 80 -> -90
    EXPECT_EQ(sample.FindZeroCrossing(1, 10), 1);  // the down walk leaves the sample first: the position
    EXPECT_EQ(sample.FindZeroCrossing(7, 1), 7);   // nothing within the range
    EXPECT_EQ(sample.FindZeroCrossing(100, 3), 11); // limited to the last frame; the up walk ends at once
    EXPECT_EQ(sample.FindZeroCrossing(-4, 0), 0);

    sample.GetData().SetSample(6, 0);
    EXPECT_EQ(sample.FindZeroCrossing(6, 5), 6); // a zero at the position is answered at once

    WAVE_SAMPLE empty("e", 44100, 0, 0, 0, false);
    EXPECT_EQ(empty.FindZeroCrossing(5, 5), 0);
}

TEST(WAVE_SAMPLE, NormalizeBringsThePeakToFullScale)
{
    WAVE_SAMPLE sample("s", 44100, 20000, 0, 0, false); // spans two pages
    sample.GetData().SetSample(0, 16384);
    sample.GetData().SetSample(1, -100);
    sample.GetData().SetSample(19999, -16384);
    sample.Normalize(); // k = 1073709056 / 16384 = 65534
    EXPECT_EQ(sample.GetData().GetSample(0), 32767);
    EXPECT_EQ(sample.GetData().GetSample(1), -200);
    EXPECT_EQ(sample.GetData().GetSample(19999), -32767);
    EXPECT_EQ(sample.GetData().GetSample(2), 0);

    WAVE_SAMPLE silent("s", 44100, 10, 0, 0, false);
    silent.Normalize();
    EXPECT_EQ(silent.GetData().GetSample(0), 0);
}
