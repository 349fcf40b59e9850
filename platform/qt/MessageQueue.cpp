#include "platform/qt/MessageQueue.h"

#include <algorithm>

using WindowPort::EMessage;
using WindowPort::SMessage;
using WindowPort::WindowHandle;

void CMessageQueue::Post(const SMessage& message)
{
    if (message.kind == EMessage::kTimer && HasTimer(message.window, message.timer))
        return;
    if (message.kind == EMessage::kMouseMove && !mMessages.empty() &&
        mMessages.back().kind == EMessage::kMouseMove && mMessages.back().window == message.window) {
        mMessages.back() = message;
        return;
    }
    mMessages.push_back(message);
}

bool CMessageQueue::Peek(SMessage& message, bool remove)
{
    if (mMessages.empty())
        return false;
    if (remove) {
        message = std::move(mMessages.front());
        mMessages.pop_front();
    } else {
        message = mMessages.front();
    }
    return true;
}

void CMessageQueue::RemoveWindow(WindowHandle window)
{
    std::erase_if(mMessages, [window](const SMessage& message) { return message.window == window; });
}

void CMessageQueue::RemoveTimer(WindowHandle window, uint32_t timer)
{
    std::erase_if(mMessages, [window, timer](const SMessage& message) {
        return message.kind == EMessage::kTimer && message.window == window && message.timer == timer;
    });
}

bool CMessageQueue::HasTimer(WindowHandle window, uint32_t timer) const
{
    return std::any_of(mMessages.begin(), mMessages.end(), [window, timer](const SMessage& message) {
        return message.kind == EMessage::kTimer && message.window == window && message.timer == timer;
    });
}
