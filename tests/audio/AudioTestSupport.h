#pragma once

#include "audio/SampleFileInfo.h"
#include "media/ByteOrder.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

class BAT;
class CFileSpec;
class WAVE_SAMPLE;

// Chunk bytes built by hand, so the readers are tried on files our writers would
// never make.
class CBytes {
public:
    explicit CBytes(bool littleEndian = false)
        : mLittle(littleEndian)
    {
    }
    CBytes& Text(const char* text) { return Raw(std::vector<uint8_t>(text, text + std::strlen(text))); }
    CBytes& U8(uint8_t value) { return Fill(1, value); }
    CBytes& U16(uint16_t value) { return Number(value, 2); }
    CBytes& U32(uint32_t value) { return Number(value, 4); }
    CBytes& Rate(double hertz); // the 80-bit number of an AIFF "COMM"
    CBytes& Raw(const std::vector<uint8_t>& bytes);
    CBytes& Fill(size_t count, uint8_t value);
    // Starts a chunk with a size to be patched by EndChunk.
    CBytes& BeginChunk(const char* id);
    CBytes& EndChunk(bool pad = true);
    // Patches the outer group size to cover everything after the first 8 bytes.
    CBytes& CloseGroup();
    std::vector<uint8_t>& Get() { return mBytes; }

private:
    CBytes& Number(uint32_t value, size_t width);
    void Patch(size_t at, uint32_t value);

    bool mLittle;
    size_t mChunkStart = 0;
    std::vector<uint8_t> mBytes;
};

// A memory medium over a copy of the bytes.
class CBytesMedia : public CMemoryMedia {
public:
    explicit CBytesMedia(std::vector<uint8_t> bytes)
        : CMemoryMedia(static_cast<int32_t>(bytes.size()), bytes.data())
        , mBytes(std::move(bytes))
    {
    }

private:
    std::vector<uint8_t> mBytes; // the block the base class looks into; moving keeps its address
};

// A zero-filled memory medium that records the size of every read and fails the
// write after `writesBeforeFailure` successful ones.
class CRecordingMedia : public CMemoryMedia {
public:
    explicit CRecordingMedia(int32_t size, int writesBeforeFailure = -1);
    void Read(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    std::vector<int32_t> mReads;

private:
    int mWritesLeft;
};

// The whole file's bytes; empty when it cannot be read.
std::vector<uint8_t> FileBytes(const std::string& path);
// The bytes written so far (up to the current position).
std::vector<uint8_t> Written(CMemoryMedia& media);
// 16-bit values as bytes, big- or little-endian.
std::vector<uint8_t> Words(const std::vector<int16_t>& values, bool littleEndian);
// The first `count` 16-bit samples of a buffer; all of a sample's.
std::vector<int16_t> Samples(const BAT& buffer, int32_t count);
std::vector<int16_t> Samples(const WAVE_SAMPLE& sample);
// "10..20 on": the sample's loop.
std::string LoopOf(const WAVE_SAMPLE& sample);
// "44100 Hz, 4 frames, loop 0..4 off, note 60 detune 0" ("no instrument" without instrument data).
std::string Describe(const WAVE_SAMPLE& sample);
// "2 channels, 16 bits, 22050 Hz, 3 frames, plain" (or "not plain").
std::string Describe(const SampleFileInfo& info);

// The class of the XBase failure a call ends in; typeid(void) when it succeeds.
template <typename Call>
std::type_index Thrown(Call call)
{
    try {
        call();
    } catch (const XBase& failure) {
        return typeid(failure);
    }
    return typeid(void);
}
inline const std::type_index kNone = typeid(void);
inline const std::type_index kBad = typeid(XBadFormat);
inline const std::type_index kUnsupported = typeid(XUnsupportedFormat);
inline const std::type_index kRead = typeid(XRead);
inline const std::type_index kMemory = typeid(XOutOfMemory);

// The AIFF and WAVE readers and writers share their shape, so their tests share these.
using InfoReader = void (*)(CMedia&, SampleFileInfo&);
using SampleLoader = void (*)(CMedia&, const char*, uint8_t, std::unique_ptr<WAVE_SAMPLE>&);
using FileInfoReader = void (*)(const CFileSpec&, SampleFileInfo&);
using FileLoader = void (*)(const CFileSpec&, uint8_t, std::unique_ptr<WAVE_SAMPLE>&);
using FileSaver = void (*)(const CFileSpec&, const char*, const WAVE_SAMPLE&);

SampleFileInfo Info(InfoReader read, std::vector<uint8_t> bytes);
// The sample loaded as "Test" with the channel choice; a load that fails or makes none throws.
std::unique_ptr<WAVE_SAMPLE> Load(SampleLoader load, std::vector<uint8_t> bytes, uint8_t choice = 0);

// A file (its group is closed before use), and what reading its format, then loading it, throw.
struct ReaderCase {
    const char* what;
    CBytes file;
    std::type_index info;
    std::type_index load;
    uint8_t choice = 0;
};
// Checks every case, and that a failed load leaves the caller's pointer empty.
void ExpectFailures(InfoReader read, SampleLoader load, const std::vector<ReaderCase>& cases);

// Saves the frames 1, -2, 0x1234 at 44100 Hz, loop 1 to 3, as the file `name` and
// returns its bytes, after checking that the readers take it back by its name. A
// save that fails at a file size limit must leave no file behind; a save into a
// missing folder and a read of a missing file fail to create or open.
std::vector<uint8_t> SaveThroughFiles(FileSaver save, FileInfoReader read, FileLoader load, const char* name);
