#pragma once

#include "platform/WindowPort.h"

#include <deque>

// The framework's own queue: platform events become messages here in the order
// they happened. As on the original platform, consecutive mouse moves fold into
// the latest one and a timer has at most one message waiting, so a slow consumer
// sees the newest position and no pile of stale ticks.
class CMessageQueue {
public:
    void Post(const WindowPort::SMessage& message);
    // The first message, removed when `remove` says so; false when none waits.
    bool Peek(WindowPort::SMessage& message, bool remove);
    bool IsEmpty() const { return mMessages.empty(); }

    // A destroyed window's messages go with it; a killed timer's waiting tick too.
    void RemoveWindow(WindowPort::WindowHandle window);
    void RemoveTimer(WindowPort::WindowHandle window, uint32_t timer);
    void Clear() { mMessages.clear(); }

private:
    bool HasTimer(WindowPort::WindowHandle window, uint32_t timer) const;

    std::deque<WindowPort::SMessage> mMessages;
};
