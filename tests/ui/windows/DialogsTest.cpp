// Windows and dialogs: styles, modality, layouts read to pixels, modal loops and
// the keys of modal dialogs.
#include "media/XBase.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DialogLayout.h"
#include "ui/DocumentWindow.h"
#include "ui/ModalDialog.h"
#include "ui/ModelessDialog.h"
#include "ui/NativePushButtonView.h"
#include "ui/SaveBeforeCloseDialog.h"
#include "ui/WindowGroupView.h"
#include "ui/WindowList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using WindowPort::EMessage;

namespace {

std::string Flags(const WindowPort::SWindowStyle& style)
{
    std::string flags;
    flags += style.caption ? "caption " : "";
    flags += style.systemMenu ? "close " : "";
    flags += style.contextHelp ? "help " : "";
    flags += style.sizingFrame ? "sizing " : "";
    flags += style.minimiseBox ? "minimise " : "";
    flags += style.maximiseBox ? "maximise " : "";
    return flags;
}

TEST(Windows, StylesGiveTheirFrames)
{
    EXPECT_EQ(Flags(CDocumentWindow::StyleFor(0)), "caption close ");
    EXPECT_EQ(Flags(CDocumentWindow::StyleFor(1)), "caption close help ");
    EXPECT_EQ(Flags(CDocumentWindow::StyleFor(2)), "caption close sizing minimise maximise ");
    EXPECT_EQ(Flags(CDocumentWindow::StyleFor(3)), "caption close sizing minimise ");
    EXPECT_THROW(CDocumentWindow::StyleFor(4), XBase);
    EXPECT_EQ(Flags(CModalDialog::StyleFor(0)), "caption ");
    EXPECT_EQ(Flags(CModalDialog::StyleFor(1)), "caption close help ");
    EXPECT_EQ(Flags(CModalDialog::StyleFor(2)), "caption ");
    EXPECT_THROW(CModalDialog::StyleFor(3), XBase);
    EXPECT_EQ(Flags(CModelessDialog::StyleFor(2)), "caption close sizing minimise maximise ");
    EXPECT_THROW(CModelessDialog::StyleFor(-1), XBase);
}

// Disable counts are 0 or 1, not a nesting depth: the second dialog's end
// enables every window, the main window and the first dialog included.
TEST(Windows, ModalityWithTwoDialogs)
{
    RunInApplication([](CTestApplication&) {
        CDocumentWindow main(2, "main");
        auto first = std::make_unique<CModalDialog>(0, 10005);
        EXPECT_FALSE(WindowPort::IsEnabled(main.GetHandle()));
        EXPECT_EQ(main.GetDisableCount(), 1);
        auto second = std::make_unique<CModalDialog>(0, 10005);
        EXPECT_EQ(main.GetDisableCount(), 1);
        EXPECT_EQ(first->GetDisableCount(), 1);
        EXPECT_FALSE(WindowPort::IsEnabled(first->GetHandle()));
        EXPECT_TRUE(WindowPort::IsEnabled(second->GetHandle()));

        second.reset();
        EXPECT_TRUE(WindowPort::IsEnabled(main.GetHandle()));
        EXPECT_TRUE(WindowPort::IsEnabled(first->GetHandle()));
        EXPECT_EQ(main.GetDisableCount(), 0);
        EXPECT_EQ(first->GetDisableCount(), 0);
        first.reset();
        EXPECT_TRUE(WindowPort::IsEnabled(main.GetHandle()));
    });
}

// The alert layout in pixels: base units from its font ("MS Sans Serif" 8
// points, which this platform maps to its sans-serif face at 11 pixels): the
// line height down, (width of the 52 letters / 26 + 1) / 2 across.
TEST(Windows, TheAlertLayoutReadsToThePixelRectanglesOfItsFont)
{
    RunInApplication([](CTestApplication& application) {
        const WindowPort::FontHandle font = WindowPort::CreateFont({"MS Sans Serif", 11, false, false, false});
        const int32_t h =
            (WindowPort::GetTextExtent(font, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").width / 26 + 1) / 2;
        const int32_t v = WindowPort::GetTextMetrics(font).height;
        WindowPort::DeleteFont(font);
        ASSERT_GT(h, 0);
        ASSERT_GT(v, 0);
        const auto pixels = [h, v](int x, int y, int width, int height) {
            const int left = x * h / 4;
            const int top = y * v / 8;
            return SViewRect{int16_t(left), int16_t(top), int16_t(left + width * h / 4), int16_t(top + height * v / 8)};
        };

        CModalDialog dialog(0, 10005);
        EXPECT_EQ(dialog.GetLayoutRect(1), pixels(10, 60, 54, 14));
        EXPECT_EQ(dialog.GetLayoutRect(2), pixels(68, 60, 54, 14));
        EXPECT_EQ(dialog.GetLayoutRect(3), pixels(126, 60, 54, 14));
        EXPECT_EQ(dialog.GetLayoutRect(4), pixels(37, 10, 143, 44));
        EXPECT_EQ(dialog.GetLayoutRect(5), pixels(10, 10, 20, 20));
        EXPECT_EQ(dialog.GetLayoutRect(6), std::nullopt);
        const WindowPort::SSize client = WindowPort::GetClientSize(dialog.GetHandle());
        EXPECT_EQ(client.width, 190 * h / 4);
        EXPECT_EQ(client.height, 80 * v / 8);
        // The layout's title is empty, so the dialog carries the application's name.
        EXPECT_EQ(dialog.GetTitle(), application.GetName());
        EXPECT_THROW(CModalDialog(0, 10001), XBase);
    });
}

// A dialog that closes when its button is pressed, and records whether it was
// still listed right after the close.
class CButtonDialog : public CModelessDialog {
public:
    CButtonDialog() : CModelessDialog(0, "button")
    {
        mButton = std::make_unique<CNativePushButtonView>(&GetRootView(), SViewRect{10, 10, 80, 30}, "Close");
    }
    void HandleControls() override
    {
        pressedSeen += mButton->IsPressed() ? 1 : 0;
        if (mButton->IsPressed()) {
            Close();
            listedAfterClose = CWindowList::Contains(this);
        }
        CModelessDialog::HandleControls();
    }
    WindowPort::ControlHandle GetButton() const { return mButton->GetNativeControl(); }
    bool IsButtonPressed() const { return mButton->IsPressed(); }

    int pressedSeen = 0;
    bool listedAfterClose = false;

private:
    std::unique_ptr<CNativePushButtonView> mButton;
};

// A click sets the button's flag only while the windows handle their
// controls; the dialog closes, stays listed, and the modal loop runs on until
// the idle pass has deleted it.
TEST(Windows, AButtonClickClosesItsDialogAndTheModalLoopEndsAfterTheIdlePass)
{
    RunInApplication([](CTestApplication& application) {
        CButtonDialog* dialog = new CButtonDialog();
        dialog->Open({300, 300, 500, 400});
        WindowPort::SMessage click;
        click.kind = EMessage::kCommand;
        click.window = dialog->GetHandle();
        click.control = dialog->GetButton();
        WindowPort::PostMessage(click);
        const int passes = application.idlePasses;
        RunModal(*dialog);
        EXPECT_FALSE(CWindowList::Contains(dialog));
        EXPECT_GT(application.idlePasses, passes);
    });
}

TEST(Windows, ThePressedFlagIsSetOnlyDuringTheControlRound)
{
    RunInApplication([](CTestApplication& application) {
        CButtonDialog dialog;
        WindowPort::SMessage click;
        click.kind = EMessage::kCommand;
        click.window = dialog.GetHandle();
        click.control = dialog.GetButton();
        application.DispatchOne(click);
        EXPECT_EQ(dialog.pressedSeen, 1);
        EXPECT_TRUE(dialog.listedAfterClose);
        EXPECT_FALSE(dialog.IsButtonPressed());
        EXPECT_TRUE(dialog.IsMarkedForDeletion());
    });
}

// Keys reach the dialog as the platform delivers them: to the active window.
int32_t AskAndType(CTestApplication& application, uint32_t virtualKey)
{
    bool typed = false;
    application.onIdle = [&] {
        if (typed || dynamic_cast<CSaveBeforeCloseDialog*>(CWindowList::GetActive()) == nullptr)
            return;
        typed = true;
        WindowPort::SMessage key;
        key.kind = EMessage::kKeyDown;
        key.window = WindowPort::GetActiveWindow();
        key.virtualKey = virtualKey;
        WindowPort::PostMessage(key);
    };
    const int32_t result = CSaveBeforeCloseDialog::Ask("Drums");
    application.onIdle = nullptr;
    return result;
}

TEST(Windows, ReturnSavesAndEscapeCancelsBeforeClosing)
{
    RunInApplication([](CTestApplication& application) {
        CDocumentWindow main(2, "document");
        EXPECT_EQ(AskAndType(application, 13), CSaveBeforeCloseDialog::kSave);
        EXPECT_EQ(AskAndType(application, 27), CSaveBeforeCloseDialog::kCancel);
        EXPECT_TRUE(WindowPort::IsEnabled(main.GetHandle()));
        EXPECT_EQ(CWindowList::GetCount(), 1u);
    });
    EXPECT_EQ(CSaveBeforeCloseDialog::FormatQuestion("Save changes to the %s document \"%s\" before closing?",
                                                     "ModStower", "Drums %s"),
              "Save changes to the ModStower document \"Drums %s\" before closing?");
}

} // namespace
