#pragma once

#include <cstdint>

// The format of a sample file as the AIFF and WAVE readers report it.
struct SampleFileInfo {
    uint8_t channels = 0;     // channel count (1 .. 255; the readers refuse others)
    uint8_t bits = 0;         // bits per sample
    uint32_t sampleRate = 0;  // whole hertz, any fraction dropped
    uint32_t frames = 0;      // sample frames
    uint8_t spare8[2] = {0, 0};
    uint32_t spare32[2] = {0, 0};
    bool plain = false;       // 16-bit integer samples, the only kind the loaders take
};
