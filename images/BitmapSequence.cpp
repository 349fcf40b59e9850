#include "images/BitmapSequence.h"

#include "images/Bitmap.h"
#include "media/XBase.h"

#include <cstdint>

namespace {

SBitmapRect MakeRect(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const int32_t right = left + width;
    const int32_t bottom = top + height;
    if (width <= 0 || height <= 0 || left < INT16_MIN || top < INT16_MIN || right > INT16_MAX || bottom > INT16_MAX)
        return {};
    return {int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)};
}

} // namespace

CABCBitmapSequence::CABCBitmapSequence(CBitmap* bitmap, int16_t count)
    : mCount(count)
    , mBitmap(bitmap)
{
    // Frames are worked out by dividing by the count.
    if (bitmap == nullptr || count < 1)
        throw XBase();
}

SBitmapRect CABCBitmapSequence::GetFrameRect(int16_t) const
{
    return {};
}

CBitmapSequence::CBitmapSequence(CBitmap* bitmap, int16_t count)
    : CABCBitmapSequence(bitmap, count)
{
}

SBitmapRect CBitmapSequence::GetFrameRect(int16_t index) const
{
    if (!HasFrame(index))
        return {};
    const SBitmapSize size = mBitmap->GetSize();
    const int32_t frameHeight = (int32_t{size.height} + 1) / mCount - 1;
    return MakeRect(0, int32_t{index} * (frameHeight + 1), size.width, frameHeight);
}

CFilmStrip::CFilmStrip(CBitmap* bitmap, int16_t count, int16_t left, int16_t top, int16_t frameWidth,
                       int16_t frameHeight)
    : CABCBitmapSequence(bitmap, count)
    , mLeft(left)
    , mTop(top)
    , mFrameWidth(frameWidth)
    , mFrameHeight(frameHeight)
{
}

SBitmapRect CFilmStrip::GetFrameRect(int16_t index) const
{
    if (!HasFrame(index))
        return {};
    return MakeRect(mLeft, int32_t{mTop} + int32_t{index} * (int32_t{mFrameHeight} + 16), mFrameWidth, mFrameHeight);
}
