#include "ui/ABCWindow.h"

#include "images/Canvas.h"
#include "media/XBase.h"
#include "ui/ABCMenuBar.h"
#include "ui/Application.h"
#include "ui/ControlView.h"
#include "ui/DialogLayout.h"
#include "ui/WindowGroupView.h"
#include "ui/WindowList.h"

namespace {

uint64_t gNextSerial = 1;

constexpr WindowPort::SSize kMinimumSize{60, 60};
constexpr WindowPort::SSize kMaximumSize{20000, 20000};

bool SameRect(const WindowPort::SRect& a, const WindowPort::SRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

CABCWindow::CABCWindow(EKind kind, const WindowPort::SWindowStyle& style, const std::string& title,
                       const WindowPort::SRect& outer, CWindowBitmapLoader& loader)
    : mKind(kind)
    , mStyle(style)
    , mBitmapLoader(&loader)
    , mSerial(gNextSerial++)
{
    const WindowPort::WindowHandle owner = kind == EKind::kDocument ? 0 : GetOwnerForDialogs();
    mHandle = WindowPort::CreateWindow(style, title, outer, owner);
    if (mHandle == 0)
        throw XBase();
    try {
        mRootView = std::make_unique<CWindowGroupView>(this);
        const WindowPort::SSize client = WindowPort::GetClientSize(mHandle);
        mRootView->SetBounds(SViewRect::FromPort({0, 0, client.width, client.height}));
        CApplication* application = GetApplication();
        if (application != nullptr && application->GetIdleInterval() != 0)
            StartIdleTimer(application->GetIdleInterval());
        if (kind == EKind::kDocument) {
            WindowPort::AcceptDrops(mHandle, true);
            if (application != nullptr) {
                application->SetMainWindow(mHandle);
                if (CABCMenuBar* menuBar = application->GetMenuBar())
                    menuBar->AttachTo(mHandle);
            }
        }
    } catch (...) {
        mInDestructor = true;
        mRootView.reset();
        WindowPort::DestroyWindow(mHandle);
        throw;
    }
}

CABCWindow::~CABCWindow()
{
    mInDestructor = true;
    mLayout.reset();
    mFocusView = nullptr;
    mRootView.reset();
    // The destroy message is handled while the window is still listed.
    if (mHandle != 0)
        WindowPort::DestroyWindow(mHandle);
    CWindowList::Remove(this);
}

void CABCWindow::AddToWindowList()
{
    CWindowList::Append(this);
}

// ---------------------------------------------------------------------------
// Slots

void CABCWindow::Open(const WindowPort::SRect& outer)
{
    SetBounds(outer);
    HandleControls();
    UpdateControls();
    Show();
    BringToFront();
    // Bringing a top-level window to the top activates it on the original
    // platform; the port's raise alone does not.
    WindowPort::Activate(mHandle);
}

void CABCWindow::MouseDown(int16_t x, int16_t y)
{
    mRootView->MouseDown(x, y);
}

void CABCWindow::DoubleClick(int16_t x, int16_t y)
{
    mRootView->DoubleClick(x, y);
}

void CABCWindow::KeyEvent(const CKeyEvent& key)
{
    mRootView->KeyEvent(key);
}

void CABCWindow::Idle()
{
    mRootView->Idle();
}

void CABCWindow::Draw(CCanvas& canvas)
{
    mRootView->Draw(canvas);
}

void CABCWindow::UpdateControls()
{
    mRootView->Update();
}

void CABCWindow::HandleControls()
{
    mRootView->HandleControls();
}

void CABCWindow::Deactivated()
{
    CView* tracking = CView::GetTrackingView();
    if (tracking != nullptr && tracking->GetWindow() == this)
        tracking->TrackingLost();
}

void CABCWindow::SetBounds(const WindowPort::SRect& outer)
{
    WindowPort::SSize minimum;
    WindowPort::SSize maximum;
    GetSizeLimits(minimum, maximum);
    WindowPort::SetSizeLimits(mHandle, minimum, maximum);
    // The size message that a move brings calls this again with the same
    // rectangle; asking the platform only for a change ends the round there.
    if (!SameRect(WindowPort::GetOuterRect(mHandle), outer))
        WindowPort::SetOuterRect(mHandle, outer);
    const WindowPort::SSize client = WindowPort::GetClientSize(mHandle);
    mRootView->SetBounds(SViewRect::FromPort({0, 0, client.width, client.height}));
    Layout();
}

void CABCWindow::GetSizeLimits(WindowPort::SSize& minimum, WindowPort::SSize& maximum) const
{
    minimum = kMinimumSize;
    maximum = kMaximumSize;
}

int32_t CABCWindow::GetFrameWidth() const
{
    const WindowPort::SFrameMetrics frame = WindowPort::GetFrameMetrics(mStyle);
    return frame.left + frame.right;
}

int32_t CABCWindow::GetFrameHeight() const
{
    const WindowPort::SFrameMetrics frame = WindowPort::GetFrameMetrics(mStyle);
    return frame.top + frame.bottom;
}

// ---------------------------------------------------------------------------
// Operations

void CABCWindow::Close()
{
    if (CanClose())
        Destroy();
}

void CABCWindow::CentreOnScreen()
{
    WindowPort::SSize client = WindowPort::GetClientSize(mHandle);
    if (mLayout != nullptr)
        client = {mLayout->GetBox().Width(), mLayout->GetBox().Height()};
    const WindowPort::SSize screen = WindowPort::GetScreenSize();
    const int32_t width = client.width + GetFrameWidth();
    const int32_t height = client.height + GetFrameHeight();
    Open(OuterRectForClient({(screen.width - width) / 2, (screen.height - height) / 2}, client));
}

WindowPort::SRect CABCWindow::OuterRectForClient(WindowPort::SPoint topLeft, WindowPort::SSize client) const
{
    return {topLeft.x, topLeft.y, topLeft.x + client.width + GetFrameWidth(),
            topLeft.y + client.height + GetFrameHeight()};
}

std::optional<SViewRect> CABCWindow::GetLayoutRect(uint16_t item) const
{
    if (mLayout == nullptr)
        return std::nullopt;
    return mLayout->GetItemRect(item);
}

const SDialogLayoutItem& CABCWindow::GetLayoutItem(uint16_t item) const
{
    const SDialogLayoutItem* found = mLayout != nullptr ? mLayout->FindItem(item) : nullptr;
    if (found == nullptr)
        throw XBadFormat();
    return *found;
}

void CABCWindow::ReadLayout(uint16_t id)
{
    mLayout = CDialogLayout::Load(id);
    std::string title = mLayout->GetTitle();
    if (title.empty() && GetApplication() != nullptr)
        title = GetApplication()->GetName();
    SetTitle(title);
    const WindowPort::SRect outer = WindowPort::GetOuterRect(mHandle);
    SetBounds(OuterRectForClient({outer.left, outer.top}, {mLayout->GetBox().Width(), mLayout->GetBox().Height()}));
}

void CABCWindow::SetTitle(const std::string& title)
{
    WindowPort::SetTitle(mHandle, title);
}

std::string CABCWindow::GetTitle() const
{
    return WindowPort::GetTitle(mHandle);
}

void CABCWindow::Show()
{
    WindowPort::Show(mHandle);
}

void CABCWindow::Hide()
{
    WindowPort::Hide(mHandle);
}

void CABCWindow::BringToFront()
{
    WindowPort::BringToTop(mHandle);
}

void CABCWindow::Invalidate(const SViewRect& area)
{
    WindowPort::Invalidate(mHandle, area.ToPort());
}

void CABCWindow::SetFocusView(CView* view)
{
    if (view == mFocusView)
        return;
    if (view != nullptr && !view->AcceptsFocus())
        return;
    CView* old = mFocusView;
    mFocusView = view;
    if (old != nullptr)
        old->FocusLost();
    if (view != nullptr)
        view->FocusGained();
}

void CABCWindow::ViewDeleted(const CView* view)
{
    if (mFocusView == view)
        mFocusView = nullptr;
}

void CABCWindow::DisableOtherWindows()
{
    for (size_t i = 0; i < CWindowList::GetCount(); ++i) {
        CABCWindow* window = CWindowList::GetAt(i);
        if (window != this && window->mDisableCount == 0) {
            WindowPort::Enable(window->mHandle, false);
            window->mDisableCount = 1;
        }
    }
}

void CABCWindow::EnableOtherWindows()
{
    for (size_t i = 0; i < CWindowList::GetCount(); ++i) {
        CABCWindow* window = CWindowList::GetAt(i);
        if (window != this && window->mDisableCount > 0 && --window->mDisableCount == 0)
            WindowPort::Enable(window->mHandle, true);
    }
}

WindowPort::WindowHandle CABCWindow::GetOwnerForDialogs()
{
    const CApplication* application = GetApplication();
    const CABCWindow* main = application != nullptr ? application->GetMainWindow() : nullptr;
    return main != nullptr ? main->mHandle : 0;
}

void CABCWindow::StartIdleTimer(uint32_t milliseconds)
{
    WindowPort::KillTimer(mHandle, mHandle);
    if (WindowPort::SetTimer(mHandle, milliseconds) != mHandle)
        throw XTimerFailed();
}
