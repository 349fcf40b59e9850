#include "audio/WaveFormat.h"

#include "media/ByteOrder.h"

WaveFormatChunk ParseWaveFormatChunk(const uint8_t* bytes)
{
    WaveFormatChunk format;
    format.formatTag = GetLE16(bytes);
    format.channels = static_cast<int16_t>(GetLE16(bytes + 2));
    format.samplesPerSecond = GetLE32(bytes + 4);
    format.averageBytesPerSecond = GetLE32(bytes + 8);
    format.blockAlign = GetLE16(bytes + 12);
    format.bitsPerSample = GetLE16(bytes + 14);
    return format;
}

void PackWaveFormatChunk(const WaveFormatChunk& format, uint8_t* bytes)
{
    SetLE16(bytes, format.formatTag);
    SetLE16(bytes + 2, static_cast<uint16_t>(format.channels));
    SetLE32(bytes + 4, format.samplesPerSecond);
    SetLE32(bytes + 8, format.averageBytesPerSecond);
    SetLE16(bytes + 12, format.blockAlign);
    SetLE16(bytes + 14, format.bitsPerSample);
}

bool IsValid(const WaveFormatChunk& format)
{
    return format.channels >= 1 && format.channels <= 255 && format.samplesPerSecond != 0 &&
           format.samplesPerSecond <= uint32_t{INT32_MAX} && format.averageBytesPerSecond != 0 &&
           format.bitsPerSample >= 8 && format.bitsPerSample <= 32;
}
