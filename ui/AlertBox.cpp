#include "ui/AlertBox.h"

#include "media/XBase.h"
#include "resources/ResourceText.h"
#include "ui/AlertPlacement.h"
#include "ui/DialogLayout.h"
#include "ui/FrameworkAlert.h"
#include "ui/IconView.h"
#include "ui/NativePushButtonView.h"
#include "ui/StaticTextView.h"
#include "ui/WindowGroupView.h"

namespace {

constexpr uint16_t kAlertLayout = 10005;

std::string AlertScriptText(uint32_t alertId)
{
    char markup[AlertMarkup::kMaxMarkupLength + 1];
    GetAlertScript(alertId, markup, AlertMarkup::kMaxMarkupLength);
    return markup;
}

WindowPort::SRect PortRect(const std::optional<SViewRect>& rect)
{
    return rect.value_or(SViewRect()).ToPort();
}

// The alert stands in the window list from its construction; should opening
// fail, it is marked so the idle pass takes it away.
int32_t RunAlert(CAlertBox* alert, int32_t& result)
{
    try {
        alert->CentreOnScreen();
        RunModal(*alert);
    } catch (...) {
        alert->Destroy();
        throw;
    }
    return result;
}

int32_t ShowFrameworkAlertBox(uint32_t alertId, const char* parameter)
{
    return parameter != nullptr ? ShowAlert(alertId, parameter) : ShowAlert(alertId);
}

const bool kFrameworkAlertsInstalled = (InstallFrameworkAlertBoxes(), true);

} // namespace

CAlertBox::CAlertBox(uint32_t alertId, int32_t* result, CWindowBitmapLoader& loader)
    : CAlertBox(AlertScriptText(alertId), result, loader)
{
}

CAlertBox::CAlertBox(const std::string& markup, int32_t* result, CWindowBitmapLoader& loader)
    : CModalDialog(0, kAlertLayout, loader), mMarkup(markup.substr(0, AlertMarkup::kMaxMarkupLength)),
      mResult(result)
{
    (void)kFrameworkAlertsInstalled;
}

CAlertBox::~CAlertBox() = default;

void CAlertBox::AddParameter(const std::string& text)
{
    if (mParameters.size() >= AlertMarkup::kMaxParameters)
        throw XBase();
    mParameters.push_back(text.substr(0, AlertMarkup::kMaxParameterLength));
}

void CAlertBox::Open(const WindowPort::SRect& outer)
{
    if (!mTextView)
        BuildContents();
    CModalDialog::Open(outer);
    if (mButtons[0])
        SetFocusView(mButtons[0].get());
}

void CAlertBox::BuildContents()
{
    mContent = AlertMarkup::Parse(mMarkup, mParameters);
    CWindowGroupView& root = GetRootView();
    mTextView = std::make_unique<CStaticTextView>(&root, GetLayoutItem(AlertPlacement::kTextItem).rect,
                                                  mContent.message);
    for (size_t i = 0; i < mContent.buttonLabels.size(); ++i) {
        const auto item = static_cast<uint16_t>(AlertPlacement::kFirstButtonItem + i);
        mButtons[i] = std::make_unique<CNativePushButtonView>(&root, GetLayoutItem(item).rect,
                                                              mContent.buttonLabels[i]);
    }
    mIconView = std::make_unique<CIconView>(&root, GetLayoutItem(AlertPlacement::kIconItem).rect,
                                            static_cast<int32_t>(mContent.icon));
    SetDefaultButton(mButtons[0].get());
}

void CAlertBox::Layout()
{
    CModalDialog::Layout();
    if (!mTextView)
        return;
    AlertPlacement::SItems items;
    for (uint16_t i = 0; i < 3; ++i)
        items.buttons[i] = PortRect(GetLayoutRect(AlertPlacement::kFirstButtonItem + i));
    items.text = PortRect(GetLayoutRect(AlertPlacement::kTextItem));
    items.icon = PortRect(GetLayoutRect(AlertPlacement::kIconItem));
    const AlertPlacement::SPlacement placement =
        AlertPlacement::Place(items, mContent.buttonLabels.size(), mContent.icon);
    mTextView->SetBounds(SViewRect::FromPort(placement.text));
    mIconView->SetBounds(SViewRect::FromPort(placement.icon));
    for (size_t i = 0; i < mButtons.size(); ++i) {
        if (mButtons[i])
            mButtons[i]->SetBounds(SViewRect::FromPort(placement.buttons[i]));
    }
}

void CAlertBox::HandleControls()
{
    CModalDialog::HandleControls();
    for (size_t i = 0; i < mButtons.size(); ++i) {
        if (mButtons[i] && mButtons[i]->IsPressed())
            Press(i);
    }
}

CNativePushButtonView* CAlertBox::GetButton(size_t index) const
{
    return index < mButtons.size() ? mButtons[index].get() : nullptr;
}

void CAlertBox::Press(size_t index)
{
    if (mResult != nullptr)
        *mResult = kFirstButton + static_cast<int32_t>(index);
    Close();
}

int32_t ShowAlert(uint32_t alertId)
{
    int32_t result = CAlertBox::kNoButton;
    return RunAlert(new CAlertBox(alertId, &result), result);
}

int32_t ShowAlert(uint32_t alertId, const std::string& parameter)
{
    int32_t result = CAlertBox::kNoButton;
    auto* alert = new CAlertBox(alertId, &result);
    alert->AddParameter(parameter);
    return RunAlert(alert, result);
}

int32_t ShowAlert(const std::string& markup)
{
    int32_t result = CAlertBox::kNoButton;
    return RunAlert(new CAlertBox(markup, &result), result);
}

void InstallFrameworkAlertBoxes()
{
    SetFrameworkAlertFunction(&ShowFrameworkAlertBox);
}
