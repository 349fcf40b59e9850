// The lengthy operation on a made-up clock: when its window opens, what it
// shows, and the stop button.
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/LengthyOperation.h"
#include "ui/LengthyOperationWindow.h"
#include "ui/NativePushButtonView.h"
#include "ui/ProgressBar.h"
#include "ui/StaticTextView.h"
#include "ui/WindowGroupView.h"

#include <gtest/gtest.h>

namespace {

// Ticks that only move when the test says so.
struct SFakeClock {
    uint32_t now = 5000;
    CLengthyOperation::Clock Get()
    {
        return [this] { return now; };
    }
};

} // namespace

TEST(LengthyOperation, WorkWithinFiveSecondsShowsNoWindow)
{
    RunInApplication([](CTestApplication&) {
        SFakeClock clock;
        CLengthyOperation operation("Packing", "Stop", clock.Get());
        for (; clock.now < 5000 + 300; clock.now += 7) {
            operation.SetProgress(1, 0);
            ASSERT_EQ(operation.GetWindow(), nullptr) << clock.now;
        }
        EXPECT_FALSE(operation.StopRequested());
        clock.now = 5294 + 13; // past 300 ticks, and the next check is due
        operation.SetProgress(2, 0);
        EXPECT_NE(operation.GetWindow(), nullptr);
    });
}

TEST(LengthyOperation, ShowNowOpensAtTheNextCheckAndTheWindowShowsTheProgress)
{
    RunInApplication([](CTestApplication&) {
        CDocumentWindow document(2, "Log");
        SFakeClock clock;
        CLengthyOperation operation(1000099u, 1000010, clock.Get()); // "Counting to 1000:" and "Stop"
        operation.ShowNow();
        operation.SetProgress(1000, 47);
        CLengthyOperationWindow* window = operation.GetWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(WindowPort::IsVisible(window->GetHandle()));
        EXPECT_FALSE(WindowPort::IsEnabled(document.GetHandle()));
        EXPECT_EQ(window->GetButton().GetLabel(), "Stop");
        EXPECT_EQ(window->GetTextView().GetText(), "Counting to 1000:");
        EXPECT_EQ(window->GetValueView().GetText(), "1000");
        EXPECT_EQ(WindowPort::GetControlValue(window->GetProgressBar().GetNativeControl()), 470);

        // The stop button sets the request the work polls.
        EXPECT_FALSE(operation.StopRequested());
        window->GetButton().Press();
        EXPECT_TRUE(operation.StopRequested());
    });
}

TEST(LengthyOperation, EndingTheWorkRemovesTheWindowAndEnablesTheOthers)
{
    RunInApplication([](CTestApplication&) {
        CDocumentWindow document(2, "Log");
        SFakeClock clock;
        WindowPort::WindowHandle progress = 0;
        {
            CLengthyOperation operation("Packing", "Stop", clock.Get());
            operation.ShowNow();
            operation.SetProgress(0, 0);
            progress = operation.GetWindow()->GetHandle();
            EXPECT_FALSE(WindowPort::IsEnabled(document.GetHandle()));
        }
        EXPECT_FALSE(WindowPort::IsWindow(progress));
        EXPECT_TRUE(WindowPort::IsEnabled(document.GetHandle()));
    });
}

TEST(ProgressBar, SendsTheValueOnlyWhenItChanged)
{
    RunInApplication([](CTestApplication&) {
        CDocumentWindow document(2, "Log");
        CProgressBar bar(&document.GetRootView(), {10, 10, 210, 30});
        const WindowPort::ControlHandle control = bar.GetNativeControl();
        bar.SetValue(470);
        bar.Update();
        EXPECT_EQ(WindowPort::GetControlValue(control), 470);
        // Behind the bar's back: an update without a change sends nothing.
        WindowPort::SetControlValue(control, 5);
        bar.Update();
        EXPECT_EQ(WindowPort::GetControlValue(control), 5);
        bar.SetEnabled(false);
        bar.Update();
        EXPECT_EQ(WindowPort::GetControlValue(control), 470);
        bar.SetValue(1000);
        bar.Update();
        EXPECT_EQ(WindowPort::GetControlValue(control), 1000);
    });
}
