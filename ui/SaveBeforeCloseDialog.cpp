#include "ui/SaveBeforeCloseDialog.h"

#include "ui/Application.h"
#include "ui/DialogLayout.h"
#include "ui/IconView.h"
#include "ui/NativePushButtonView.h"
#include "ui/StaticTextView.h"
#include "ui/WindowGroupView.h"
#include "ui/WindowList.h"

namespace {

constexpr uint16_t kLayout = 10003;
enum EItem : uint16_t { kSaveItem = 1, kCancelItem = 2, kDontSaveItem = 3, kQuestionItem = 4, kIconItem = 5 };

} // namespace

CSaveBeforeCloseDialog::CSaveBeforeCloseDialog(const std::string& documentName, int32_t* result,
                                               CWindowBitmapLoader& loader)
    : CModalDialog(0, kLayout, loader)
    , mResult(result)
{
    CWindowGroupView& root = GetRootView();
    const auto button = [&](uint16_t item, CNativePushButtonView::EStyle style) {
        const CDialogLayout::SItem& layoutItem = GetLayoutItem(item);
        return std::make_unique<CNativePushButtonView>(&root, layoutItem.rect, layoutItem.text, style);
    };
    mSave = button(kSaveItem, CNativePushButtonView::EStyle::kDefault);
    mCancel = button(kCancelItem, CNativePushButtonView::EStyle::kNormal);
    mDontSave = button(kDontSaveItem, CNativePushButtonView::EStyle::kNormal);
    const CDialogLayout::SItem& question = GetLayoutItem(kQuestionItem);
    const std::string application = GetApplication() != nullptr ? GetApplication()->GetName() : "";
    mQuestion = std::make_unique<CStaticTextView>(&root, question.rect,
                                                  FormatQuestion(question.text, application, documentName));
    mIcon = std::make_unique<CIconView>(&root, GetLayoutItem(kIconItem).rect, CIconView::kExclamation);
    SetDefaultButton(mSave.get());
    SetCancelButton(mCancel.get());
}

CSaveBeforeCloseDialog::~CSaveBeforeCloseDialog()
{
    SetDefaultButton(nullptr);
    SetCancelButton(nullptr);
}

void CSaveBeforeCloseDialog::HandleControls()
{
    if (mDontSave->IsPressed())
        Answer(kDontSave);
    if (mCancel->IsPressed())
        Answer(kCancel);
    if (mSave->IsPressed())
        Answer(kSave);
    CModalDialog::HandleControls();
}

void CSaveBeforeCloseDialog::Answer(int32_t result)
{
    if (mResult != nullptr)
        *mResult = result;
    Close();
}

int32_t CSaveBeforeCloseDialog::Ask(const std::string& documentName)
{
    int32_t result = kNoAnswer;
    auto* dialog = new CSaveBeforeCloseDialog(documentName, &result); // the window list's until deleted
    const uint64_t serial = dialog->GetSerial();
    dialog->CentreOnScreen();
    dialog->SetFocusView(dialog->mSave.get());
    RunModal(*dialog);
    // The loop also ends when the application quits; a dialog left over then
    // must not write into this call's result later.
    if (CWindowList::ContainsSerial(serial)) {
        dialog->mResult = nullptr;
        dialog->Destroy();
    }
    return result;
}

std::string CSaveBeforeCloseDialog::FormatQuestion(const std::string& pattern, const std::string& application,
                                                   const std::string& document)
{
    // Filled by hand, not by printf: the pattern comes from a resource.
    std::string text = pattern;
    size_t at = 0;
    for (const std::string* value : {&application, &document}) {
        at = text.find("%s", at);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, *value);
        at += value->size();
    }
    return text;
}
