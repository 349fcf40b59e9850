#pragma once

#include "chunks/IFFChunkInfo.h"

#include <memory>

class CMedia;

// Reads a nested IFF chunk tree one level at a time. A reader made on a medium
// reads the whole medium; a child reader made from a group descriptor reads that
// group's contents through a window onto the parent's medium.
class CIFFReader2 {
public:
    // `medium` is not owned and must outlive the reader.
    explicit CIFFReader2(CMedia& medium);
    // A child on the data of `chunk`, one of the parent's chunks. When the window
    // cannot be made the child is left without a medium and must not be used.
    CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk);
    virtual ~CIFFReader2();

    CIFFReader2(const CIFFReader2&) = delete;
    CIFFReader2& operator=(const CIFFReader2&) = delete;

    bool GetFirstChunk(CIFFChunkInfo& chunk);
    bool GetNextChunk(CIFFChunkInfo current, CIFFChunkInfo& next);
    bool FindChunk(const char* id, CIFFChunkInfo& chunk);
    bool FindForm(const char* type, CIFFChunkInfo& chunk);
    bool FindCat(const char* type, CIFFChunkInfo& chunk);
    bool FindList(const char* type, CIFFChunkInfo& chunk);
    int32_t CountChunks();

    // Copies the chunk's data from the medium's current position, which is where
    // the find or walk step that returned the chunk left it.
    void ReadChunkData(const CIFFChunkInfo& chunk, void* destination);
    // A window onto the chunk's data; the caller owns it.
    CMedia* OpenChunkMedia(const CIFFChunkInfo& chunk);

    CMedia* GetMedia() const { return mMedia; }
    const CIFFChunkInfo& GetChunk() const { return mChunk; }

    // True when the medium holds exactly one group and nothing after it.
    static bool IsIFFMedia(CMedia& medium);
    // Writes the tree as indented text, one line per chunk.
    static void DumpChunks(CMedia& input, CMedia& output, int32_t indent);

private:
    void ReadHeader(CIFFChunkInfo& chunk);
    bool FindKind(int32_t kind, const char* id, CIFFChunkInfo& chunk);

    CIFFReader2* mParent = nullptr;
    CMedia* mMedia = nullptr;
    std::unique_ptr<CMedia> mOwnedWindow;
    CIFFChunkInfo mChunk;
};
