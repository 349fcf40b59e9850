#pragma once

#include "platform/WindowPort.h"
#include "platform/qt/MessageQueue.h"

#include <QFont>
#include <QPointer>

#include <map>
#include <memory>
#include <utility>

class CPortWindow;
class QApplication;
class QTimer;
class QWidget;

// What the port keeps between calls: the platform's application object and
// every window, control, font and timer it handed out, by handle. Handles are
// never reused, so a stale one finds nothing instead of another object.
class CPortState {
public:
    // The state of the running port; Initialise must have been called.
    static CPortState& Get();
    static bool IsRunning();
    static void Start(int& argc, char** argv);
    static void Stop();

    CMessageQueue& GetQueue() { return mQueue; }
    void Post(const WindowPort::SMessage& message) { mQueue.Post(message); }

    // Windows.
    WindowPort::WindowHandle AddWindow(const WindowPort::SWindowStyle& style, QWidget* owner);
    CPortWindow* FindWindow(WindowPort::WindowHandle window) const;
    void RemoveWindow(WindowPort::WindowHandle window);
    const std::map<WindowPort::WindowHandle, CPortWindow*>& GetWindows() const { return mWindows; }

    // Native controls, each a child widget of a window.
    struct SControl {
        QPointer<QWidget> widget;
        WindowPort::EControlKind kind = WindowPort::EControlKind::kPushButton;
        WindowPort::WindowHandle window = 0;
    };
    WindowPort::ControlHandle AddControl(const SControl& control);
    const SControl* FindControl(WindowPort::ControlHandle control) const;
    void RemoveControl(WindowPort::ControlHandle control);
    void RemoveControlsOf(WindowPort::WindowHandle window);

    // Fonts.
    WindowPort::FontHandle AddFont(const QFont& font);
    const QFont* FindFont(WindowPort::FontHandle font) const;
    // The system font stays for the port's lifetime.
    void RemoveFont(WindowPort::FontHandle font);

    // Timers: for a window the identifier is its handle, for the application the
    // port's own number.
    uint32_t StartTimer(WindowPort::WindowHandle window, uint32_t milliseconds);
    void StopTimer(WindowPort::WindowHandle window, uint32_t timer);
    void StopTimersOf(WindowPort::WindowHandle window);

    WindowPort::WindowProcedure& GetProcedure() { return mProcedure; }
    WindowPort::WindowHandle GetCapture() const { return mCapture; }
    void SetCapture(WindowPort::WindowHandle window) { mCapture = window; }
    // The font of dialogs and controls, made once.
    WindowPort::FontHandle GetSystemFont();
    bool IsBusyCursor() const { return mBusyCursor; }
    void SetBusyCursor(bool busy) { mBusyCursor = busy; }

    CPortState(int& argc, char** argv);
    ~CPortState();
    CPortState(const CPortState&) = delete;
    CPortState& operator=(const CPortState&) = delete;

private:
    void ReleaseAll();

    std::unique_ptr<QApplication> mApplication;
    CMessageQueue mQueue;
    WindowPort::WindowProcedure mProcedure;
    std::map<WindowPort::WindowHandle, CPortWindow*> mWindows;
    std::map<WindowPort::ControlHandle, SControl> mControls;
    std::map<WindowPort::FontHandle, QFont> mFonts;
    std::map<std::pair<WindowPort::WindowHandle, uint32_t>, std::unique_ptr<QTimer>> mTimers;
    WindowPort::WindowHandle mNextWindow = 1;
    WindowPort::ControlHandle mNextControl = 1;
    WindowPort::FontHandle mNextFont = 1;
    uint32_t mNextApplicationTimer = 1;
    WindowPort::WindowHandle mCapture = 0;
    WindowPort::FontHandle mSystemFont = 0;
    bool mBusyCursor = false;
};
