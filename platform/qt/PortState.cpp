#include "platform/qt/PortState.h"

#include "platform/qt/PortWindow.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include <stdexcept>

using WindowPort::ControlHandle;
using WindowPort::EMessage;
using WindowPort::FontHandle;
using WindowPort::SMessage;
using WindowPort::WindowHandle;

namespace {

std::unique_ptr<CPortState>& Instance()
{
    static std::unique_ptr<CPortState> state;
    return state;
}

} // namespace

CPortState& CPortState::Get()
{
    if (!Instance())
        throw std::logic_error("the window port is used before WindowPort::Initialise");
    return *Instance();
}

bool CPortState::IsRunning()
{
    return Instance() != nullptr;
}

void CPortState::Start(int& argc, char** argv)
{
    if (!Instance())
        Instance() = std::make_unique<CPortState>(argc, argv);
}

void CPortState::Stop()
{
    Instance().reset();
}

CPortState::CPortState(int& argc, char** argv) : mApplication(std::make_unique<QApplication>(argc, argv))
{
    // Windows close when the framework says so, never because the last one did.
    QApplication::setQuitOnLastWindowClosed(false);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(mApplication.get(), &QGuiApplication::commitDataRequest, [](QSessionManager& manager) {
        if (!WindowPort::QueryEndSession())
            manager.cancel();
    });
#endif
}

CPortState::~CPortState()
{
    ReleaseAll();
}

void CPortState::ReleaseAll()
{
    mTimers.clear();
    mControls.clear();
    mFonts.clear();
    mSystemFont = 0;
    // Owned windows are children of their owners' widgets: free the owners' last.
    while (!mWindows.empty()) {
        auto last = std::prev(mWindows.end());
        CPortWindow* window = last->second;
        mWindows.erase(last);
        delete window;
    }
    mQueue.Clear();
    if (QGuiApplication::overrideCursor() != nullptr && mBusyCursor)
        QGuiApplication::restoreOverrideCursor();
}

WindowHandle CPortState::AddWindow(const WindowPort::SWindowStyle& style, QWidget* owner)
{
    const WindowHandle handle = mNextWindow++;
    mWindows[handle] = new CPortWindow(handle, style, owner);
    return handle;
}

CPortWindow* CPortState::FindWindow(WindowHandle window) const
{
    auto found = mWindows.find(window);
    return found == mWindows.end() ? nullptr : found->second;
}

void CPortState::RemoveWindow(WindowHandle window)
{
    mWindows.erase(window);
    mQueue.RemoveWindow(window);
    if (mCapture == window)
        mCapture = 0;
}

ControlHandle CPortState::AddControl(const SControl& control)
{
    const ControlHandle handle = mNextControl++;
    mControls[handle] = control;
    return handle;
}

const CPortState::SControl* CPortState::FindControl(ControlHandle control) const
{
    auto found = mControls.find(control);
    if (found == mControls.end() || found->second.widget.isNull())
        return nullptr;
    return &found->second;
}

void CPortState::RemoveControl(ControlHandle control)
{
    mControls.erase(control);
}

void CPortState::RemoveControlsOf(WindowHandle window)
{
    std::erase_if(mControls, [window](const auto& entry) { return entry.second.window == window; });
}

FontHandle CPortState::AddFont(const QFont& font)
{
    const FontHandle handle = mNextFont++;
    mFonts.emplace(handle, font);
    return handle;
}

const QFont* CPortState::FindFont(FontHandle font) const
{
    auto found = mFonts.find(font);
    return found == mFonts.end() ? nullptr : &found->second;
}

void CPortState::RemoveFont(FontHandle font)
{
    if (font != mSystemFont)
        mFonts.erase(font);
}

FontHandle CPortState::GetSystemFont()
{
    if (mSystemFont == 0) {
        QFont font = QApplication::font();
        font.setStyleStrategy(QFont::NoAntialias);
        mSystemFont = AddFont(font);
    }
    return mSystemFont;
}

uint32_t CPortState::StartTimer(WindowHandle window, uint32_t milliseconds)
{
    uint32_t identifier = window;
    if (window == 0)
        identifier = mNextApplicationTimer++;
    // Setting a window's timer again restarts it at the new period, as the
    // original platform does for a timer of the same identifier.
    std::unique_ptr<QTimer>& timer = mTimers[{window, identifier}];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, window, identifier] {
            SMessage message;
            message.kind = EMessage::kTimer;
            message.window = window;
            message.timer = identifier;
            message.time = WindowPort::GetTickCount();
            mQueue.Post(message);
        });
    }
    timer->start(int(std::min<uint32_t>(milliseconds, INT32_MAX)));
    return identifier;
}

void CPortState::StopTimer(WindowHandle window, uint32_t timer)
{
    mTimers.erase({window, timer});
    mQueue.RemoveTimer(window, timer);
}

void CPortState::StopTimersOf(WindowHandle window)
{
    std::erase_if(mTimers, [window](const auto& entry) { return entry.first.first == window; });
}
