#pragma once

#include "ui/LengthyOperationTiming.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CLengthyOperationWindow;

// What a long computation reports its progress to; made on the stack by the
// work. Short work shows nothing but the busy cursor. Work that still runs
// after five seconds (or at once after ShowNow) gets a CLengthyOperationWindow
// with a stop button, which it polls through StopRequested. The default
// constructor's operations never show a window.
class CLengthyOperation {
public:
    // The tick count (1/60 second); the application's clock unless a test gives its own.
    using Clock = std::function<uint32_t()>;
    static constexpr size_t kMaxTextLength = 200;

    explicit CLengthyOperation(Clock clock = {});
    // Texts cut to 200 characters.
    CLengthyOperation(const char* text, const char* buttonLabel, Clock clock = {});
    // Texts from the string scripts; a label identifier of -1 gives an empty label.
    CLengthyOperation(uint32_t textId, int32_t buttonLabelId, Clock clock = {});
    // The arrow cursor comes back and the window goes.
    ~CLengthyOperation();
    CLengthyOperation(const CLengthyOperation&) = delete;
    CLengthyOperation& operator=(const CLengthyOperation&) = delete;

    // Stores value and percent, turns the busy cursor, and at most every 12
    // ticks opens the window when it is due, or brings the open one up to date
    // and keeps every window alive by dispatching waiting messages.
    void SetProgress(int32_t value, uint16_t percent);
    // Stores them and refreshes an open window, without the timing.
    void SetValues(int32_t value, uint16_t percent);
    void SetText(const char* text);
    void SetText(uint32_t textId);
    // The window opens at the next check, whatever the delay.
    void ShowNow() { mShowAtOnce = true; }
    // False while no window is up.
    bool StopRequested() const;

    const std::string& GetText() const { return mText; }
    int32_t GetValue() const { return mValue; }
    uint16_t GetPercent() const { return mPercent; }
    uint16_t GetCursorFrame() const { return mTiming.GetCursorFrame(); }
    CLengthyOperationWindow* GetWindow() const { return mWindow.get(); }

private:
    void OpenWindow();
    void RefreshWindow();

    Clock mClock;
    CLengthyOperationTiming mTiming;
    uint16_t mPercent = 0;
    int32_t mValue = 0;
    std::string mText;
    std::string mButtonLabel;
    bool mShowAtOnce = false;
    bool mMayShow = false;
    // Owned here, not by the window list's idle pass: it goes when the work ends.
    std::unique_ptr<CLengthyOperationWindow> mWindow;
};
