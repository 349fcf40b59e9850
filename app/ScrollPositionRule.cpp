#include "app/ScrollPositionRule.h"

#include <algorithm>

using WindowPort::EScrollCode;

void CScrollPositionRule::RecordAction(EScrollCode code, int32_t platformThumb)
{
    switch (code) {
    case EScrollCode::kEndScroll:
        return;
    case EScrollCode::kTop:
        mPendingAction = SAction{code, 0};
        return;
    case EScrollCode::kBottom:
        mPendingAction = SAction{code, kThumbMaximum};
        return;
    default:
        mPendingAction = SAction{code, platformThumb};
        return;
    }
}

int64_t CScrollPositionRule::Apply(const SAction& action, int64_t position, int32_t step, int32_t page, int32_t range)
{
    switch (action.code) {
    case EScrollCode::kLineUp:
        return position - step;
    case EScrollCode::kLineDown:
        return position + step;
    case EScrollCode::kPageUp:
        return position - page;
    case EScrollCode::kPageDown:
        return position + page;
    case EScrollCode::kThumbPosition:
    case EScrollCode::kThumbTrack:
    case EScrollCode::kTop:
    case EScrollCode::kBottom:
        return int64_t(range) * action.thumb / kThumbScale;
    case EScrollCode::kEndScroll:
        break;
    }
    return position;
}

int32_t CScrollPositionRule::RequestPosition(int32_t position, int32_t step, int32_t page, int32_t range)
{
    const int32_t upper = std::max(range, 0);
    if (mPendingAction) {
        const SAction action = *mPendingAction;
        mPendingAction.reset();
        const int32_t result = int32_t(std::clamp<int64_t>(Apply(action, position, step, page, range), 0, upper));
        if (result != position)
            mThumb = ThumbFor(result, range);
        return result;
    }
    // Without an action the thumb follows the position the window shows, which
    // moves by itself as lines arrive.
    const int32_t result = std::clamp(position, 0, upper);
    if (result != mThumb)
        mThumb = ThumbFor(result, range);
    return result;
}

int32_t CScrollPositionRule::ThumbFor(int32_t position, int32_t range)
{
    if (range <= 0)
        return 0;
    return int32_t(std::clamp<int64_t>(int64_t(position) * kThumbScale / range, 0, kThumbMaximum));
}
