#pragma once

#include "audio/RIFF_WRITER.h"

#include <cstdint>

class BAT;
class CFileSpec;
class CMedia;
class WAVE_SAMPLE;

// Writes WAVE sample files: "RIFF" of type "WAVE" with a 16-byte "fmt " (integer
// PCM) and "data" (16-bit little-endian frames, as a sample stores them).
class CWaveWriter : public RIFF_WRITER {
public:
    // The medium is set when the file is opened (SetMedia).
    CWaveWriter();
    ~CWaveWriter() override;

    // Creates (or replaces) the file with the type "WAVE" and writes the sample
    // into it. The creator code is not stored on this platform. When anything
    // fails the partly written file is deleted and the failure passed on.
    static void SaveWave(const CFileSpec& file, const char* creator, const WAVE_SAMPLE& sample);
    // Writes the whole mono 16-bit file at the medium's current position.
    static void SaveWave(CMedia& media, const WAVE_SAMPLE& sample);

    void WriteFmt(int32_t channels, int32_t bits, uint32_t samplesPerSecond);
    // The whole buffer, as stored.
    void WriteData(const BAT& data);
    // The sample's length in frames.
    void WriteData(const WAVE_SAMPLE& sample);
    // Opens "data"; the caller writes the frames and closes the chunk.
    void BeginData();
};
