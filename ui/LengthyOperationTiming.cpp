#include "ui/LengthyOperationTiming.h"

CLengthyOperationTiming::CLengthyOperationTiming(uint32_t startTicks)
    : mStart(startTicks), mLastFrame(startTicks)
{
}

CLengthyOperationTiming::ECursor CLengthyOperationTiming::StepCursor(uint32_t now)
{
    if (now - mStart <= kCursorDelay)
        return ECursor::kArrow;
    if (now - mLastFrame >= kFrameInterval) {
        mFrame = static_cast<uint16_t>((mFrame + 1) % kFrameCount);
        mLastFrame = now;
    }
    return ECursor::kBusy;
}

bool CLengthyOperationTiming::TakeCheck(uint32_t now)
{
    if (mChecked && now - mLastCheck <= kCheckInterval)
        return false;
    mChecked = true;
    mLastCheck = now;
    return true;
}

bool CLengthyOperationTiming::IsWindowDue(uint32_t now, bool showAtOnce, bool mayShow) const
{
    return showAtOnce || (mayShow && now - mStart >= kWindowDelay);
}
