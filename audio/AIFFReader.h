#pragma once

#include "audio/SampleFileInfo.h"
#include "chunks/IFFReader.h"

#include <cstdint>
#include <memory>

class CFileSpec;
class CMedia;
class WAVE_SAMPLE;

// Reads AIFF sample files: a "FORM" group (its form type is not compared) with
// "COMM", "SSND" and optionally "INST" and "MARK". Loading makes a WAVE_SAMPLE of
// 16-bit mono data: one channel picked, or all mixed down.
//
// Failure classes: XBadFormat for a file that is not an AIFF file or is damaged
// (outer id not "FORM", no or invalid "COMM", no "SSND", an unreadable "MARK" or
// missing loop markers); XUnsupportedFormat for a good file the loader cannot
// take (not 16 bits, a channel it does not have); XRead when "SSND" holds fewer
// bytes than the frames it claims, or when the file was cut short (its FORM size
// claims more than it holds) and a chunk looked for is not found before the cut;
// XOutOfMemory for more frames than a sample can
// hold, refused before anything is allocated.
class CAIFFReader : public CIFFReader {
public:
    // `media` is not owned and must outlive the reader.
    explicit CAIFFReader(CMedia& media);
    ~CAIFFReader() override;

    // Fills `info` from "COMM"; the medium's position is restored afterwards.
    static void ReadAIFFInfo(CMedia& media, SampleFileInfo& info);
    // Opens the file, reads its format, closes it.
    static void ReadAIFFInfo(const CFileSpec& file, SampleFileInfo& info);
    // A new sample named `name` from the whole medium, owned by the caller through
    // `sample`, which stays empty when anything fails. `channelChoice` picks a
    // channel (0 is the first); the file's channel count mixes all down.
    static void LoadAIFF(CMedia& media, const char* name, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample);
    // The same from a file, the sample named after the file (name and extension).
    static void LoadAIFF(const CFileSpec& file, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample);

    // Fills the sample's data, its length in frames, from "SSND".
    void ReadSoundData(WAVE_SAMPLE& sample, int32_t channels, uint8_t channelChoice);
    // Sets base note, detune and loop from "INST" and "MARK"; without "INST" the
    // sample keeps its defaults.
    void ReadLoopInfo(WAVE_SAMPLE& sample);

private:
    // Finds "SSND", checks that it holds `frames` frames and leaves the medium at
    // the first one; everything a load can refuse before the sample is made.
    void SeekSoundData(int32_t channels, uint8_t channelChoice, int64_t frames);
};
