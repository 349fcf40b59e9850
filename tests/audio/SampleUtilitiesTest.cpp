#include "audio/SampleUtilities.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int16_t> Values(const std::vector<uint8_t>& bytes)
{
    std::vector<int16_t> values(bytes.size() / 2);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int16_t>(GetLE16(&bytes[2 * i]));
    return values;
}

} // namespace

TEST(SampleUtilities, PeakScaleAndNormalize)
{
    std::vector<uint8_t> bytes = Words({100, -16384, 3, 0}, true);
    EXPECT_EQ(Peak(bytes.data(), 4), 16384);
    EXPECT_EQ(Peak(Words({-32768, 5}, true).data(), 2), 32768);
    EXPECT_EQ(Peak(bytes.data(), 0), 0);

    Scale(bytes.data(), 4, 32768); // unity: untouched
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{100, -16384, 3, 0}));
    Scale(bytes.data(), 4, 16384); // a half; the shift floors
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{50, -8192, 1, 0}));

    NormalizeSamples(bytes.data(), 4); // k = 1073709056 / 8192 = 131068
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{199, -32767, 3, 0}));

    std::vector<uint8_t> silence = Words({0, 0}, true);
    NormalizeSamples(silence.data(), 2);
    EXPECT_EQ(Values(silence), (std::vector<int16_t>{0, 0}));
}

TEST(SampleUtilities, SignAndByteForms)
{
    std::vector<uint8_t> bytes = Words({0, -32768, 32767, 0x1234}, true);
    FlipSign(bytes.data(), 4);
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{-32768, 0, -1, static_cast<int16_t>(0x9234)}));
    FlipSign(bytes.data(), 4);

    uint8_t eight[4];
    ToUnsigned8(eight, bytes.data(), 4);
    EXPECT_EQ(eight[0], 128); // silence
    EXPECT_EQ(eight[1], 0);
    EXPECT_EQ(eight[2], 255);
    EXPECT_EQ(eight[3], 0x92);
}

TEST(SampleUtilities, SemitonesAndCents)
{
    EXPECT_DOUBLE_EQ(Semitones(2, 1), 12.0);
    EXPECT_DOUBLE_EQ(Semitones(1, 4), -24.0);
    EXPECT_EQ(Cents(3, 2), 701);    // 7.0195... semitones
    EXPECT_EQ(Cents(2, 3), -701);   // truncated toward zero
    EXPECT_EQ(Cents(44100, 44100), 0);
    EXPECT_EQ(Cents(INT32_MAX, 1), 32767); // 37200 does not fit: limited
    EXPECT_EQ(Cents(0, 5), 0);
    EXPECT_DOUBLE_EQ(Semitones(-3, 5), 0.0);
}

TEST(SampleUtilities, TestSignals)
{
    std::vector<uint8_t> saw(16);
    SawTone(saw.data(), 8, 4, 1); // step 16384: wraps every 4 samples
    EXPECT_EQ(Values(saw), (std::vector<int16_t>{0, 16384, -32768, -16384, 0, 16384, -32768, -16384}));
    SawTone(saw.data(), 8, 0, 1);
    EXPECT_EQ(Values(saw), std::vector<int16_t>(8, 0));

    std::vector<uint8_t> level(12, 0xEE);
    LevelTest(level.data(), 3);
    EXPECT_EQ(Values(level), (std::vector<int16_t>{0, 0, 32767, 16383, 32767, 16383}));

    std::vector<uint8_t> impulse(8, 0xEE);
    Impulse(impulse.data(), 4);
    EXPECT_EQ(Values(impulse), (std::vector<int16_t>{0, 32767, 0, 0}));
    std::vector<uint8_t> one(2, 0xEE);
    Impulse(one.data(), 1);
    EXPECT_EQ(Values(one), std::vector<int16_t>{0});
}

TEST(SampleUtilities, ToneTableIsOneFloorSinePeriod)
{
    EXPECT_EQ(kToneTable[0], 0);
    EXPECT_EQ(kToneTable[1], 3);
    EXPECT_EQ(kToneTable[4], 12);
    EXPECT_EQ(kToneTable[64], 127);
    EXPECT_EQ(kToneTable[128], 0);
    EXPECT_EQ(kToneTable[129], -4); // floor, not truncation
    EXPECT_EQ(kToneTable[192], -127);
    EXPECT_EQ(kToneTable[255], -4);
}

TEST(SampleUtilities, SineToneKeepsItsPhaseBetweenCalls)
{
    ResetSineTone();
    std::vector<uint8_t> first(4 * 2 * 2);
    SineTone(first.data(), 4);
    // Phases 0, 400, 800, 1200 give table entries 0, 1, 3, 4.
    EXPECT_EQ(Values(first), (std::vector<int16_t>{0, 0, 768, 768, 9 * 256, 9 * 256, 12 * 256, 12 * 256}));
    std::vector<uint8_t> next(2 * 2);
    SineTone(next.data(), 1); // phase 1600: entry 6
    EXPECT_EQ(Values(next), (std::vector<int16_t>{18 * 256, 18 * 256}));

    // 164 frames later the phase has wrapped past 65535 (165 * 400 = 66000 -> 464).
    ResetSineTone();
    std::vector<uint8_t> many(166 * 4);
    SineTone(many.data(), 166);
    EXPECT_EQ(static_cast<int16_t>(GetLE16(&many[165 * 4])), kToneTable[464 / 256] * 256);
}
