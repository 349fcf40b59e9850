#pragma once

#include "ui/ControlView.h"

#include <string>

// A view around the platform's native push button. A click (or a key that
// presses it for its dialog) sets the pressed flag only while every window
// handles and updates its controls, so a window's HandleControls reads the
// press exactly once. Return and Escape typed on the button go to the dialog
// window, whose keys press its default and cancel buttons.
class CNativePushButtonView : public CControlView {
public:
    enum class EStyle { kNormal, kDefault };

    CNativePushButtonView(CGroupView* parent, const SViewRect& bounds, const std::string& label,
                          EStyle style = EStyle::kNormal);

    // The native click.
    void NativeCommand() override { Press(); }
    // The button's focus is the native control's.
    void FocusGained() override;

    // Sets the pressed flag, runs UpdateAllWindows, clears the flag.
    void Press();
    // Press with the pressed look shown meanwhile, as a key press shows it.
    void PressWithLook();
    bool IsPressed() const { return mPressed; }

    void SetLabel(const std::string& label);
    const std::string& GetLabel() const { return mLabel; }
    void SetDefault(bool isDefault);
    bool IsDefault() const { return mDefault; }

private:
    std::string mLabel;
    bool mDefault = false;
    bool mPressed = false;
};
