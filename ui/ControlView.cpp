#include "ui/ControlView.h"

#include "media/XBase.h"
#include "ui/ABCWindow.h"
#include "ui/Application.h"

#include <map>

namespace {

// Native controls report to the window procedure by their handle.
std::map<WindowPort::ControlHandle, CControlView*>& NativeControls()
{
    static std::map<WindowPort::ControlHandle, CControlView*> controls;
    return controls;
}

} // namespace

CControlView::CControlView(CGroupView* parent, const SViewRect& bounds)
    : CView(parent, bounds)
{
}

CControlView::~CControlView()
{
    if (mNative != 0) {
        NativeControls().erase(mNative);
        WindowPort::DestroyControl(mNative);
    }
}

void CControlView::Update()
{
    if (!EnabledChangedSinceDrawn())
        return;
    if (mNative != 0)
        WindowPort::EnableControl(mNative, IsEnabled());
    SetDrawnEnabled();
}

void CControlView::SetBounds(const SViewRect& bounds)
{
    CView::SetBounds(bounds);
    if (mNative != 0)
        WindowPort::SetControlRect(mNative, bounds.ToPort());
}

void CControlView::NotifyChanged()
{
    if (CApplication* application = GetApplication())
        application->UpdateAllWindows();
}

CControlView* CControlView::FromNativeControl(WindowPort::ControlHandle control)
{
    const auto found = NativeControls().find(control);
    return found != NativeControls().end() ? found->second : nullptr;
}

void CControlView::CreateNativeControl(WindowPort::EControlKind kind, const std::string& text)
{
    const CABCWindow* window = GetWindow();
    if (window == nullptr)
        throw XBase();
    const WindowPort::ControlHandle control =
        WindowPort::CreateControl(window->GetHandle(), kind, GetBounds().ToPort(), text);
    if (control == 0)
        throw XBase();
    if (mNative != 0) {
        NativeControls().erase(mNative);
        WindowPort::DestroyControl(mNative);
    }
    mNative = control;
    NativeControls()[control] = this;
    WindowPort::EnableControl(control, IsEnabled());
    SetDrawnEnabled();
}
