#pragma once

#include "ui/View.h"

#include <string>

// The base of the framework's controls. A control may wrap one native control of
// the platform, a real child control at the view's bounds; the control view then
// moves, enables and destroys it with itself and receives its notifications.
class CControlView : public CView {
public:
    explicit CControlView(CGroupView* parent, const SViewRect& bounds = {});
    ~CControlView() override;

    // Brings the native control's enabled state up to date when it changed.
    void Update() override;
    void SetBounds(const SViewRect& bounds) override;

    // A push button of the native control was clicked.
    virtual void NativeCommand() {}
    // A scroll bar of the native control moved.
    virtual void NativeScroll(WindowPort::EScrollCode /*code*/, int32_t /*position*/) {}

    // The value or state changed: every window handles, then updates its controls.
    void NotifyChanged();

    WindowPort::ControlHandle GetNativeControl() const { return mNative; }
    // The control view that wraps a native control, or null.
    static CControlView* FromNativeControl(WindowPort::ControlHandle control);

protected:
    // Creates the native control at the bounds in the view's window. XBase when
    // the view has no window or the platform makes no control.
    void CreateNativeControl(WindowPort::EControlKind kind, const std::string& text);

private:
    WindowPort::ControlHandle mNative = 0;
};
