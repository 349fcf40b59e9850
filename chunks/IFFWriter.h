#pragma once

#include <cstdint>

class CMedia;

// Writes a file that is one outer group holding simple chunks only: the shape of
// AIFF and WAVE sample files. The framing is the usual one (4-byte id, 32-bit size,
// data, a zero pad byte after odd data); sizes are big-endian unless the writer is
// switched to little-endian for RIFF.
//
// No chunk descriptors are kept: the writer remembers where the open group and the
// open chunk begin, writes a placeholder size and patches it when they are closed.
// One group and one chunk can be open at a time; the group is closed last.
class CIFFWriter {
public:
    // Marks "nothing open" and is the placeholder written into open size fields,
    // so a file abandoned half-way shows which sizes were never patched.
    static constexpr uint32_t kOpenSizeMarker = 0xADDE1AB0u;

    CIFFWriter() = default;
    // `media` is not owned and must outlive the writer.
    explicit CIFFWriter(CMedia& media);
    virtual ~CIFFWriter();

    CIFFWriter(const CIFFWriter&) = delete;
    CIFFWriter& operator=(const CIFFWriter&) = delete;

    void SetMedia(CMedia& media);
    // Sizes are written least significant byte first from now on.
    void SetLittleEndian();
    bool IsLittleEndian() const { return mLittleEndian; }

    // Writes at the medium's current position.
    void WriteBytes(int32_t count, const void* source);

    void OpenGroup(const char* groupID, const char* type);
    void CloseGroup();
    void OpenChunk(const char* id);
    void CloseChunk();
    void WriteChunk(const char* id, const void* source, int32_t count);

    bool IsGroupOpen() const { return mGroupStart != kNotOpen; }
    bool IsChunkOpen() const { return mChunkStart != kNotOpen; }

protected:
    // The medium written to; XInternalError when none was set.
    CMedia& Media();

private:
    static constexpr int32_t kNotOpen = static_cast<int32_t>(kOpenSizeMarker);

    void PutSize(uint8_t* field, uint32_t size) const;
    void Close(int32_t start);

    bool mLittleEndian = false;
    int32_t mGroupStart = kNotOpen;
    int32_t mChunkStart = kNotOpen;
    CMedia* mMedia = nullptr; // not owned
};

// Copies a four-character code into 4 bytes. A text shorter than four characters
// is filled up with blanks, never read past its terminator.
void PackChunkID(void* destination, const char* id);
