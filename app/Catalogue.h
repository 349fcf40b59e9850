#pragma once

#include <cstdint>

// The names a mod can fill: what the synthesizer knows to replace. Lookups
// compare whole names, ignoring the case of ASCII letters, from the first row
// on; the row of a sample name is its sample slot in either format.

constexpr int32_t kSkinImageCount = 59;
constexpr int32_t kSampleCount = 46;
constexpr int32_t kSplashImageRow = 58;
constexpr int32_t kStartupSampleRow = 45;

struct SImageSize {
    int32_t width;
    int32_t height;
};

extern const char* const SkinImageNames[kSkinImageCount];
extern const SImageSize SkinImageSizes[kSkinImageCount];
extern const char* const AiffSampleNames[kSampleCount];
extern const char* const WaveSampleNames[kSampleCount];

// True and the row of the first matching name; `row` is left alone otherwise.
bool FindSkinImage(const char* fileName, int32_t& row);
bool FindAiffSample(const char* fileName, int32_t& row);
bool FindWaveSample(const char* fileName, int32_t& row);

// The catalogue's comparison, for the other names the pack run knows.
bool EqualsIgnoringCase(const char* a, const char* b);
