#include "ui/ProgressBar.h"

CProgressBar::CProgressBar(CGroupView* parent, const SViewRect& bounds) : CControlView(parent, bounds)
{
    CreateNativeControl(WindowPort::EControlKind::kProgressBar, "");
    WindowPort::SetControlRange(GetNativeControl(), 0, kMaximum);
    WindowPort::SetControlValue(GetNativeControl(), mSentValue);
}

void CProgressBar::Update()
{
    if (mValue != mSentValue || EnabledChangedSinceDrawn()) {
        WindowPort::SetControlValue(GetNativeControl(), mValue);
        mSentValue = mValue;
    }
    CControlView::Update();
}
