#include "tests/qt/PortTestSupport.h"

using namespace WindowPort;

CTestWindow::CTestWindow(int32_t width, int32_t height, bool show)
{
    SWindowStyle style;
    const SFrameMetrics frame = GetFrameMetrics(style);
    mHandle = CreateWindow(style, "test", {0, 0, width + frame.left + frame.right, height + frame.top + frame.bottom},
                           0);
    if (show)
        Show(mHandle);
}

CTestWindow::~CTestWindow()
{
    DestroyWindow(mHandle);
    DrainMessages();
}

bool WaitForMessage(const std::function<bool(const SMessage&)>& wanted, std::vector<SMessage>& taken,
                    uint32_t milliseconds)
{
    const uint32_t start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        SMessage message;
        if (!PeekMessage(message, ERemove::kYes)) {
            Sleep(1);
            continue;
        }
        taken.push_back(message);
        if (wanted(message))
            return true;
    }
    return false;
}

std::vector<SMessage> DrainMessages()
{
    std::vector<SMessage> taken;
    SMessage message;
    while (PeekMessage(message, ERemove::kYes))
        taken.push_back(message);
    return taken;
}
