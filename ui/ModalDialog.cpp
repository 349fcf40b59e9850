#include "ui/ModalDialog.h"

#include "media/XBase.h"
#include "ui/ABCMenuBar.h"
#include "ui/Application.h"
#include "ui/KeyEvent.h"
#include "ui/NativePushButtonView.h"
#include "ui/WindowList.h"

namespace {

constexpr WindowPort::SRect kInitialRect{200, 200, 400, 300};

// What RunModal switches off for the modal loop and gives back afterwards,
// also when the loop ends in an exception.
class CModalState {
public:
    explicit CModalState(CApplication& application)
        : mApplication(application)
        , mMenuBar(application.GetMenuBar())
        , mStayOnTop(application.GetStayOnTop())
    {
        if (mMenuBar != nullptr)
            mMenuBar->Disable();
        if (mStayOnTop)
            SetMainWindowOnTop(false);
    }
    ~CModalState()
    {
        if (mStayOnTop)
            SetMainWindowOnTop(true);
        if (mMenuBar != nullptr)
            mMenuBar->Enable();
    }
    CModalState(const CModalState&) = delete;
    CModalState& operator=(const CModalState&) = delete;

private:
    void SetMainWindowOnTop(bool onTop) const
    {
        if (const CABCWindow* main = mApplication.GetMainWindow())
            WindowPort::SetStayOnTop(main->GetHandle(), onTop);
    }

    CApplication& mApplication;
    CABCMenuBar* mMenuBar;
    bool mStayOnTop;
};

} // namespace

CModalDialog::CModalDialog(int32_t style, uint16_t layoutId, CWindowBitmapLoader& loader)
    : CABCWindow(EKind::kDialog, StyleFor(style), "", kInitialRect, loader)
{
    ReadLayout(layoutId);
    DisableOtherWindows();
    AddToWindowList();
}

CModalDialog::~CModalDialog()
{
    EnableOtherWindows();
}

WindowPort::SWindowStyle CModalDialog::StyleFor(int32_t style)
{
    WindowPort::SWindowStyle result;
    result.kind = WindowPort::EWindowKind::kDialog;
    result.systemMenu = false;
    switch (style) {
    case 0:
    case 2: break;
    case 1: result.systemMenu = result.contextHelp = true; break;
    default: throw XBase();
    }
    return result;
}

void CModalDialog::KeyEvent(const CKeyEvent& key)
{
    if (key.kind == CKeyEvent::kPressed) {
        if (key.keyCode == CKeyEvent::kEscapeKey && mCancelButton != nullptr)
            mCancelButton->PressWithLook();
        else if ((key.keyCode == CKeyEvent::kReturnKey || key.keyCode == CKeyEvent::kEnterKey)
                 && mDefaultButton != nullptr)
            mDefaultButton->PressWithLook();
    }
    CABCWindow::KeyEvent(key);
}

void CModalDialog::SetDefaultButton(CNativePushButtonView* button)
{
    if (mDefaultButton != nullptr)
        mDefaultButton->SetDefault(false);
    mDefaultButton = button;
    if (button != nullptr)
        button->SetDefault(true);
}

void RunModal(const CABCWindow& window)
{
    CApplication* application = GetApplication();
    if (application == nullptr)
        throw XInternalError();
    const CModalState modal(*application);
    // By serial number: the window is deleted by the idle pass, and a new window
    // may take its address.
    const uint64_t serial = window.GetSerial();
    while (CWindowList::ContainsSerial(serial) && application->GetLoopState() != CApplication::ELoopState::kQuitting)
        application->ProcessPendingMessages();
}
