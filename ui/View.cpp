#include "ui/View.h"

#include "ui/ABCWindow.h"
#include "ui/Application.h"
#include "ui/GroupView.h"
#include "ui/WindowList.h"

namespace {

CView* gViewUnderMouse = nullptr;
CView* gCaptureView = nullptr;
CView* gTrackingView = nullptr;

void EndContinuousIdle()
{
    if (CApplication* application = GetApplication())
        application->EndContinuousIdle();
}

void BeginContinuousIdle()
{
    if (CApplication* application = GetApplication())
        application->BeginContinuousIdle();
}

} // namespace

CView::CView(CGroupView* parent, const SViewRect& bounds)
    : mBounds(bounds)
{
    if (parent != nullptr)
        parent->AddChild(this);
}

CView::~CView()
{
    if (gViewUnderMouse == this)
        gViewUnderMouse = nullptr;
    if (gCaptureView == this)
        ReleaseMouse();
    if (gTrackingView == this)
        EndTracking();
    if (CABCWindow* window = GetWindow())
        window->ViewDeleted(this);
    if (mParent != nullptr)
        mParent->RemoveChild(this);
}

CABCWindow* CView::GetWindow() const
{
    return mParent != nullptr ? mParent->GetWindow() : nullptr;
}

void CView::MouseDown(int16_t, int16_t)
{
    if (CABCWindow* window = GetWindow())
        window->SetFocusView(this);
}

void CView::AdjustCursor()
{
    if (mParent != nullptr)
        mParent->AdjustCursor();
    else
        WindowPort::SetCursor(WindowPort::ECursor::kArrow);
}

void CView::CaptureLost()
{
    gCaptureView = nullptr;
    EndContinuousIdle();
    TrackingEnded();
}

void CView::TrackingLost()
{
    gTrackingView = nullptr;
    EndContinuousIdle();
    TrackingEnded();
}

void CView::Invalidate()
{
    if (CABCWindow* window = GetWindow())
        window->Invalidate(mBounds);
}

CView* CView::HitTest(int16_t x, int16_t y)
{
    return mBounds.Contains(x, y) ? this : mParent;
}

int32_t CView::FindHelpTopic() const
{
    for (const CView* view = this; view != nullptr; view = view->mParent) {
        if (view->mHelpTopic != 0)
            return view->mHelpTopic;
    }
    return 0;
}

bool CView::TrackMouse()
{
    if (gCaptureView != nullptr)
        return false;
    CABCWindow* window = GetWindow();
    if (window == nullptr)
        return false;
    WindowPort::SetCapture(window->GetHandle());
    gCaptureView = this;
    BeginContinuousIdle();
    return true;
}

void CView::ReleaseMouse()
{
    if (gCaptureView != this)
        return;
    gCaptureView = nullptr;
    EndContinuousIdle();
    const CABCWindow* window = GetWindow();
    if (window != nullptr && WindowPort::GetCapture() == window->GetHandle())
        WindowPort::ReleaseCapture();
}

bool CView::BeginTracking()
{
    if (gTrackingView != nullptr)
        return false;
    const CABCWindow* window = GetWindow();
    if (window == nullptr || window != CWindowList::GetActive())
        return false;
    gTrackingView = this;
    BeginContinuousIdle();
    return true;
}

void CView::EndTracking()
{
    if (gTrackingView != this)
        return;
    gTrackingView = nullptr;
    EndContinuousIdle();
}

CView* CView::GetViewUnderMouse()
{
    return gViewUnderMouse;
}

CView* CView::GetCaptureView()
{
    return gCaptureView;
}

CView* CView::GetTrackingView()
{
    return gTrackingView;
}

void CView::SetViewUnderMouse(CView* view)
{
    if (view == gViewUnderMouse)
        return;
    CView* old = gViewUnderMouse;
    gViewUnderMouse = view;
    if (old != nullptr)
        old->MouseLeave();
    if (view != nullptr)
        view->MouseEnter();
}
