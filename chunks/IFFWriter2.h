#pragma once

#include "chunks/IFFChunkInfo.h"

#include <memory>

class CMedia;

// Writes a nested IFF chunk tree. Sizes are written as 0 when a chunk begins and
// patched when it ends; a child writer writes a group's contents through a window
// that shares the parent's position, so the parent's EndChunk measures them.
class CIFFWriter2 {
public:
    // Writes at the medium's current position; `medium` is not owned.
    explicit CIFFWriter2(CMedia& medium);
    // A child writing into `chunk`, begun on `parent`. When the window cannot be
    // made the child is left without a medium and must not be used.
    CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk);
    virtual ~CIFFWriter2();

    CIFFWriter2(const CIFFWriter2&) = delete;
    CIFFWriter2& operator=(const CIFFWriter2&) = delete;

    CIFFChunkInfo& BeginForm(CIFFChunkInfo& chunk, const char* type);
    CIFFChunkInfo& BeginCat(CIFFChunkInfo& chunk, const char* type);
    CIFFChunkInfo& BeginList(CIFFChunkInfo& chunk, const char* type);
    CIFFChunkInfo& BeginChunk(CIFFChunkInfo& chunk, const char* id);
    // Patches the size of a chunk begun on this writer, then adds the pad byte.
    void EndChunk(const CIFFChunkInfo& chunk);
    void WriteChunk(const char* id, int32_t count, const void* source);
    // An open-ended window onto the chunk's data; the caller owns it.
    CMedia* OpenChunkMedia(const CIFFChunkInfo& chunk);

    CMedia* GetMedia() const { return mMedia; }

private:
    CIFFChunkInfo& BeginGroup(CIFFChunkInfo& chunk, int32_t kind, const char* groupID, const char* type);

    CIFFWriter2* mParent = nullptr;
    CMedia* mMedia = nullptr;
    std::unique_ptr<CMedia> mOwnedWindow;
    CIFFChunkInfo mChunk;
};
