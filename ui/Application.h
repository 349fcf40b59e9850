#pragma once

#include "images/ScreenClient.h"
#include "platform/WindowPort.h"
#include "ui/KeyEvent.h"
#include "ui/LowLevelApplication.h"

#include <cstdint>
#include <memory>
#include <string>

class CABCMenuBar;
class CABCWindow;
class CDirSpec;
class CFileSpec;
struct CMenuItem;
class CScreen;
class CUnknownFileType;

// The root of the framework: the event loop with its idle timers, the command
// line and dropped files, the routing of keyboard, mouse, menu and timer events
// to the windows, and the quit protocol. A program derives one class from it and
// overrides the hooks; exactly one exists per process, and GetApplication
// returns it while Run lasts.
class CApplication : public CLowLevelApplication, public CScreenClient {
public:
    enum class ELoopState { kRunning, kQuitRequested, kQuitting };
    // The help engine's entries; this platform opens the help file for each
    // and has no viewer to close.
    enum class EHelpCommand { kContents, kIndex, kHelpOnHelp, kContext, kContextPopup, kQuit };

    explicit CApplication(const CApplicationStartup& startup);
    // Shut-down clean-up: every window destroyed and deleted, the timer stopped.
    ~CApplication() override;

    // Every idle timer tick: the windows' idle work, cursor tracking, then the
    // marked windows are deleted.
    virtual void Idle();
    virtual void FirstHook() {}
    virtual void SecondHook() {}
    virtual void Deactivate() { mActive = false; }
    virtual void Activate() { mActive = true; }
    // Asks the active framework window to update its menus.
    virtual void UpdateMenus();
    // Passes the item to the active framework window.
    virtual void DoCommand(const CMenuItem& item);
    // Passes the key to the active framework window.
    virtual void KeyEvent(const CKeyEvent& key);
    // None by default: the menu roads of the loop are skipped.
    virtual CABCMenuBar* GetMenuBar() { return nullptr; }
    void ColourTableChanged(const CPixelFormat& format) override;
    // Asks the window's bitmap loader.
    std::unique_ptr<CBitmap> LoadWindowBitmap(WindowPort::WindowHandle window, const CPixelFormat& format,
                                              int32_t id) override;
    virtual void OpenFolder(const CDirSpec& /*folder*/) {}
    virtual void OpenFile(const CFileSpec& /*file*/, const CUnknownFileType& /*type*/, int32_t /*flag*/) {}
    virtual void NothingToOpen() {}
    virtual void StartUp() {}
    virtual void ShutDown() {}

    // The whole life of the event loop: start-up, the command line, the loop
    // until Quitting, shut-down. Exceptions out of StartUp leave it.
    void Run();
    // The loop asks the windows to close after the current message.
    void Quit();
    // The loop ends after the current message.
    void QuitNow();
    // The close protocol: every window asked in list order, the main window
    // last; a refusal stops it with false.
    bool CloseAllWindows();
    // Every window handles its controls, then every window updates them.
    void UpdateAllWindows();
    // Dispatches what is queued without waiting and without idle work, or sleeps
    // a millisecond when nothing is.
    void ProcessPendingMessages();
    // One message as the loop dispatches it, then the quit protocol when asked.
    void DispatchOne(const WindowPort::SMessage& message);
    // (Re)starts the application timer and every window's timer at the period.
    // XBase when a timer cannot be started.
    void SetIdleInterval(uint32_t milliseconds);
    uint32_t GetIdleInterval() const { return mIdleInterval; }
    // While the count is above 0 the loop polls and idles continuously.
    void BeginContinuousIdle() { ++mContinuousIdle; }
    void EndContinuousIdle();
    int16_t GetContinuousIdleCount() const { return mContinuousIdle; }
    // Opens a folder (OpenFolder) or anything else (OpenFile). False for an
    // empty path and for one too long to name.
    bool OpenPath(const std::string& path);
    // Reads the command line: every longest existing prefix at blanks is opened;
    // a rest that names nothing is reported. True when something was opened.
    bool ReadCommandLine(const std::string& text);
    void SetStayOnTop(bool onTop);
    bool GetStayOnTop() const { return mStayOnTop; }
    // Opens the help file with the desktop's handler: XBase when it is missing or
    // cannot be opened.
    void ShowHelp(EHelpCommand command, uint32_t data);
    // The program file's path with ".hlp" appended, or with a final ".EXE"
    // replaced by ".HLP". XBase when the program file is unknown.
    std::string GetHelpFilePath() const;

    // Entry points of the window procedure.
    void MousePress(WindowPort::WindowHandle window, uint32_t keyFlags, int16_t x, int16_t y, uint32_t time);
    void MouseRelease(WindowPort::WindowHandle window, int16_t x, int16_t y, uint32_t time);
    void KeyMessage(const WindowPort::SMessage& message);
    // Finds the view under the mouse pointer (the capture holder while one
    // holds it) and lets it set the cursor.
    void TrackCursor();
    // The platform asks whether the desktop session may end.
    int32_t QueryEndSession();

    ELoopState GetLoopState() const { return mLoopState; }
    bool IsActive() const { return mActive; }
    // How the first window is to be shown, from the start-up record.
    int32_t GetShowMode() const { return mShowMode; }
    // The most recently created document window, or null.
    CABCWindow* GetMainWindow() const;
    void SetMainWindow(WindowPort::WindowHandle window) { mMainWindow = window; }
    // The application timer's identifier, 0 before Run.
    uint32_t GetApplicationTimer() const { return mApplicationTimer; }
    CScreen* GetScreen() const { return mScreen.get(); }

    // Shift, control and alt as the last key or mouse event found them.
    static const SKeyModifiers& GetModifiers();

private:
    struct ClickRecord {
        int16_t x = 0;
        int16_t y = 0;
        const CABCWindow* window = nullptr; // compared, never followed
        uint32_t ticks = 0;
        bool isPress = false;
    };

    // Whether the framework can name the path: its absolute form fits the path fields.
    static bool CanNamePath(const std::string& path);
    void RunLoop();
    void PollContinuously();
    void MatchShortcut(const WindowPort::SMessage& message);
    bool IsDoubleClick(uint32_t ticks) const;
    void ShutDownWindows();

    int16_t mContinuousIdle = 0;
    std::unique_ptr<ClickRecord> mLastClick;
    uint32_t mIdleInterval = 0;
    ELoopState mLoopState = ELoopState::kRunning;
    bool mActive = true;
    std::string mCommandLine;
    int32_t mShowMode = 1;
    WindowPort::WindowHandle mMainWindow = 0;
    uint32_t mApplicationTimer = 0;
    bool mStayOnTop = false;
    std::unique_ptr<CScreen> mScreen;
};

// The application while its Run lasts, else null.
CApplication* GetApplication();
