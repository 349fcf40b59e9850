// Alert boxes in the application's loop: layout by button count and icon,
// parameters, results, the Return key, and what is drawn where.
#include "images/Canvas.h"
#include "media/XBase.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/AlertBox.h"
#include "ui/AlertPlacement.h"
#include "ui/IconView.h"
#include "ui/NativePushButtonView.h"
#include "ui/StaticTextView.h"
#include "ui/WindowList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SViewRect Item(const CAlertBox& alert, uint16_t item)
{
    return alert.GetLayoutRect(item).value_or(SViewRect());
}

SViewRect Shifted(SViewRect rect, int32_t dx)
{
    rect.left = static_cast<int16_t>(rect.left + dx);
    rect.right = static_cast<int16_t>(rect.right + dx);
    return rect;
}

// Opens the alert, lets `act` do something to it, runs it modally and returns
// what it wrote to the result.
int32_t RunAlertBox(CAlertBox* alert, int32_t& result, const std::function<void(CAlertBox&)>& act)
{
    alert->CentreOnScreen();
    act(*alert);
    RunModal(*alert);
    return result;
}

void PostKey(WindowPort::WindowHandle window, uint32_t virtualKey, bool extended = false)
{
    WindowPort::SMessage key;
    key.kind = WindowPort::EMessage::kKeyDown;
    key.window = window;
    key.virtualKey = virtualKey;
    key.extended = extended;
    key.time = WindowPort::GetTickCount();
    WindowPort::PostMessage(key);
}

} // namespace

TEST(AlertBox, OneButtonStandsInTheMiddleAndReturnPressesIt)
{
    RunInApplication([](CTestApplication&) {
        for (const bool keypadEnter : {false, true}) {
            int32_t result = CAlertBox::kNoButton;
            auto* alert = new CAlertBox("[STOP]Not enough memory to complete operation![OK]", &result);
            EXPECT_EQ(RunAlertBox(alert, result, [&](CAlertBox& a) {
                          ASSERT_NE(a.GetButton(0), nullptr);
                          EXPECT_EQ(a.GetButton(1), nullptr);
                          EXPECT_EQ(a.GetButton(0)->GetLabel(), "OK");
                          EXPECT_TRUE(a.GetButton(0)->IsDefault());
                          EXPECT_EQ(a.GetButton(0)->GetBounds(), Item(a, AlertPlacement::kSecondButtonItem));
                          EXPECT_EQ(a.GetIconView()->GetKind(), static_cast<int32_t>(EIconKind::kStop));
                          EXPECT_EQ(a.GetTextView()->GetText(), "Not enough memory to complete operation!");
                          EXPECT_EQ(a.GetTextView()->GetBounds(), Item(a, AlertPlacement::kTextItem));
                          EXPECT_EQ(a.GetFocusView(), a.GetButton(0));
                          // Escape presses nothing; Return (or keypad Enter) the default button.
                          PostKey(a.GetHandle(), 27);
                          PostKey(a.GetHandle(), 13, keypadEnter);
                      }),
                      CAlertBox::kFirstButton);
        }
    });
}

TEST(AlertBox, TwoButtonsReadRightToLeftAsAPairInTheMiddle)
{
    RunInApplication([](CTestApplication&) {
        int32_t result = CAlertBox::kNoButton;
        auto* alert = new CAlertBox("[NOTE]This will overwrite your entire Song - all knob and button automation "
                                    "will be cleared.[Cancel][Initialize]",
                                    &result);
        EXPECT_EQ(RunAlertBox(alert, result, [](CAlertBox& a) {
                      const int32_t half = (Item(a, 2).left - Item(a, 1).left) / 2;
                      EXPECT_EQ(a.GetButton(0)->GetLabel(), "Initialize");
                      EXPECT_EQ(a.GetButton(1)->GetLabel(), "Cancel");
                      EXPECT_EQ(a.GetButton(0)->GetBounds(), Shifted(Item(a, 1), half));
                      EXPECT_EQ(a.GetButton(1)->GetBounds(), Shifted(Item(a, 2), half));
                      EXPECT_EQ(a.GetIconView()->GetKind(), static_cast<int32_t>(EIconKind::kNote));
                      a.GetButton(1)->Press();
                  }),
                  CAlertBox::kSecondButton);
    });
}

TEST(AlertBox, ThreeButtonsStayAndWithoutIconTheTextMovesLeft)
{
    RunInApplication([](CTestApplication&) {
        int32_t result = CAlertBox::kNoButton;
        auto* alert = new CAlertBox("[NONE]\r\nSave the changes?[No][Maybe][Yes]", &result);
        EXPECT_EQ(RunAlertBox(alert, result, [](CAlertBox& a) {
                      for (uint16_t i = 0; i < 3; ++i)
                          EXPECT_EQ(a.GetButton(i)->GetBounds(), Item(a, static_cast<uint16_t>(i + 1)));
                      SViewRect text = Item(a, AlertPlacement::kTextItem);
                      text.left = Item(a, AlertPlacement::kIconItem).left;
                      EXPECT_EQ(a.GetTextView()->GetBounds(), text);
                      EXPECT_EQ(a.GetTextView()->GetText(), "Save the changes?"); // no empty first line
                      a.GetButton(2)->Press();
                  }),
                  CAlertBox::kThirdButton);
    });
}

TEST(AlertBox, ScriptAlertWithAParameterAndTheTitle)
{
    RunInApplication([](CTestApplication& application) {
        int32_t result = CAlertBox::kNoButton;
        auto* alert = new CAlertBox(1000002u, &result);
        alert->AddParameter("Kick.aif");
        alert->AddParameter("^0");
        alert->AddParameter("two");
        alert->AddParameter("three");
        EXPECT_THROW(alert->AddParameter("a fifth"), XBase);
        EXPECT_EQ(RunAlertBox(alert, result, [&](CAlertBox& a) {
                      EXPECT_EQ(a.GetTextView()->GetText(), "The file \"Kick.aif\" could not be found.");
                      EXPECT_EQ(a.GetTitle(), application.GetName());
                      a.GetButton(0)->Press();
                  }),
                  CAlertBox::kFirstButton);
    });
}

TEST(AlertBox, WithoutButtonsTheResultStaysPreset)
{
    RunInApplication([](CTestApplication&) {
        int32_t result = CAlertBox::kNoButton;
        auto* alert = new CAlertBox("[STOP]No way out", &result);
        EXPECT_EQ(RunAlertBox(alert, result, [](CAlertBox& a) {
                      EXPECT_EQ(a.GetButton(0), nullptr);
                      a.Close();
                  }),
                  CAlertBox::kNoButton);
    });
}

TEST(AlertBox, TextIsDrawnInsideItsRectangleOnly)
{
    RunInApplication([](CTestApplication& application) {
        int32_t result = CAlertBox::kNoButton;
        auto* alert = new CAlertBox("[NONE]Drop a folder containing the Tandrel Mod components on this "
                                    "application.[Quit]",
                                    &result);
        EXPECT_EQ(RunAlertBox(alert, result, [&](CAlertBox& a) {
                      const WindowPort::WindowHandle window = a.GetHandle();
                      ASSERT_TRUE(PumpUntil(application, [&] {
                          return WindowPort::GetPaintCounts(window).drawingCalls > 0;
                      }));
                      const SViewRect text = a.GetTextView()->GetBounds();
                      const WindowPort::SSize client = WindowPort::GetClientSize(window);
                      int inside = 0, outside = 0;
                      for (int32_t y = 0; y < client.height; ++y) {
                          for (int32_t x = 0; x < client.width; ++x) {
                              const WindowPort::SColour c = WindowPort::GetPixel(window, x, y);
                              const bool dark = c.red < 0x60 && c.green < 0x60 && c.blue < 0x60;
                              if (!dark)
                                  continue;
                              (text.Contains(x, y) ? inside : outside)++;
                          }
                      }
                      EXPECT_GT(inside, 0);
                      EXPECT_EQ(outside, 0); // the button is a native control, not in the window's image
                      PostKey(window, 13);
                  }),
                  CAlertBox::kFirstButton);
    });
}

TEST(AlertBox, TheCommandLinesMissingFileShowsAsAnAlertBox)
{
    InstallFrameworkAlertBoxes();
    CTestApplication application("no-such-file-here");
    std::string shown;
    application.onIdle = [&] {
        for (size_t i = 0; i < CWindowList::GetCount(); ++i) {
            auto* alert = dynamic_cast<CAlertBox*>(CWindowList::GetAt(i));
            if (alert != nullptr && shown.empty() && alert->GetButton(0) != nullptr) {
                shown = alert->GetTextView()->GetText();
                alert->GetButton(0)->Press();
            }
        }
    };
    application.Run();
    EXPECT_EQ(shown, "The file \"no-such-file-here\" could not be found.");
    EXPECT_EQ(application.nothingToOpenCalls, 1);
}

namespace {

// What the alert shows, its native buttons included.
struct SShownAlert {
    std::vector<uint32_t> pixels;
    WindowPort::SSize size;

    bool IsDark(int32_t x, int32_t y) const
    {
        const uint32_t p = pixels[static_cast<size_t>(y) * size.width + x];
        return ((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
    }
    // Rows of `rect` that hold dark pixels.
    std::vector<int32_t> InkRows(const SViewRect& rect) const
    {
        std::vector<int32_t> rows;
        for (int32_t y = rect.top; y < rect.bottom; ++y) {
            for (int32_t x = rect.left; x < rect.right; ++x) {
                if (IsDark(x, y)) {
                    rows.push_back(y);
                    break;
                }
            }
        }
        return rows;
    }
};

} // namespace

TEST(AlertBox, ButtonsStandAtTheirRectanglesAndTheMessageBreaksAtItsCarriageReturn)
{
    RunInApplication([](CTestApplication& application) {
        int32_t result = CAlertBox::kNoButton;
        // Short enough for one line, were it not for the carriage return.
        auto* alert = new CAlertBox("[NOTE]\r\nOne\rTwo\r\n[OK]", &result);
        EXPECT_EQ(RunAlertBox(alert, result, [&](CAlertBox& a) {
                      const WindowPort::WindowHandle window = a.GetHandle();
                      ASSERT_TRUE(PumpUntil(application, [&] {
                          return WindowPort::GetPaintCounts(window).drawingCalls > 0;
                      }));
                      const SViewRect button = a.GetButton(0)->GetBounds();
                      EXPECT_EQ(button, Item(a, AlertPlacement::kSecondButtonItem));
                      const WindowPort::SRect native = WindowPort::GetControlRect(a.GetButton(0)->GetNativeControl());
                      EXPECT_EQ(SViewRect::FromPort(native), button);

                      SShownAlert shown;
                      shown.pixels = WindowPort::GrabClientArea(window, shown.size);
                      ASSERT_EQ(shown.pixels.size(), static_cast<size_t>(shown.size.width) * shown.size.height);
                      // The label's ink lies inside the button; the text's in two
                      // runs of rows inside its rectangle, a line apart.
                      EXPECT_FALSE(shown.InkRows(button).empty());
                      const std::vector<int32_t> rows = shown.InkRows(a.GetTextView()->GetBounds());
                      ASSERT_FALSE(rows.empty());
                      int runs = 1;
                      for (size_t i = 1; i < rows.size(); ++i)
                          runs += rows[i] > rows[i - 1] + 1 ? 1 : 0;
                      EXPECT_EQ(runs, 2);
                      // Nothing dark between the text and the button.
                      const SViewRect gap{0, a.GetTextView()->GetBounds().bottom, static_cast<int16_t>(shown.size.width),
                                          button.top};
                      EXPECT_TRUE(shown.InkRows(gap).empty());
                      PostKey(window, 13);
                  }),
                  CAlertBox::kFirstButton);
    });
}
