#pragma once

#include <cstdint>

class CBitmap;

// A rectangle inside a bitmap: right and bottom lie just outside it.
struct SBitmapRect {
    int16_t left = 0;
    int16_t top = 0;
    int16_t right = 0;
    int16_t bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const SBitmapRect&) const = default;
};

// One bitmap cut into numbered frames. The sequence does not own the bitmap.
class CABCBitmapSequence {
public:
    // A count below 1 has no frames to cut: XBase.
    CABCBitmapSequence(CBitmap* bitmap, int16_t count);
    virtual ~CABCBitmapSequence() = default;
    // The frame's rectangle; the base has no frames and answers an empty rectangle.
    virtual SBitmapRect GetFrameRect(int16_t index) const;

    int16_t GetFrameCount() const { return mCount; }
    CBitmap* GetBitmap() const { return mBitmap; }

protected:
    bool HasFrame(int16_t index) const { return index >= 0 && index < mCount; }

    int16_t mCount = 0;
    CBitmap* mBitmap = nullptr;
};

// Frames one below the other over the bitmap's full width, one-pixel lines between
// them: frame height = (bitmap height + 1) / count - 1. An index outside the
// sequence answers an empty rectangle.
class CBitmapSequence : public CABCBitmapSequence {
public:
    CBitmapSequence(CBitmap* bitmap, int16_t count);
    SBitmapRect GetFrameRect(int16_t index) const override;
};

// Frames of a fixed size in one column at (left, top), 16 pixels apart. An index
// outside the strip, or a frame beyond 16-bit coordinates, answers an empty rectangle.
class CFilmStrip : public CABCBitmapSequence {
public:
    CFilmStrip(CBitmap* bitmap, int16_t count, int16_t left, int16_t top, int16_t frameWidth, int16_t frameHeight);
    SBitmapRect GetFrameRect(int16_t index) const override;

private:
    int16_t mLeft = 0;
    int16_t mTop = 0;
    int16_t mFrameWidth = 0;
    int16_t mFrameHeight = 0;
};
