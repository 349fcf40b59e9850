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

TEST(SampleUtilities, LevelsAndForms)
{
    std::vector<uint8_t> bytes = Words({100, -16384, 3, -32768}, true);
    EXPECT_EQ(Peak(bytes.data(), 4), 32768);
    Scale(bytes.data(), 4, 16384); // a half; the shift floors
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{50, -8192, 1, -16384}));
    NormalizeSamples(bytes.data(), 4); // k = 1073709056 / 16384 = 65534
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{99, -16384, 1, -32767}));
    FlipSign(bytes.data(), 1);
    EXPECT_EQ(Values(bytes)[0], -32768 + 99);
    uint8_t eight[2];
    ToUnsigned8(eight, Words({0, -32768}, true).data(), 2);
    EXPECT_EQ(std::vector<uint8_t>(eight, eight + 2), (std::vector<uint8_t>{128, 0})); // 128 is silence

    EXPECT_DOUBLE_EQ(Semitones(1, 4), -24.0);
    EXPECT_EQ(Cents(2, 3), -701);          // -7.0195... semitones, truncated toward zero
    EXPECT_EQ(Cents(INT32_MAX, 1), 32767); // 37200 does not fit: limited
}

TEST(SampleUtilities, TestSignals)
{
    std::vector<uint8_t> bytes(12, 0xEE);
    SawTone(bytes.data(), 6, 4, 1); // step 16384: wraps every 4 samples
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{0, 16384, -32768, -16384, 0, 16384}));
    LevelTest(bytes.data(), 3);
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{0, 0, 32767, 16383, 32767, 16383}));
    Impulse(bytes.data(), 2);
    Impulse(bytes.data() + 4, 1); // no second sample to set
    EXPECT_EQ(Values(bytes), (std::vector<int16_t>{0, 32767, 0, 16383, 32767, 16383}));

    // One floor sine period; the tone keeps its phase between calls and wraps it at 16 bits.
    EXPECT_EQ(kToneTable[64], 127);
    EXPECT_EQ(kToneTable[129], -4); // floor, not truncation
    std::vector<uint8_t> tone(166 * 4);
    ResetSineTone();
    SineTone(tone.data(), 2);
    SineTone(tone.data() + 8, 164); // phases 0, 400, 800, 1200 give entries 0, 1, 3, 4
    const std::vector<int16_t> values = Values(tone);
    EXPECT_EQ(std::vector<int16_t>(values.begin(), values.begin() + 8),
              (std::vector<int16_t>{0, 0, 768, 768, 9 * 256, 9 * 256, 12 * 256, 12 * 256}));
    EXPECT_EQ(values[165 * 2], kToneTable[1] * 256); // 165 * 400 = 66000 wraps to 464
}
