#pragma once

#include "media/Media.h"

// A medium over one block of memory of fixed size. Unlike a file it never grows:
// reading, writing or moving outside 0..size is refused (XRead, XWrite, XPosition).
class CMemoryMedia : public CMedia {
public:
    // Allocates `size` bytes of its own (contents undefined).
    explicit CMemoryMedia(int32_t size);
    // Wraps the caller's block without taking it over.
    CMemoryMedia(int32_t size, void* buffer);
    // Copies `source` from its current position: one Read of source.GetSize() bytes.
    explicit CMemoryMedia(CMedia& source);
    ~CMemoryMedia() override;

    CMemoryMedia(const CMemoryMedia&) = delete;
    CMemoryMedia& operator=(const CMemoryMedia&) = delete;

    void Read(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    int32_t GetPosition() override { return mPosition; }
    void SetPosition(int32_t position) override;
    int32_t GetSize() override { return mSize; }

    uint8_t* GetBuffer() { return mData; }
    // The next `count` bytes of the block, for the caller to fill in place of a
    // Write of them; the position moves past them. XWrite when they do not fit.
    uint8_t* ClaimForWriting(int32_t count);

private:
    bool Fits(int32_t count) const;

    int32_t mPosition = 0;
    int32_t mSize = 0;
    uint8_t* mData = nullptr;
    bool mOwns = false;
};
