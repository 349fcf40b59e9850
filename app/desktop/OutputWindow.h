#pragma once

#include "ui/DocumentWindow.h"

#include <memory>
#include <string>

class CNativeScrollBarView;
class CTerminalView;

// The log window: the pack run's lines in a terminal view beside a native
// scroll bar. It cannot be closed while a pack attempt is under way, and its
// end ends the program.
class COutputWindow : public CDocumentWindow {
public:
    static constexpr uint16_t kLineCapacity = 2000;
    static constexpr int32_t kLineWidth = 261;
    static constexpr int32_t kClientWidth = 360;
    static constexpr int32_t kClientHeight = 400;

    // Opens at once, its client area 360 by 400 pixels, centred on the screen.
    explicit COutputWindow(const std::string& title);
    // Tells the application its log window is gone and asks it to quit.
    ~COutputWindow() override;

    // Moves the terminal view to where the scroll bar asks, then the base's handling.
    void HandleControls() override;
    // Only once the pack attempt is over.
    bool CanClose() override { return mDone; }
    // The scroll bar along the right edge at the platform's width; the terminal view the rest.
    void Layout() override;

    void SetDone() { mDone = true; }
    bool IsDone() const { return mDone; }
    CTerminalView& GetTerminalView() const { return *mTerminalView; }
    CNativeScrollBarView& GetScrollBar() const { return *mScrollBar; }

private:
    std::unique_ptr<CTerminalView> mTerminalView;
    std::unique_ptr<CNativeScrollBarView> mScrollBar;
    bool mDone = false;
};
