#pragma once

#include "platform/WindowPort.h"

#include <cstdint>
#include <functional>
#include <vector>

// Helpers of the suites that drive the port: windows that go at the end of a
// test, and waiting on the queue by polling it, never by sleeping a fixed time.

// A shown document window of that client size at the screen's top left,
// destroyed with the object.
class CTestWindow {
public:
    explicit CTestWindow(int32_t width = 100, int32_t height = 60, bool show = true);
    ~CTestWindow();
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    WindowPort::WindowHandle Get() const { return mHandle; }

private:
    WindowPort::WindowHandle mHandle = 0;
};

// Takes messages until one satisfies `wanted` or `milliseconds` pass; every
// message taken is kept in `taken`, the wanted one last. True when it came.
bool WaitForMessage(const std::function<bool(const WindowPort::SMessage&)>& wanted,
                    std::vector<WindowPort::SMessage>& taken, uint32_t milliseconds = 5000);
// Takes every message that is waiting now, the queue's paints included.
std::vector<WindowPort::SMessage> DrainMessages();
