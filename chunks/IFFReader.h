#pragma once

#include <cstdint>

class CMedia;

// Reads a file that is one outer group holding simple chunks: AIFF ("FORM", sizes
// big-endian) and, switched to little-endian, RIFF files. No chunk list is kept:
// every search walks the group again from offset 0, so chunks can be asked for in
// any order.
//
// The walk trusts no size field: positions are worked out in 64 bits, it stops at
// the group's stated end, and it never reads a chunk header that does not lie
// wholly before that end (the first header, at offset 12, excepted: it is always
// read, so an empty group at the very end of the medium fails with the medium's
// read failure). A walk that would go on past the end of the medium, in a group
// that claims more than the medium holds, fails with XRead without reading there.
class CIFFReader {
public:
    CIFFReader() = default;
    // `media` is not owned and must outlive the reader.
    CIFFReader(CMedia& media, const char* groupID);
    virtual ~CIFFReader();

    CIFFReader(const CIFFReader&) = delete;
    CIFFReader& operator=(const CIFFReader&) = delete;

    void SetMedia(CMedia& media);
    // The id the outer group must have; "FORM" unless set.
    void SetGroupID(const char* groupID);
    // Sizes are read least significant byte first from now on.
    void SetLittleEndian();
    // Chunks of odd size are taken to be followed directly by the next chunk.
    void IgnorePadBytes();

    // True when a chunk with this id lies in the group: the medium then stands at
    // its first data byte and `size` holds its size field. XBadFormat when the
    // outer group is not the expected one or its size is below 4.
    bool FindChunk(const char* id, uint32_t& size);

    // FindChunk, then moves `offset` bytes into the data and reads `count` bytes.
    // The count is not limited to the chunk: callers that must stay inside it
    // compare with `size` (the chunk's size field) first.
    bool ReadChunkData(const char* id, void* destination, int32_t offset, int32_t count, uint32_t& size);
    bool ReadChunkData(const char* id, void* destination, int32_t offset, int32_t count);
    bool ReadChunkData(const char* id, void* destination, int32_t count);

protected:
    // The medium read; XInternalError when none was set.
    CMedia& Media();

private:
    uint32_t GetSize(const uint8_t* field) const;

    bool mSkipPadBytes = true;
    bool mLittleEndian = false;
    char mGroupID[5] = {'F', 'O', 'R', 'M', 0};
    CMedia* mMedia = nullptr; // not owned
};
