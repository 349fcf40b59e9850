#pragma once

#include "media/Media.h"

// A window onto part of another medium. It has no position of its own: its
// position is the inner medium's minus `start`, so windows on one medium share it.
// A length of 0 makes the window open-ended: it runs to the end of the inner
// medium and grows with whatever is written there.
class CPartialMedia : public CMedia {
public:
    // Readers of chunks need windows of exactly their length, also of none.
    enum class EExtent { kOpenEndedWhenZero, kFixed };

    // `inner` is not owned and must outlive the window.
    CPartialMedia(CMedia& inner, int32_t start, int32_t length, EExtent extent = EExtent::kOpenEndedWhenZero);

    void Read(int32_t size, void* buffer) override;
    void Peek(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    int32_t GetPosition() override;
    void SetPosition(int32_t position) override;
    int32_t GetSize() override;
    void WriteByte(uint8_t value) override;
    uint8_t ReadByte() override;
    uint8_t PeekByte() override;
    uint16_t ReadWordAt(int32_t innerPosition) override;
    void Skip(int32_t delta) override;
    void ReadAt(int32_t position, int32_t size, void* buffer) override;
    void WriteAt(int32_t position, int32_t size, const void* buffer) override;

private:
    bool IsOpenEnded() const { return mOpenEnded; }
    // The first inner position past the window; for an open-ended window the inner medium's end.
    int64_t ReadLimit();
    void CheckRead(int32_t size);
    void CheckWrite(int32_t size);
    int32_t InnerPosition(int32_t position) const;

    CMedia& mInner;
    int32_t mStart = 0;
    int32_t mLength = 0;
    bool mOpenEnded = false;
};
