#include "app/desktop/NativeScrollBarView.h"

CNativeScrollBarView::CNativeScrollBarView(CGroupView* parent, const SViewRect& bounds)
    : CControlView(parent, bounds)
{
    CreateNativeControl(WindowPort::EControlKind::kVerticalScrollBar, "");
    WindowPort::SetControlRange(GetNativeControl(), 0, CScrollPositionRule::kThumbMaximum);
    WindowPort::SetControlValue(GetNativeControl(), 0);
}

void CNativeScrollBarView::NativeScroll(WindowPort::EScrollCode code, int32_t position)
{
    mRule.RecordAction(code, position);
    NotifyChanged();
}

void CNativeScrollBarView::Update()
{
    CControlView::Update();
    if (mRule.GetThumb() == mSentThumb)
        return;
    mSentThumb = mRule.GetThumb();
    WindowPort::SetControlValue(GetNativeControl(), mSentThumb);
}

int32_t CNativeScrollBarView::RequestPosition(int32_t position, int32_t step, int32_t page, int32_t range)
{
    return mRule.RequestPosition(position, step, page, range);
}
