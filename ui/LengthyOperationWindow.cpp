#include "ui/LengthyOperationWindow.h"

#include "ui/DialogLayout.h"
#include "ui/ModalDialog.h"
#include "ui/NativePushButtonView.h"
#include "ui/ProgressBar.h"
#include "ui/StaticTextView.h"
#include "ui/WindowBitmapLoader.h"
#include "ui/WindowGroupView.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kLayout = 10000;
constexpr uint16_t kButtonItem = 1;
constexpr uint16_t kTextItem = 2;
constexpr uint16_t kBarItem = 3;
constexpr uint16_t kValueItem = 4;

// A dialog-class window with a caption and no close box, where the original
// platform put it before the layout sizes it.
constexpr WindowPort::SRect kInitialOuter{200, 200, 400, 300};

} // namespace

CLengthyOperationWindow::CLengthyOperationWindow(const std::string& buttonLabel, EOtherWindows others)
    : CABCWindow(EKind::kDialog, CModalDialog::StyleFor(0), "", kInitialOuter, CWindowBitmapLoader::GetDefault())
{
    ReadLayout(kLayout);
    CWindowGroupView& root = GetRootView();
    mButton = std::make_unique<CNativePushButtonView>(&root, ItemRect(kButtonItem), buttonLabel,
                                                      CNativePushButtonView::EStyle::kDefault);
    mTextView = std::make_unique<CStaticTextView>(&root, ItemRect(kTextItem), "");
    mProgressBar = std::make_unique<CProgressBar>(&root, ItemRect(kBarItem));
    mValueView = std::make_unique<CStaticTextView>(&root, ItemRect(kValueItem), "");
    if (others == EOtherWindows::kDisable) {
        DisableOtherWindows();
        mDisabledOthers = true;
    }
    AddToWindowList();
}

CLengthyOperationWindow::~CLengthyOperationWindow()
{
    if (mDisabledOthers)
        EnableOtherWindows();
}

void CLengthyOperationWindow::HandleControls()
{
    CABCWindow::HandleControls();
    if (mButton->IsPressed())
        mStopRequested = true;
    mTextView->SetText(mText);
    char value[24];
    std::snprintf(value, sizeof value, "%ld", static_cast<long>(mValue));
    mValueView->SetText(value);
    mProgressBar->SetValue(static_cast<int16_t>(std::min<int32_t>(mPercent, 100) * 10));
}

void CLengthyOperationWindow::Idle()
{
    CABCWindow::Idle();
    HandleControls();
    UpdateControls();
}

SViewRect CLengthyOperationWindow::ItemRect(uint16_t item) const
{
    return GetLayoutItem(item).rect;
}
