#include "app/desktop/OutputWindow.h"

#include "app/desktop/ModStower.h"
#include "app/desktop/NativeScrollBarView.h"
#include "ui/Application.h"
#include "ui/TerminalView.h"
#include "ui/WindowGroupView.h"

#include <algorithm>

namespace {

// The log's document window: caption, close box, sizing frame, minimise and maximise.
constexpr int32_t kLogWindowStyle = 2;
constexpr int32_t kScrollStep = 1;
constexpr int32_t kScrollPage = 10;

} // namespace

COutputWindow::COutputWindow(const std::string& title)
    : CDocumentWindow(kLogWindowStyle, title)
    , mTerminalView(std::make_unique<CTerminalView>(&GetRootView(), kLineCapacity, kLineWidth))
    , mScrollBar(std::make_unique<CNativeScrollBarView>(&GetRootView()))
{
    const WindowPort::SSize client{kClientWidth, kClientHeight};
    const WindowPort::SSize screen = WindowPort::GetScreenSize();
    const int32_t outerWidth = client.width + GetFrameWidth();
    const int32_t outerHeight = client.height + GetFrameHeight();
    Open(OuterRectForClient({(screen.width - outerWidth) / 2, (screen.height - outerHeight) / 2}, client));
}

COutputWindow::~COutputWindow()
{
    if (auto* application = dynamic_cast<CModStower*>(GetApplication())) {
        application->LogWindowGone(this);
        application->Quit();
    }
}

void COutputWindow::HandleControls()
{
    const int32_t range = mTerminalView->GetRing().GetUsed();
    const int32_t position =
        mScrollBar->RequestPosition(mTerminalView->GetScrollPosition(), kScrollStep, kScrollPage, range);
    mTerminalView->SetScrollPosition(position);
    CDocumentWindow::HandleControls();
}

void COutputWindow::Layout()
{
    const SViewRect client = GetRootView().GetBounds();
    const int32_t barWidth = WindowPort::GetVerticalScrollBarWidth();
    const auto barLeft = static_cast<int16_t>(std::max<int32_t>(client.left, client.right - barWidth));
    mScrollBar->SetBounds({barLeft, client.top, client.right, client.bottom});
    mTerminalView->SetBounds({client.left, client.top, barLeft, client.bottom});
}
