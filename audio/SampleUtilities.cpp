#include "audio/SampleUtilities.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

uint16_t gSinePhase = 0;

inline int32_t Load(const uint8_t* p, int32_t i)
{
    return static_cast<int16_t>(p[2 * i] | p[2 * i + 1] << 8);
}

inline void Store(uint8_t* p, int32_t i, int32_t value)
{
    p[2 * i] = static_cast<uint8_t>(value);
    p[2 * i + 1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

const int8_t kToneTable[256] = {
    0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45,
    48, 51, 54, 57, 59, 62, 65, 67, 70, 73, 75, 78, 80, 82, 85, 87,
    89, 91, 94, 96, 98, 100, 102, 103, 105, 107, 108, 110, 112, 113, 114, 116,
    117, 118, 119, 120, 121, 122, 123, 123, 124, 125, 125, 126, 126, 126, 126, 126,
    127, 126, 126, 126, 126, 126, 125, 125, 124, 123, 123, 122, 121, 120, 119, 118,
    117, 116, 114, 113, 112, 110, 108, 107, 105, 103, 102, 100, 98, 96, 94, 91,
    89, 87, 85, 82, 80, 78, 75, 73, 70, 67, 65, 62, 59, 57, 54, 51,
    48, 45, 42, 39, 36, 33, 30, 27, 24, 21, 18, 15, 12, 9, 6, 3,
    0, -4, -7, -10, -13, -16, -19, -22, -25, -28, -31, -34, -37, -40, -43, -46,
    -49, -52, -55, -58, -60, -63, -66, -68, -71, -74, -76, -79, -81, -83, -86, -88,
    -90, -92, -95, -97, -99, -101, -103, -104, -106, -108, -109, -111, -113, -114, -115, -117,
    -118, -119, -120, -121, -122, -123, -124, -124, -125, -126, -126, -127, -127, -127, -127, -127,
    -127, -127, -127, -127, -127, -127, -126, -126, -125, -124, -124, -123, -122, -121, -120, -119,
    -118, -117, -115, -114, -113, -111, -109, -108, -106, -104, -103, -101, -99, -97, -95, -92,
    -90, -88, -86, -83, -81, -79, -76, -74, -71, -68, -66, -63, -60, -58, -55, -52,
    -49, -46, -43, -40, -37, -34, -31, -28, -25, -22, -19, -16, -13, -10, -7, -4,
};

uint16_t Peak(const void* samples, int32_t count)
{
    const auto* p = static_cast<const uint8_t*>(samples);
    int32_t peak = 0;
    for (int32_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(Load(p, i)));
    return static_cast<uint16_t>(peak);
}

void Scale(void* samples, int32_t count, int32_t k)
{
    if (k == 32768)
        return;
    auto* p = static_cast<uint8_t*>(samples);
    for (int32_t i = 0; i < count; ++i)
        Store(p, i, static_cast<int32_t>((int64_t{Load(p, i)} * k) >> 15));
}

void NormalizeSamples(void* samples, int32_t count)
{
    const uint16_t peak = Peak(samples, count);
    if (peak > 0)
        Scale(samples, count, 1073709056 / peak);
}

void FlipSign(void* samples, int32_t count)
{
    auto* p = static_cast<uint8_t*>(samples);
    for (int32_t i = 0; i < count; ++i)
        p[2 * i + 1] ^= 0x80;
}

void ToUnsigned8(void* destination, const void* source, int32_t count)
{
    auto* out = static_cast<uint8_t*>(destination);
    const auto* in = static_cast<const uint8_t*>(source);
    for (int32_t i = 0; i < count; ++i)
        out[i] = in[2 * i + 1] ^ 0x80;
}

double Semitones(int32_t a, int32_t b)
{
    if (a <= 0 || b <= 0)
        return 0.0;
    return 12.0 * std::log2(double(a) / double(b));
}

int16_t Cents(int32_t a, int32_t b)
{
    // Far-apart numbers give more cents than 16 bits hold (up to 37200): limit them.
    const double cents = std::trunc(Semitones(a, b) * 100.0);
    return static_cast<int16_t>(std::clamp(cents, -32768.0, 32767.0));
}

void SawTone(void* samples, int32_t count, int32_t a, int32_t b)
{
    auto* p = static_cast<uint8_t*>(samples);
    const uint16_t step = a > 0 ? static_cast<uint16_t>((int64_t{b} * 65536) / a) : 0;
    for (int32_t k = 0; k < count; ++k)
        Store(p, k, static_cast<uint16_t>(uint32_t(k) * step));
}

void LevelTest(void* samples, int32_t frames)
{
    auto* p = static_cast<uint8_t*>(samples);
    for (int32_t frame = 0; frame < frames; ++frame) {
        Store(p, 2 * frame, frame == 0 ? 0 : 32767);
        Store(p, 2 * frame + 1, frame == 0 ? 0 : 16383);
    }
}

void Impulse(void* samples, int32_t count)
{
    auto* p = static_cast<uint8_t*>(samples);
    for (int32_t i = 0; i < count; ++i)
        Store(p, i, 0);
    if (count >= 2)
        Store(p, 1, 32767);
}

void SineTone(void* samples, int32_t frames)
{
    auto* p = static_cast<uint8_t*>(samples);
    for (int32_t frame = 0; frame < frames; ++frame) {
        const int32_t value = kToneTable[gSinePhase / 256] * 256;
        Store(p, 2 * frame, value);
        Store(p, 2 * frame + 1, value);
        gSinePhase = static_cast<uint16_t>(gSinePhase + 400);
    }
}

void ResetSineTone()
{
    gSinePhase = 0;
}
