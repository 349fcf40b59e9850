#pragma once

#include "audio/RIFF_READER.h"
#include "audio/SampleFileInfo.h"

#include <cstdint>
#include <memory>

class CFileSpec;
class CMedia;
class WAVE_SAMPLE;

// Reads WAVE sample files: a "RIFF" group (its form type is not compared) with
// "fmt " and "data". Loading makes a WAVE_SAMPLE of 16-bit mono data; WAVE files
// carry no loop or instrument data here, so the sample keeps its defaults.
//
// Failure classes: XBadFormat for a file that is not a WAVE file or is damaged
// (outer id not "RIFF", no "fmt " or no "data", a "fmt " shorter than 16 bytes);
// XUnsupportedFormat for an invalid "fmt " and, when loading, for anything but
// 16-bit integer PCM or a channel the file does not have; XRead when "data" holds
// fewer bytes than the frames it claims; XOutOfMemory for more frames than a
// sample can hold, refused before anything is allocated.
class CWaveReader : public RIFF_READER {
public:
    // `media` is not owned and must outlive the reader.
    explicit CWaveReader(CMedia& media);
    ~CWaveReader() override;

    // Fills `info` from "fmt " and "data"; the medium's position is restored afterwards.
    static void ReadWaveInfo(CMedia& media, SampleFileInfo& info);
    // Opens the file, reads its format, closes it.
    static void ReadWaveInfo(const CFileSpec& file, SampleFileInfo& info);
    // A new sample named `name` from the whole medium, owned by the caller through
    // `sample`, which stays empty when anything fails. `channelChoice` picks a
    // channel (0 is the first); the file's channel count mixes all down.
    static void LoadWave(CMedia& media, const char* name, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample);
    // The same from a file, the sample named after the file (name and extension).
    static void LoadWave(const CFileSpec& file, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample);

    // Fills the sample's data, its length in frames, from "data" (little-endian, not swapped).
    void ReadSoundData(WAVE_SAMPLE& sample, int32_t channels, uint8_t channelChoice);

private:
    void SeekSoundData(int32_t channels, uint8_t channelChoice, int64_t frames);
};
