#pragma once

#include "chunks/IFFWriter.h"

#include <cstdint>

class BAT;
class CFileSpec;
class CMedia;
class WAVE_SAMPLE;
struct AIFFCommonChunk;
struct AIFFSoundDataHeader;

// Writes AIFF sample files: "FORM" of type "AIFF" with "COMM" (1 channel, 16 bits),
// "SSND" (big-endian frames), "INST" (base note, detune, sustain loop markers 1
// and 2 with play mode 0), "MARK" (the two loop markers) and optionally "APPL".
class CAIFFWriter : public CIFFWriter {
public:
    CAIFFWriter() = default;
    // `media` is not owned and must outlive the writer.
    explicit CAIFFWriter(CMedia& media);
    ~CAIFFWriter() override;

    // Creates (or replaces) the file with the type "AIFF" and writes the sample
    // into it, without "APPL". The creator code is not stored on this platform.
    // When anything fails the partly written file is deleted and the failure
    // passed on.
    static void SaveAIFF(const CFileSpec& file, const char* creator, const WAVE_SAMPLE& sample);
    // The same with the given file type, and an "APPL" chunk when `data` is given.
    static void SaveAIFF(const CFileSpec& file, const char* fileType, const char* creator, const WAVE_SAMPLE& sample,
                         const char* signature, const void* data, int32_t size);
    // Writes the whole file at the medium's current position; an "APPL" chunk with
    // `signature` follows when `data` is given. The sample is not changed.
    static void SaveAIFF(CMedia& media, const WAVE_SAMPLE& sample, const char* signature = nullptr,
                         const void* data = nullptr, int32_t size = 0);
    // The number of bytes SaveAIFF writes for the sample without "APPL": what a
    // memory medium must hold to take the whole file.
    static int64_t GetSavedSize(const WAVE_SAMPLE& sample);

    void WriteCOMM(const WAVE_SAMPLE& sample);
    void WriteCOMM(const AIFFCommonChunk& common);
    // Offset and block size 0, then the sample's length in frames, big-endian.
    void WriteSSND(const WAVE_SAMPLE& sample);
    // Offset and block size 0, then the whole buffer, big-endian.
    void WriteSSND(const BAT& data);
    // `bigEndianData` is 16-bit and already in file order; frames * 2 bytes.
    void WriteSSND(const AIFFSoundDataHeader& header, const void* bigEndianData, int32_t frames);
    // Opens "SSND" and writes its header; the caller writes the frames and closes the chunk.
    void BeginSSND(const AIFFSoundDataHeader& header);
    // The sample's base note and detune when it has instrument data, else 60 and 0.
    void WriteINST(const WAVE_SAMPLE& sample);
    void WriteINST(int8_t baseNote, int8_t detune);
    // Marker 1 "Loop start" and marker 2 "Loop end".
    void WriteMARK(const WAVE_SAMPLE& sample);
    void WriteMARK(int32_t loopStart, int32_t loopEnd);
    void WriteAPPL(const char* signature, const void* data, int32_t size);

private:
    // Copies `count` bytes of `data` to the medium with the bytes of each word
    // swapped, so the sample itself is never touched: straight from the pages into
    // a memory medium's block, or through a piece buffer into any other medium.
    void WriteSwapped(const BAT& data, uint32_t count);
};
