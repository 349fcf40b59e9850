#include "ui/Application.h"

#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "images/Bitmap.h"
#include "images/FontCache.h"
#include "images/Screen.h"
#include "media/XBase.h"
#include "platform/system/SystemPath.h"
#include "resources/ScriptCache.h"
#include "ui/ABCMenuBar.h"
#include "ui/ABCWindow.h"
#include "ui/ApplicationStartup.h"
#include "ui/CommandLineReader.h"
#include "ui/FrameworkAlert.h"
#include "ui/View.h"
#include "ui/WindowBitmapLoader.h"
#include "ui/WindowGroupView.h"
#include "ui/WindowList.h"

namespace {

CApplication* gApplication = nullptr;
SKeyModifiers gModifiers;

constexpr uint32_t kDefaultIdleInterval = 50;

// Makes the application current for a scope.
class CCurrentApplication {
public:
    explicit CCurrentApplication(CApplication* application) { gApplication = application; }
    ~CCurrentApplication() { gApplication = nullptr; }
    CCurrentApplication(const CCurrentApplication&) = delete;
    CCurrentApplication& operator=(const CCurrentApplication&) = delete;
};

std::string Absolute(const std::string& path)
{
    const std::string absolute = SystemPath::MakeAbsolute(path);
    return absolute.empty() ? path : absolute;
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

CApplication* GetApplication()
{
    return gApplication;
}

CApplication::CApplication(const CApplicationStartup& startup)
    : CLowLevelApplication(startup)
    , mCommandLine(startup.commandLine)
    , mShowMode(startup.showMode)
{
}

CApplication::~CApplication()
{
    // Window destructors still talk to the application while they go.
    CCurrentApplication current(this);
    ShutDownWindows();
    if (mApplicationTimer != 0)
        WindowPort::KillTimer(0, mApplicationTimer);
    mLastClick.reset();
    mActive = false;
    GetScriptCache().Clear();
    mScreen.reset();
    CFontCache::Get().Empty();
}

void CApplication::ShutDownWindows()
{
    while (CABCWindow* window = CWindowList::GetAt(0)) {
        window->Destroy();
        CWindowList::DeleteMarkedWindows();
    }
}

// ---------------------------------------------------------------------------
// The loop

void CApplication::Run()
{
    CCurrentApplication current(this);
    mScreen = std::make_unique<CScreen>(*this);
    mScreen->RebuildColourTable();
    GetScriptCache().Clear();
    SetIdleInterval(kDefaultIdleInterval);
    StartUp();
    if (!ReadCommandLine(mCommandLine))
        NothingToOpen();
    RunLoop();
    ShutDown();
}

void CApplication::RunLoop()
{
    while (mLoopState != ELoopState::kQuitting) {
        if (mContinuousIdle > 0) {
            PollContinuously();
            continue;
        }
        WindowPort::SMessage message;
        if (WindowPort::GetMessage(message))
            DispatchOne(message);
    }
}

void CApplication::PollContinuously()
{
    WindowPort::SMessage message;
    if (!WindowPort::PeekMessage(message, WindowPort::ERemove::kNo)) {
        Idle();
        WindowPort::Sleep(1);
        return;
    }
    while (mLoopState != ELoopState::kQuitting && WindowPort::PeekMessage(message, WindowPort::ERemove::kYes))
        DispatchOne(message);
}

void CApplication::ProcessPendingMessages()
{
    WindowPort::SMessage message;
    if (!WindowPort::PeekMessage(message, WindowPort::ERemove::kNo)) {
        WindowPort::Sleep(1);
        return;
    }
    while (mLoopState != ELoopState::kQuitting && WindowPort::PeekMessage(message, WindowPort::ERemove::kYes))
        DispatchOne(message);
}

void CApplication::DispatchOne(const WindowPort::SMessage& message)
{
    // The platform's quit message ends nothing: only the loop state does.
    if (message.kind == WindowPort::EMessage::kQuit)
        return;
    if (message.kind == WindowPort::EMessage::kTimer && message.window == 0 && message.timer == mApplicationTimer) {
        Idle();
    } else {
        WindowPort::DispatchMessage(message);
        if (message.kind == WindowPort::EMessage::kKeyDown)
            MatchShortcut(message);
    }
    if (mLoopState == ELoopState::kQuitRequested) {
        mLoopState = ELoopState::kRunning;
        if (CloseAllWindows())
            mLoopState = ELoopState::kQuitting;
    }
}

void CApplication::MatchShortcut(const WindowPort::SMessage& message)
{
    CABCMenuBar* menuBar = GetMenuBar();
    if (menuBar == nullptr)
        return;
    const CKeyEvent key = MakeKeyEvent(message, gModifiers);
    if (key.alt || !key.control)
        return;
    menuBar->Refresh();
    UpdateMenus();
    menuBar->ApplyCommandIDs();
    if (const CMenuItem* item = menuBar->FindItemForKey(key))
        DoCommand(*item);
}

void CApplication::Quit()
{
    mLoopState = ELoopState::kQuitRequested;
}

void CApplication::QuitNow()
{
    mLoopState = ELoopState::kQuitting;
}

bool CApplication::CloseAllWindows()
{
    // Each window is looked up again after it was asked: a window's CanClose
    // may run a dialog whose idle passes delete windows.
    while (CWindowList::GetCount() >= 2) {
        CABCWindow* window = CWindowList::GetAt(0);
        if (window == GetMainWindow())
            window = CWindowList::GetAt(1);
        const uint64_t serial = window->GetSerial();
        if (!window->CanClose())
            return false;
        if (CWindowList::ContainsSerial(serial))
            window->Destroy();
        CWindowList::DeleteMarkedWindows();
    }
    if (CABCWindow* last = CWindowList::GetAt(0)) {
        const uint64_t serial = last->GetSerial();
        if (!last->CanClose())
            return false;
        if (CWindowList::ContainsSerial(serial))
            last->Destroy();
        CWindowList::DeleteMarkedWindows();
    }
    return true;
}

void CApplication::UpdateAllWindows()
{
    for (size_t i = 0; i < CWindowList::GetCount(); ++i)
        CWindowList::GetAt(i)->HandleControls();
    for (size_t i = 0; i < CWindowList::GetCount(); ++i)
        CWindowList::GetAt(i)->UpdateControls();
}

// ---------------------------------------------------------------------------
// Idle work and timers

void CApplication::Idle()
{
    CABCWindow* active = CWindowList::GetActive();
    if (active != nullptr)
        active->Idle();
    for (size_t i = 0; i < CWindowList::GetCount(); ++i) {
        CABCWindow* window = CWindowList::GetAt(i);
        if (window != active)
            window->Idle();
    }
    TrackCursor();
    CWindowList::DeleteMarkedWindows();
}

void CApplication::SetIdleInterval(uint32_t milliseconds)
{
    mIdleInterval = milliseconds;
    if (mApplicationTimer != 0)
        WindowPort::KillTimer(0, mApplicationTimer);
    mApplicationTimer = WindowPort::SetTimer(0, milliseconds);
    if (mApplicationTimer == 0)
        throw XTimerFailed();
    for (size_t i = 0; i < CWindowList::GetCount(); ++i)
        CWindowList::GetAt(i)->StartIdleTimer(milliseconds);
}

void CApplication::EndContinuousIdle()
{
    if (mContinuousIdle > 0)
        --mContinuousIdle;
}

void CApplication::TrackCursor()
{
    if (CView* holder = CView::GetCaptureView()) {
        holder->AdjustCursor();
        return;
    }
    const WindowPort::SPoint screen = WindowPort::GetCursorPosition();
    const WindowPort::WindowHandle handle = WindowPort::WindowFromPoint(screen);
    CView* view = nullptr;
    if (CABCWindow* window = CWindowList::Find(handle)) {
        const WindowPort::SPoint client = WindowPort::ScreenToClient(handle, screen);
        view = window->GetRootView().HitTest(int16_t(client.x), int16_t(client.y));
    }
    CView::SetViewUnderMouse(view);
    if (view != nullptr)
        view->AdjustCursor();
}

// ---------------------------------------------------------------------------
// Routing to the active window

void CApplication::UpdateMenus()
{
    if (CABCWindow* active = CWindowList::GetActive())
        active->UpdateMenus();
}

void CApplication::DoCommand(const CMenuItem& item)
{
    if (CABCWindow* active = CWindowList::GetActive())
        active->DoCommand(item);
}

void CApplication::KeyEvent(const CKeyEvent& key)
{
    if (CABCWindow* active = CWindowList::GetActive())
        active->KeyEvent(key);
}

void CApplication::ColourTableChanged(const CPixelFormat&)
{
}

std::unique_ptr<CBitmap> CApplication::LoadWindowBitmap(WindowPort::WindowHandle handle, const CPixelFormat& format,
                                                        int32_t id)
{
    const CABCWindow* window = CWindowList::Find(handle);
    CWindowBitmapLoader& loader = window != nullptr ? window->GetBitmapLoader() : CWindowBitmapLoader::GetDefault();
    return loader.LoadBitmap(format, id);
}

CABCWindow* CApplication::GetMainWindow() const
{
    return CWindowList::Find(mMainWindow);
}

const SKeyModifiers& CApplication::GetModifiers()
{
    return gModifiers;
}

// ---------------------------------------------------------------------------
// Paths

bool CApplication::ReadCommandLine(const std::string& text)
{
    bool opened = false;
    const auto exists = [](const std::string& path) {
        return !path.empty() && SystemPath::Exists(path) && CanNamePath(path);
    };
    const auto open = [this, &opened](const std::string& path) { opened = OpenPath(path) || opened; };
    const std::string rest = ReadCommandLinePaths(text, exists, open);
    if (!rest.empty())
        ShowFrameworkAlert(kFileNotFoundAlert, AbbreviateForAlert(rest).c_str());
    return opened;
}

bool CApplication::CanNamePath(const std::string& path)
{
    const std::string absolute = Absolute(path);
    try {
        if (SystemPath::IsDirectory(absolute))
            CDirSpec folder(absolute.c_str());
        else
            CFileSpec file(absolute.c_str());
        return true;
    } catch (const XBase&) {
        return false;
    }
}

bool CApplication::OpenPath(const std::string& path)
{
    if (path.empty() || !CanNamePath(path))
        return false;
    const std::string absolute = Absolute(path);
    if (SystemPath::IsDirectory(absolute)) {
        OpenFolder(CDirSpec(absolute.c_str()));
    } else {
        const CFileSpec file(absolute.c_str());
        OpenFile(file, file.GetFileType(), 0);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Mouse and keys

bool CApplication::IsDoubleClick(uint32_t ticks) const
{
    const uint32_t doubleClickTicks = WindowPort::GetDoubleClickTime() * 6 / 100;
    return mLastClick != nullptr && !mLastClick->isPress && ticks - mLastClick->ticks < doubleClickTicks;
}

void CApplication::MousePress(WindowPort::WindowHandle handle, uint32_t keyFlags, int16_t x, int16_t y,
                              uint32_t time)
{
    WindowPort::BringToTop(handle);
    CABCWindow* window = CWindowList::Find(handle);
    if (window == nullptr)
        return;
    gModifiers.shift = (keyFlags & WindowPort::kKeyFlagShift) != 0;
    gModifiers.control = (keyFlags & WindowPort::kKeyFlagControl) != 0;
    gModifiers.alt = WindowPort::IsKeyDown(WindowPort::EModifierKey::kAlt);
    const uint32_t ticks = MsToTicks(time);
    const ClickRecord click{x, y, window, ticks, true};
    if (IsDoubleClick(ticks))
        window->DoubleClick(x, y);
    else
        window->MouseDown(x, y);
    mLastClick = std::make_unique<ClickRecord>(click);
}

void CApplication::MouseRelease(WindowPort::WindowHandle handle, int16_t x, int16_t y, uint32_t time)
{
    const CABCWindow* window = CWindowList::Find(handle);
    if (window == nullptr)
        return;
    mLastClick = std::make_unique<ClickRecord>(ClickRecord{x, y, window, MsToTicks(time), false});
    CView* target = CView::GetCaptureView();
    if (target == nullptr)
        target = CView::GetViewUnderMouse();
    if (target != nullptr)
        target->MouseUp(x, y);
}

void CApplication::KeyMessage(const WindowPort::SMessage& message)
{
    gModifiers.shift = WindowPort::IsKeyDown(WindowPort::EModifierKey::kShift);
    gModifiers.control = WindowPort::IsKeyDown(WindowPort::EModifierKey::kControl);
    gModifiers.alt = WindowPort::IsKeyDown(WindowPort::EModifierKey::kAlt);
    if (CWindowList::Find(message.window) != nullptr)
        KeyEvent(MakeKeyEvent(message, gModifiers));
}

// ---------------------------------------------------------------------------
// The desktop

void CApplication::SetStayOnTop(bool onTop)
{
    mStayOnTop = onTop;
    if (const CABCWindow* main = GetMainWindow())
        WindowPort::SetStayOnTop(main->GetHandle(), onTop);
}

void CApplication::ShowHelp(EHelpCommand command, uint32_t)
{
    const std::string path = GetHelpFilePath();
    // The desktop's handler shows the file as a whole: topics cannot be
    // addressed, and there is no viewer of ours to close.
    if (command == EHelpCommand::kQuit)
        return;
    if (!SystemPath::Exists(path) || !WindowPort::OpenWithDesktop(path))
        throw XBase();
}

std::string CApplication::GetHelpFilePath() const
{
    std::string path = GetProgramFile().GetFullPath();
    if (path.empty())
        throw XBase();
    if (EndsWith(path, ".EXE"))
        return path.substr(0, path.size() - 4) + ".HLP";
    return path + ".hlp";
}

int32_t CApplication::QueryEndSession()
{
    try {
        if (CloseAllWindows()) {
            mLoopState = ELoopState::kQuitting;
            return 1;
        }
    } catch (const XBase&) {
        // A window that fails while it closes keeps the session from ending.
    }
    // A refusal keeps the program running: the window that refused (a pack
    // still under way) is what the user wants to keep, so it is not ended behind
    // the user's back once the desktop session stays.
    return 0;
}
