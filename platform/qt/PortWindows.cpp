// Top-level windows, the mouse capture and coordinates.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"

#include <QApplication>

#include <algorithm>

namespace WindowPort {

namespace {

CPortWindow* Find(WindowHandle window)
{
    return CPortState::Get().FindWindow(window);
}

QRect ClientRectFor(const SWindowStyle& style, const SRect& outer)
{
    const SFrameMetrics frame = GetFrameMetrics(style);
    return QRect(outer.left + frame.left, outer.top + frame.top,
                 std::max(0, outer.Width() - frame.left - frame.right),
                 std::max(0, outer.Height() - frame.top - frame.bottom));
}

QSize ClientSizeFor(const SWindowStyle& style, SSize outer)
{
    const QRect client = ClientRectFor(style, {0, 0, outer.width, outer.height});
    return client.size().boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// A point through one of the window's mappings; unchanged without a window.
SPoint MapPoint(WindowHandle window, SPoint point, QPoint (QWidget::*map)(const QPoint&) const)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr)
        return point;
    const QPoint mapped = (portWindow->*map)(QPoint(point.x, point.y));
    return {mapped.x(), mapped.y()};
}

void PostCaptureChanged(WindowHandle from, WindowHandle to)
{
    SMessage message;
    message.kind = EMessage::kCaptureChanged;
    message.window = from;
    message.otherWindow = to;
    message.time = GetTickCount();
    CPortState::Get().Post(message);
}

// Windows owned by a window that goes are set free, keeping their place and
// visibility, instead of going with it as Qt's children would.
void FreeOwnedWindows(CPortWindow* owner)
{
    for (auto [handle, window] : CPortState::Get().GetWindows()) {
        if (window->parentWidget() != owner)
            continue;
        const bool visible = window->isVisible();
        const QRect geometry = window->geometry();
        window->setParent(nullptr, window->windowFlags());
        window->setGeometry(geometry);
        if (visible)
            window->show();
    }
}

} // namespace

WindowHandle CreateWindow(const SWindowStyle& style, const std::string& title, const SRect& outer,
                          WindowHandle owner)
{
    CPortState& state = CPortState::Get();
    const WindowHandle handle = state.AddWindow(style, state.FindWindow(owner));
    state.FindWindow(handle)->SetTitleText(title);
    SetOuterRect(handle, outer);
    return handle;
}

void DestroyWindow(WindowHandle window)
{
    if (!CPortState::IsRunning())
        return;
    CPortState& state = CPortState::Get();
    CPortWindow* portWindow = state.FindWindow(window);
    if (portWindow == nullptr || !portWindow->BeginDestroy())
        return;
    SMessage message;
    message.kind = EMessage::kDestroy;
    message.window = window;
    message.time = GetTickCount();
    DispatchMessage(message);

    state.StopTimersOf(window);
    state.RemoveControlsOf(window);
    FreeOwnedWindows(portWindow);
    // Hidden first, so that what hiding reports goes with the window's messages.
    portWindow->hide();
    state.RemoveWindow(window);
    delete portWindow;
}

bool IsWindow(WindowHandle window)
{
    return Find(window) != nullptr;
}

void SetTitle(WindowHandle window, const std::string& title)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->SetTitleText(title);
}

std::string GetTitle(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow == nullptr ? std::string() : portWindow->GetTitleText();
}

// A window without a sizing frame keeps the size the framework gives it; the
// user cannot change it.
void SetOuterRect(WindowHandle window, const SRect& outer)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr)
        return;
    const QRect client = ClientRectFor(portWindow->GetStyle(), outer);
    if (!portWindow->GetStyle().sizingFrame)
        portWindow->setFixedSize(client.size());
    portWindow->setGeometry(client);
    portWindow->ResizeBacking(portWindow->size());
    portWindow->Invalidate({});
}

SRect GetOuterRect(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr)
        return {};
    const QRect client = portWindow->geometry();
    const SFrameMetrics frame = GetFrameMetrics(portWindow->GetStyle());
    return {client.left() - frame.left, client.top() - frame.top, client.left() + client.width() + frame.right,
            client.top() + client.height() + frame.bottom};
}

SSize GetClientSize(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr)
        return {};
    return {portWindow->GetBacking().width(), portWindow->GetBacking().height()};
}

void SetSizeLimits(WindowHandle window, SSize minimumOuter, SSize maximumOuter)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr || !portWindow->GetStyle().sizingFrame)
        return;
    portWindow->setMinimumSize(ClientSizeFor(portWindow->GetStyle(), minimumOuter));
    portWindow->setMaximumSize(ClientSizeFor(portWindow->GetStyle(), maximumOuter));
}

// A window that comes into view is invalid as a whole, so the framework paints
// it once; later repaints come from the backing image alone.
void Show(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr || portWindow->isVisible())
        return;
    portWindow->show();
    portWindow->Invalidate({});
}

void Hide(WindowHandle window)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->hide();
}

bool IsVisible(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow != nullptr && portWindow->isVisible();
}

bool IsMinimised(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow != nullptr && portWindow->isMinimized();
}

void Enable(WindowHandle window, bool enabled)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->setEnabled(enabled);
}

bool IsEnabled(WindowHandle window)
{
    CPortWindow* portWindow = Find(window);
    return portWindow != nullptr && portWindow->isEnabled();
}

void Activate(WindowHandle window)
{
    if (CPortWindow* portWindow = Find(window)) {
        portWindow->raise();
        portWindow->activateWindow();
    }
}

WindowHandle GetActiveWindow()
{
    auto* active = dynamic_cast<CPortWindow*>(QApplication::activeWindow());
    return active == nullptr ? 0 : active->GetHandle();
}

void BringToTop(WindowHandle window)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->raise();
}

// Changing a window's flags hides it in Qt; it comes back as it was, without
// the framework painting it again.
void SetStayOnTop(WindowHandle window, bool onTop)
{
    CPortWindow* portWindow = Find(window);
    if (portWindow == nullptr || portWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = portWindow->isVisible();
    portWindow->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        portWindow->show();
}

void Invalidate(WindowHandle window, const SRect& area)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->Invalidate(area);
}

void AcceptDrops(WindowHandle window, bool accept)
{
    if (CPortWindow* portWindow = Find(window))
        portWindow->setAcceptDrops(accept);
}

// The framework takes the capture while the left button is held, and Qt already
// sends a window every move and the release of a press that began in it, outside
// it too. So the capture is the port's own record; the platform is not asked to
// grab the mouse, which some platforms refuse.
void SetCapture(WindowHandle window)
{
    CPortState& state = CPortState::Get();
    const WindowHandle previous = state.GetCapture();
    if (state.FindWindow(window) == nullptr || previous == window)
        return;
    state.SetCapture(window);
    if (previous != 0)
        PostCaptureChanged(previous, window);
}

void ReleaseCapture()
{
    CPortState& state = CPortState::Get();
    const WindowHandle previous = state.GetCapture();
    if (previous == 0)
        return;
    state.SetCapture(0);
    PostCaptureChanged(previous, 0);
}

WindowHandle GetCapture()
{
    return CPortState::Get().GetCapture();
}

WindowHandle WindowFromPoint(SPoint screen)
{
    const QPoint point(screen.x, screen.y);
    auto* portWindow = dynamic_cast<CPortWindow*>(QApplication::topLevelAt(point));
    if (portWindow == nullptr || !portWindow->rect().contains(portWindow->mapFromGlobal(point)))
        return 0;
    return portWindow->GetHandle();
}

SPoint ClientToScreen(WindowHandle window, SPoint client)
{
    return MapPoint(window, client, &QWidget::mapToGlobal);
}

SPoint ScreenToClient(WindowHandle window, SPoint screen)
{
    return MapPoint(window, screen, &QWidget::mapFromGlobal);
}

} // namespace WindowPort
