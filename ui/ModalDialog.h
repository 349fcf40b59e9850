#pragma once

#include "ui/ABCWindow.h"
#include "ui/WindowBitmapLoader.h"

#include <cstdint>

class CNativePushButtonView;

// A dialog run in a modal loop, its geometry read from a layout resource. While
// it exists the other windows are disabled: each window not yet disabled is
// disabled when a modal dialog is made, and when one is deleted every disabled
// window is enabled again (the counts are 0 or 1, not a nesting depth).
//
// Styles: 0 and 2 a caption; 1 a caption, close box and context-help button.
class CModalDialog : public CABCWindow {
public:
    // XBase for another style or a missing layout; XBadFormat for a malformed one.
    CModalDialog(int32_t style, uint16_t layoutId, CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    ~CModalDialog() override;

    bool IsModeless() const override { return false; }
    // A key press (not a repeat or release): Escape presses the cancel button,
    // Return and keypad Enter the default button. The key then goes to the views.
    void KeyEvent(const CKeyEvent& key) override;

    // The button gets the default style; null for none. The dialog does not own it.
    void SetDefaultButton(CNativePushButtonView* button);
    void SetCancelButton(CNativePushButtonView* button) { mCancelButton = button; }
    CNativePushButtonView* GetDefaultButton() const { return mDefaultButton; }
    CNativePushButtonView* GetCancelButton() const { return mCancelButton; }

    static WindowPort::SWindowStyle StyleFor(int32_t style);

private:
    CNativePushButtonView* mDefaultButton = nullptr;
    CNativePushButtonView* mCancelButton = nullptr;
};

// Runs the application's loop for the window until it has been closed and
// deleted (or the application quits): the menus are disabled and the main
// window leaves the topmost layer meanwhile. XInternalError without an
// application.
void RunModal(const CABCWindow& window);
