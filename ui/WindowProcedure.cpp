#include "ui/WindowProcedure.h"

#include "images/Canvas.h"
#include "media/XBase.h"
#include "ui/ABCMenuBar.h"
#include "ui/ABCWindow.h"
#include "ui/Application.h"
#include "ui/CommandLineReader.h"
#include "ui/ControlView.h"
#include "ui/FrameworkAlert.h"
#include "ui/WindowGroupView.h"
#include "ui/WindowList.h"

using WindowPort::EMessage;

namespace {

// System-menu commands carry all four top bits; the platform handles them.
bool IsSystemCommand(uint32_t command)
{
    return (command & 0xF000) == 0xF000;
}

} // namespace

int32_t FrameworkWindowProcedure(const WindowPort::SMessage& message)
{
    CABCWindow* window = CWindowList::Find(message.window);
    return window != nullptr ? window->HandleMessage(message) : 0;
}

void InstallWindowProcedure()
{
    WindowPort::SetWindowProcedure(FrameworkWindowProcedure);
}

// The message table. A handler may end in the deletion of this window (a close
// runs the close protocol), so none touches the window after such a call.
int32_t CABCWindow::HandleMessage(const WindowPort::SMessage& message)
{
    CApplication* application = GetApplication();
    if (message.kind == EMessage::kDestroy) {
        HandleDestroy();
        return 0;
    }
    if (application == nullptr)
        return 0;
    switch (message.kind) {
    case EMessage::kTimer: application->Idle(); break;
    case EMessage::kPaint: HandlePaint(message); break;
    case EMessage::kSize: HandleSize(); break;
    case EMessage::kActivate: HandleActivate(); break;
    case EMessage::kDeactivate: HandleDeactivate(); break;
    case EMessage::kMouseDown:
        application->MousePress(mHandle, message.keyFlags, int16_t(message.point.x), int16_t(message.point.y),
                                message.time);
        break;
    case EMessage::kMouseUp:
        application->MouseRelease(mHandle, int16_t(message.point.x), int16_t(message.point.y), message.time);
        break;
    case EMessage::kMouseMove: application->TrackCursor(); break;
    case EMessage::kCaptureChanged: HandleCaptureChanged(message); break;
    case EMessage::kKeyDown:
    case EMessage::kKeyUp: application->KeyMessage(message); break;
    case EMessage::kClose: HandleClose(); break;
    case EMessage::kCommand: HandleCommand(message); break;
    case EMessage::kScroll: HandleScroll(message); break;
    case EMessage::kDropFiles: HandleDropFiles(message); break;
    case EMessage::kQueryEndSession: return application->QueryEndSession();
    case EMessage::kInitMenu: HandleInitMenu(); break;
    case EMessage::kHelp: HandleHelp(message); break;
    default: break;
    }
    return 0;
}

void CABCWindow::HandleDestroy()
{
    WindowPort::KillTimer(mHandle, mHandle);
    CApplication* application = GetApplication();
    if (mKind == EKind::kDocument) {
        if (application != nullptr) {
            if (CABCMenuBar* menuBar = application->GetMenuBar())
                menuBar->DetachFrom(mHandle);
            // Only this window stops being the main one: another document window
            // that is the main window stays so.
            if (application->GetMainWindow() == this)
                application->SetMainWindow(0);
        }
        WindowPort::AcceptDrops(mHandle, false);
        WindowPort::PostQuitMessage();
    } else if (mKind == EKind::kDialog) {
        if (const WindowPort::WindowHandle parent = GetOwnerForDialogs())
            WindowPort::Activate(parent);
    }
    if (!mInDestructor) {
        // The platform took the window away by itself: forget the handle and let
        // the idle pass delete what is left.
        mHandle = 0;
        Destroy();
    }
}

void CABCWindow::HandleClose()
{
    if (mKind != EKind::kDocument) {
        Close();
        return;
    }
    // Closing any document window closes all windows and ends the program.
    CApplication* application = GetApplication();
    if (application->CloseAllWindows())
        application->QuitNow();
}

void CABCWindow::HandlePaint(const WindowPort::SMessage& message)
{
    if (WindowPort::IsMinimised(mHandle))
        return;
    CCanvas canvas(mHandle);
    canvas.SetClipRect(message.area);
    Draw(canvas);
}

void CABCWindow::HandleSize()
{
    if (!WindowPort::IsMinimised(mHandle))
        SetBounds(WindowPort::GetOuterRect(mHandle));
}

void CABCWindow::HandleActivate()
{
    WindowPort::BringToTop(mHandle);
    CApplication* application = GetApplication();
    if (!application->IsActive())
        application->Activate();
    Activated();
}

void CABCWindow::HandleDeactivate()
{
    Deactivated();
    // The application is inactive when the activation went outside its windows.
    CApplication* application = GetApplication();
    if (application->IsActive() && CWindowList::GetActive() == nullptr)
        application->Deactivate();
}

void CABCWindow::HandleCaptureChanged(const WindowPort::SMessage& message)
{
    CView* holder = CView::GetCaptureView();
    if (holder != nullptr && message.otherWindow != mHandle)
        holder->CaptureLost();
}

void CABCWindow::HandleCommand(const WindowPort::SMessage& message)
{
    CApplication* application = GetApplication();
    if (message.command != 0) {
        if (IsSystemCommand(message.command))
            return;
        if (CABCMenuBar* menuBar = application->GetMenuBar()) {
            if (const CMenuItem* item = menuBar->FindItemForCommandID(message.command))
                application->DoCommand(*item);
        }
    }
    if (CControlView* control = CControlView::FromNativeControl(message.control))
        control->NativeCommand();
}

void CABCWindow::HandleScroll(const WindowPort::SMessage& message)
{
    if (CControlView* control = CControlView::FromNativeControl(message.control))
        control->NativeScroll(message.scrollCode, message.scrollPosition);
}

void CABCWindow::HandleDropFiles(const WindowPort::SMessage& message)
{
    // The window may go while the paths are opened, so nothing of it is used.
    CApplication* application = GetApplication();
    const std::vector<std::string> paths = message.paths;
    for (const std::string& path : paths) {
        if (!application->OpenPath(path) && !path.empty())
            ShowFrameworkAlert(kFileNotFoundAlert, AbbreviateForAlert(path).c_str());
    }
}

void CABCWindow::HandleInitMenu()
{
    CApplication* application = GetApplication();
    if (CABCMenuBar* menuBar = application->GetMenuBar()) {
        menuBar->Refresh();
        application->UpdateMenus();
        menuBar->ApplyCommandIDs();
    }
}

void CABCWindow::HandleHelp(const WindowPort::SMessage& message)
{
    // A control's own topic shows as a pop-up, the window's as a topic, and
    // without either the contents open.
    const CView* view = mRootView->HitTest(int16_t(message.point.x), int16_t(message.point.y));
    const int32_t topic = view != nullptr ? view->FindHelpTopic() : 0;
    CApplication::EHelpCommand command = CApplication::EHelpCommand::kContents;
    if (dynamic_cast<const CControlView*>(view) != nullptr && view->GetHelpTopic() != 0)
        command = CApplication::EHelpCommand::kContextPopup;
    else if (topic != 0)
        command = CApplication::EHelpCommand::kContext;
    try {
        GetApplication()->ShowHelp(command, uint32_t(topic));
    } catch (const XBase&) {
        // A program without a help file has no help to show; a key press is no
        // reason to end it.
    }
}
