#pragma once

#include "media/Media.h"

// A medium that keeps no bytes: it takes every write, grows like a file and
// remembers only its size. For a run that must decide and report everything a
// real write would, without leaving a file behind.
class CDiscardMedia : public CMedia {
public:
    // Nothing was kept to read back: XRead.
    void Read(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    int32_t GetPosition() override { return mPosition; }
    void SetPosition(int32_t position) override;
    int32_t GetSize() override { return mSize; }

private:
    int32_t mPosition = 0;
    int32_t mSize = 0;
};
