#pragma once

#include "ui/ModalDialog.h"

#include <cstdint>
#include <memory>
#include <string>

class CIconView;
class CNativePushButtonView;
class CStaticTextView;

// "Save changes before close?": layout 10003, the exclamation icon, the
// question 'Save changes to the <application> document "<name>" before
// closing?' and three buttons. Return presses "Save", Escape "Cancel".
class CSaveBeforeCloseDialog : public CModalDialog {
public:
    enum EResult : int32_t { kDontSave = 33, kCancel = 34, kSave = 35, kNoAnswer = 36 };

    // `result` is written when a button is pressed; the caller presets it.
    CSaveBeforeCloseDialog(const std::string& documentName, int32_t* result,
                           CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    ~CSaveBeforeCloseDialog() override;

    // A pressed button writes its result and closes the dialog.
    void HandleControls() override;

    // Shows the dialog centred on the screen, runs it modally and returns the
    // result: kNoAnswer when it went without a button.
    static int32_t Ask(const std::string& documentName);

    // The question with the layout's "%s" placeholders filled, application first.
    static std::string FormatQuestion(const std::string& pattern, const std::string& application,
                                      const std::string& document);

private:
    void Answer(int32_t result);

    std::unique_ptr<CNativePushButtonView> mSave;
    std::unique_ptr<CNativePushButtonView> mCancel;
    std::unique_ptr<CNativePushButtonView> mDontSave;
    std::unique_ptr<CStaticTextView> mQuestion;
    std::unique_ptr<CIconView> mIcon;
    int32_t* mResult; // the caller's; cleared when the caller stops waiting
};
