// The framework's queue: taking, peeking and dispatching messages, timers, and
// the session's question before it ends.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace WindowPort {

namespace {

// As on the original platform, a paint is made when nothing else waits, from the
// area invalidated so far; taking it validates the area.
bool TakePaint(SMessage& message, bool remove)
{
    for (auto [handle, window] : CPortState::Get().GetWindows()) {
        const SRect area = window->GetInvalidArea();
        if (!window->isVisible() || area.IsEmpty())
            continue;
        message = SMessage();
        message.kind = EMessage::kPaint;
        message.window = handle;
        message.area = area;
        message.time = GetTickCount();
        if (remove)
            window->Validate();
        return true;
    }
    return false;
}

bool TakeMessage(SMessage& message, bool remove)
{
    return CPortState::Get().GetQueue().Peek(message, remove) || TakePaint(message, remove);
}

} // namespace

void SetWindowProcedure(WindowProcedure procedure)
{
    CPortState::Get().GetProcedure() = std::move(procedure);
}

bool GetMessage(SMessage& message)
{
    while (!TakeMessage(message, true))
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return message.kind != EMessage::kQuit;
}

bool PeekMessage(SMessage& message, ERemove remove)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return TakeMessage(message, remove == ERemove::kYes);
}

int32_t DispatchMessage(const SMessage& message)
{
    // Copied first: the procedure may set another procedure while it runs.
    WindowProcedure procedure = CPortState::Get().GetProcedure();
    return procedure ? procedure(message) : 0;
}

void PostQuitMessage()
{
    SMessage message;
    message.kind = EMessage::kQuit;
    message.time = GetTickCount();
    CPortState::Get().Post(message);
}

void PostMessage(const SMessage& message)
{
    CPortState::Get().Post(message);
}

uint32_t SetTimer(WindowHandle window, uint32_t milliseconds)
{
    CPortState& state = CPortState::Get();
    if (window != 0 && state.FindWindow(window) == nullptr)
        return 0;
    return state.StartTimer(window, milliseconds);
}

void KillTimer(WindowHandle window, uint32_t timer)
{
    if (!CPortState::IsRunning())
        return;
    CPortState::Get().StopTimer(window, timer);
}

bool QueryEndSession()
{
    std::vector<WindowHandle> windows;
    for (const auto& entry : CPortState::Get().GetWindows())
        windows.push_back(entry.first);
    for (WindowHandle window : windows) {
        if (!IsWindow(window))
            continue;
        SMessage message;
        message.kind = EMessage::kQueryEndSession;
        message.window = window;
        message.time = GetTickCount();
        if (DispatchMessage(message) == 0)
            return false;
    }
    return true;
}

} // namespace WindowPort
