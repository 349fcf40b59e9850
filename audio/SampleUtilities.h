#pragma once

#include <cstdint>

// Small tools on arrays of 16-bit samples. The samples are words stored least
// significant byte first, as in a BAT page or a WAVE file; every function reads
// and writes them byte by byte, so any memory will do.

// The largest absolute sample value (32768 for -32768).
uint16_t Peak(const void* samples, int32_t count);
// Each sample s becomes (s * k) >> 15, cut to 16 bits; k = 32768 changes nothing
// and is skipped.
void Scale(void* samples, int32_t count, int32_t k);
// Scale with 32767 * 32768 / Peak, when the peak is above 0.
void NormalizeSamples(void* samples, int32_t count);
// Toggles bit 15 of each word: between signed and offset 16-bit samples.
void FlipSign(void* samples, int32_t count);
// For each 16-bit sample, its high byte with bit 7 toggled (8-bit offset form,
// 128 = silence).
void ToUnsigned8(void* destination, const void* source, int32_t count);

// 12 * log2(a / b) for two positive whole numbers; 0 when either is not positive.
double Semitones(int32_t a, int32_t b);
// Semitones * 100, truncated toward zero and limited to the signed 16-bit range.
int16_t Cents(int32_t a, int32_t b);

// Test signals.
// Sample k = k * step as a wrapping 16-bit value, step = (b * 65536) / a cut to 16
// bits: a ramp that wraps every a / b samples. Silence when a is not positive.
void SawTone(void* samples, int32_t count, int32_t a, int32_t b);
// Stereo: the first frame (0, 0), every further frame (32767, 16383).
void LevelTest(void* samples, int32_t frames);
// All samples 0, then sample 1 set to 32767 when there is one.
void Impulse(void* samples, int32_t count);
// Stereo test tone: both channels of each frame get table[phase / 256] * 256, then
// the phase grows by 400 (16 bits, wrapping). The phase is kept between calls.
void SineTone(void* samples, int32_t frames);
// Starts the test tone again at phase 0.
void ResetSineTone();

// One full period of a sine in 256 signed 8-bit steps: floor(127 * sin(2 pi i / 256)).
extern const int8_t kToneTable[256];
