#pragma once

#include <cstdint>

// The first 16 bytes of a WAVE "fmt " chunk (longer chunks carry more, which is
// not read), little-endian.
struct WaveFormatChunk {
    static constexpr int32_t kSize = 16;
    static constexpr uint16_t kIntegerPCM = 1;
    uint16_t formatTag = kIntegerPCM;
    int16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

WaveFormatChunk ParseWaveFormatChunk(const uint8_t* bytes);
void PackWaveFormatChunk(const WaveFormatChunk& format, uint8_t* bytes);
// Channels 1 to 255 (what a SampleFileInfo can report), a rate from 1 to the
// largest signed 32-bit number, average bytes per second not 0 and bits 8 to 32.
// The format tag does not count here.
bool IsValid(const WaveFormatChunk& format);
