#pragma once

#include "ui/AlertMarkup.h"
#include "ui/ModalDialog.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CIconView;
class CNativePushButtonView;
class CStaticTextView;

// The framework's message box (layout 10005): an icon, one text and one to
// three push buttons, built from the bracket markup, for example
// "[STOP]Drop a folder containing the Tandrel Mod components on this application.[Quit]".
// The first button carries the markup's last label, stands leftmost and is the
// default button, so Return and keypad Enter press it; Escape presses nothing.
// A press writes 33, 34 or 35 for the first, second or third button to the
// caller's result and closes the alert.
class CAlertBox : public CModalDialog {
public:
    static constexpr int32_t kFirstButton = 33;
    static constexpr int32_t kSecondButton = 34;
    static constexpr int32_t kThirdButton = 35;
    // What callers preset: it stays when the alert closes without a button.
    static constexpr int32_t kNoButton = 36;

    // The markup of an alert script entry (the script's failures propagate).
    CAlertBox(uint32_t alertId, int32_t* result, CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    CAlertBox(const std::string& markup, int32_t* result,
              CWindowBitmapLoader& loader = CWindowBitmapLoader::GetDefault());
    ~CAlertBox() override;

    // The text for the next placeholder "^0" to "^3", cut to 64 characters.
    // XBase for a fifth parameter.
    void AddParameter(const std::string& text);

    // Builds the views from the markup, then opens as every window does.
    void Open(const WindowPort::SRect& outer) override;
    // Moves the views to their places for the number of buttons and the icon.
    void Layout() override;
    void HandleControls() override;

    const std::string& GetMarkup() const { return mMarkup; }
    const SAlertContent& GetContent() const { return mContent; }
    // Null for a button the markup does not have, and before the alert opens.
    CNativePushButtonView* GetButton(size_t index) const;
    CStaticTextView* GetTextView() const { return mTextView.get(); }
    CIconView* GetIconView() const { return mIconView.get(); }

private:
    void BuildContents();
    void Press(size_t index);

    std::string mMarkup; // at most 255 characters
    std::vector<std::string> mParameters;
    int32_t* mResult;    // the caller's; written when a button is pressed
    SAlertContent mContent;
    std::array<std::unique_ptr<CNativePushButtonView>, 3> mButtons;
    std::unique_ptr<CStaticTextView> mTextView;
    std::unique_ptr<CIconView> mIconView;
};

// Each makes an alert with the result preset to 36, centres it on the screen,
// runs it modally and returns the result.
int32_t ShowAlert(uint32_t alertId);
int32_t ShowAlert(uint32_t alertId, const std::string& parameter);
int32_t ShowAlert(const std::string& markup);

// Makes the framework's own alerts (ShowFrameworkAlert, such as the command
// line's "could not be found") alert boxes. A program that has this file
// gets it done at start; whoever replaced the function puts it back with this.
void InstallFrameworkAlertBoxes();
