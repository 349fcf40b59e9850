#pragma once

#include "ui/ABCWindow.h"

#include <cstdint>
#include <memory>
#include <string>

class CNativePushButtonView;
class CProgressBar;
class CStaticTextView;

// The small window of a long computation (layout 10000): a text line, a number,
// a progress bar and one button, normally "Stop", which the work polls through
// IsStopRequested. It keeps itself current in its idle pass. Unless asked to
// leave them, the other windows are disabled while it is up.
class CLengthyOperationWindow : public CABCWindow {
public:
    enum class EOtherWindows { kDisable, kLeaveEnabled };

    CLengthyOperationWindow(const std::string& buttonLabel, EOtherWindows others = EOtherWindows::kDisable);
    ~CLengthyOperationWindow() override;

    bool IsModeless() const override { return false; }
    // The work owns the window and ends it; a close request is refused, the
    // button is the way to ask for a stop.
    bool CanClose() override { return false; }
    // A press of the button sets the stop request; the views show text, value
    // ("%ld") and percent x 10 on the bar.
    void HandleControls() override;
    void Idle() override;

    void SetText(const std::string& text) { mText = text; }
    void SetValue(int32_t value) { mValue = value; }
    void SetPercent(uint16_t percent) { mPercent = percent; }
    bool IsStopRequested() const { return mStopRequested; }

    CNativePushButtonView& GetButton() const { return *mButton; }
    CStaticTextView& GetTextView() const { return *mTextView; }
    CStaticTextView& GetValueView() const { return *mValueView; }
    CProgressBar& GetProgressBar() const { return *mProgressBar; }

private:
    SViewRect ItemRect(uint16_t item) const;

    bool mStopRequested = false;
    bool mDisabledOthers = false;
    uint16_t mPercent = 0;
    int32_t mValue = 0;
    std::string mText;
    std::unique_ptr<CNativePushButtonView> mButton;
    std::unique_ptr<CStaticTextView> mTextView;
    std::unique_ptr<CProgressBar> mProgressBar;
    std::unique_ptr<CStaticTextView> mValueView;
};
