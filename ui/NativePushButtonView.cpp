#include "ui/NativePushButtonView.h"

CNativePushButtonView::CNativePushButtonView(CGroupView* parent, const SViewRect& bounds, const std::string& label,
                                             EStyle style)
    : CControlView(parent, bounds)
    , mLabel(label)
{
    SetAcceptsFocus(true);
    CreateNativeControl(WindowPort::EControlKind::kPushButton, label);
    SetDefault(style == EStyle::kDefault);
}

void CNativePushButtonView::FocusGained()
{
    WindowPort::FocusControl(GetNativeControl());
}

void CNativePushButtonView::Press()
{
    // Cleared on the way out even when a window's handler throws.
    struct SPressedFlag {
        bool& flag;
        ~SPressedFlag() { flag = false; }
    } pressed{mPressed};
    mPressed = true;
    NotifyChanged();
}

void CNativePushButtonView::PressWithLook()
{
    // A press that closes the dialog only marks it, so the button is still here
    // afterwards; the idle pass deletes it later.
    WindowPort::SetButtonPressedLook(GetNativeControl(), true);
    Press();
    WindowPort::SetButtonPressedLook(GetNativeControl(), false);
}

void CNativePushButtonView::SetLabel(const std::string& label)
{
    mLabel = label;
    WindowPort::SetControlText(GetNativeControl(), label);
}

void CNativePushButtonView::SetDefault(bool isDefault)
{
    mDefault = isDefault;
    WindowPort::SetDefaultButton(GetNativeControl(), isDefault);
}
