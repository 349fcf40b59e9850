// The application loop: idle passes and timers, the quit protocol, closing
// windows by the idle pass, the desktop session's question, double clicks.
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/ModelessDialog.h"
#include "ui/WindowList.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using WindowPort::EMessage;

namespace {

// A window that answers CanClose as told and writes its name when asked.
template <typename Window>
class CAsked : public Window {
public:
    CAsked(std::string name, std::vector<std::string>& asked, bool agrees = true)
        : Window(0, name), mName(std::move(name)), mAsked(asked), mAgrees(agrees)
    {
    }
    bool CanClose() override
    {
        mAsked.push_back(mName);
        return mAgrees;
    }

private:
    std::string mName;
    std::vector<std::string>& mAsked;
    bool mAgrees;
};
using CAskedWindow = CAsked<CModelessDialog>;
using CAskedDocument = CAsked<CDocumentWindow>;

WindowPort::SMessage MessageFor(EMessage kind, const CABCWindow& window)
{
    WindowPort::SMessage message;
    message.kind = kind;
    message.window = window.GetHandle();
    message.time = WindowPort::GetTickCount();
    return message;
}

TEST(ApplicationLoop, TheMainWindowIsAskedLastAndARefusalStopsTheProtocol)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::string> asked;
        new CAskedDocument("main", asked); // the windows are the list's until deleted
        new CAskedWindow("first", asked);
        new CAskedWindow("second", asked);
        ASSERT_EQ(application.GetMainWindow(), CWindowList::GetAt(0));
        EXPECT_TRUE(application.CloseAllWindows());
        EXPECT_EQ(asked, (std::vector<std::string>{"first", "second", "main"}));
        EXPECT_EQ(CWindowList::GetCount(), 0u);

        asked.clear();
        new CAskedDocument("main", asked);
        new CAskedWindow("agrees", asked);
        new CAskedWindow("refuses", asked, false);
        new CAskedWindow("never asked", asked);
        EXPECT_FALSE(application.CloseAllWindows());
        EXPECT_EQ(asked, (std::vector<std::string>{"agrees", "refuses"}));
        EXPECT_EQ(CWindowList::GetCount(), 3u);
    });
}

TEST(ApplicationLoop, QuitRunsTheCloseProtocolAfterTheCurrentMessage)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::string> asked;
        CAskedWindow* refusing = new CAskedWindow("refuses", asked, false);
        application.Quit();
        application.DispatchOne(MessageFor(EMessage::kMouseMove, *refusing));
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kRunning);
        EXPECT_TRUE(CWindowList::Contains(refusing));

        delete refusing;
        const CAskedDocument* main = new CAskedDocument("main", asked);
        application.Quit();
        application.DispatchOne(MessageFor(EMessage::kMouseMove, *main));
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kQuitting);
        EXPECT_EQ(CWindowList::GetCount(), 0u);
        EXPECT_EQ(asked, (std::vector<std::string>{"refuses", "main"}));
    });
}

// The close box of a document window runs the close protocol and, when every
// window agrees, ends the program; a refusal keeps everything.
TEST(ApplicationLoop, ClosingADocumentWindowClosesAllWindowsAndEndsTheProgram)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::string> asked;
        const CAskedDocument* main = new CAskedDocument("main", asked);
        CAskedWindow* refusing = new CAskedWindow("refuses", asked, false);
        application.DispatchOne(MessageFor(EMessage::kClose, *main));
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kRunning);
        EXPECT_EQ(CWindowList::GetCount(), 2u);

        delete refusing;
        application.DispatchOne(MessageFor(EMessage::kClose, *main));
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kQuitting);
        EXPECT_EQ(CWindowList::GetCount(), 0u);
        EXPECT_EQ(asked, (std::vector<std::string>{"refuses", "main"}));
    });
}

// With n windows every interval brings n + 1 idle passes: each window's timer
// and the application's own call Idle.
TEST(ApplicationLoop, IdleRunsOncePerTimerOfEveryWindowAndTheApplication)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::unique_ptr<CDocumentWindow>> windows;
        for (int i = 0; i < 3; ++i)
            windows.push_back(std::make_unique<CDocumentWindow>(0, "idle"));
        std::map<WindowPort::WindowHandle, int> ticks;
        int applicationTicks = 0;
        application.idlePasses = 0;
        const uint32_t start = WindowPort::GetTickCount();
        while (applicationTicks < 12 && WindowPort::GetTickCount() - start < 10000) {
            WindowPort::SMessage message;
            if (!WindowPort::GetMessage(message))
                continue;
            if (message.kind == EMessage::kTimer && message.window == 0)
                ++applicationTicks;
            else if (message.kind == EMessage::kTimer)
                ++ticks[message.window];
            application.DispatchOne(message);
        }
        ASSERT_EQ(applicationTicks, 12);
        int windowTicks = 0;
        for (const auto& window : windows) {
            // The timers run side by side at 50 ms; at the edges of the count one
            // may have fired once more or less than the application's.
            EXPECT_NEAR(ticks[window->GetHandle()], applicationTicks, 1);
            windowTicks += ticks[window->GetHandle()];
        }
        EXPECT_EQ(application.idlePasses, applicationTicks + windowTicks);
        EXPECT_NEAR(application.idlePasses, 4 * applicationTicks, 3);
    });
}

// A dialog closed while it handles a message only marks itself; it stays listed
// until the next idle pass deletes it.
TEST(ApplicationLoop, AWindowClosedDuringAnEventStaysListedUntilTheIdlePass)
{
    RunInApplication([](CTestApplication& application) {
        CModelessDialog* dialog = new CModelessDialog(0, "closing");
        const uint64_t serial = dialog->GetSerial();
        application.DispatchOne(MessageFor(EMessage::kClose, *dialog));
        ASSERT_TRUE(CWindowList::ContainsSerial(serial));
        EXPECT_TRUE(dialog->IsMarkedForDeletion());

        const int passes = application.idlePasses;
        ASSERT_TRUE(PumpUntil(application, [&] { return !CWindowList::ContainsSerial(serial); }));
        EXPECT_EQ(application.idlePasses, passes + 1);
    });
}

// A destroyed document window posts the platform's quit message; the loop
// takes it and goes on, since only the loop state ends it.
TEST(ApplicationLoop, AQuitMessageFromADestroyedWindowDoesNotEndTheLoop)
{
    // Ends the loop from its third idle pass.
    struct CCountingWindow : CModelessDialog {
        explicit CCountingWindow(int& passes) : CModelessDialog(0, "counts"), mPasses(passes) {}
        void Idle() override
        {
            if (++mPasses == 3)
                GetApplication()->QuitNow();
        }
        int& mPasses;
    };
    int passes = 0;
    CTestApplication application;
    application.startUp = [&] {
        new CDocumentWindow(0, "stays");
        delete new CDocumentWindow(0, "goes"); // queues the quit message, first of all
        new CCountingWindow(passes);
    };
    application.nothingToOpen = [] {};
    application.Run();
    EXPECT_EQ(passes, 3);
}

TEST(ApplicationLoop, TheEndOfTheSessionClosesAllWindowsOrKeepsRunning)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::string> asked;
        new CAskedDocument("main", asked);
        CAskedWindow* refusing = new CAskedWindow("refuses", asked, false);
        EXPECT_FALSE(WindowPort::QueryEndSession());
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kRunning);
        EXPECT_EQ(CWindowList::GetCount(), 2u);

        delete refusing;
        EXPECT_TRUE(WindowPort::QueryEndSession());
        EXPECT_EQ(application.GetLoopState(), CApplication::ELoopState::kQuitting);
        EXPECT_EQ(CWindowList::GetCount(), 0u);
        EXPECT_EQ(asked, (std::vector<std::string>{"refuses", "main"}));
    });
}

class CClickWindow : public CDocumentWindow {
public:
    explicit CClickWindow(std::vector<std::string>& clicks) : CDocumentWindow(0, "clicks"), mClicks(clicks) {}
    void MouseDown(int16_t x, int16_t y) override { mClicks.push_back("down " + Where(x, y)); }
    void DoubleClick(int16_t x, int16_t y) override { mClicks.push_back("double " + Where(x, y)); }

private:
    static std::string Where(int16_t x, int16_t y) { return std::to_string(x) + "," + std::to_string(y); }
    std::vector<std::string>& mClicks;
};

// A press is a double click when the last event was a release less than the
// double-click time before, in ticks; where it happens does not matter.
TEST(ApplicationLoop, DoubleClicksAreToldByTicksAfterARelease)
{
    RunInApplication([](CTestApplication& application) {
        std::vector<std::string> clicks;
        CClickWindow window(clicks);
        const WindowPort::WindowHandle handle = window.GetHandle();
        const uint32_t limit = WindowPort::GetDoubleClickTime() * 6 / 100; // ticks
        // Times in ms that are whole ticks: ticks * 100 / 6 for multiples of 3 ticks.
        const auto ms = [](uint32_t ticks) { return ticks * 100 / 6; };

        application.MousePress(handle, 0, 5, 5, ms(600));
        application.MouseRelease(handle, 5, 5, ms(600));
        application.MousePress(handle, 0, 70, 40, ms(600) + 17); // one tick later, elsewhere
        application.MousePress(handle, 0, 70, 40, ms(603));      // after a press, not a release
        application.MouseRelease(handle, 70, 40, ms(603));
        application.MousePress(handle, 0, 1, 1, ms(603) + uint32_t(limit * 100 / 6) + 17); // a full limit later
        EXPECT_EQ(clicks, (std::vector<std::string>{"down 5,5", "double 70,40", "down 70,40", "down 1,1"}));
    });
}

TEST(ApplicationLoop, TicksAreSixtiethsOfASecondPastEightDaysToo)
{
    EXPECT_EQ(CLowLevelApplication::MsToTicks(1000), 60u);
    EXPECT_EQ(CLowLevelApplication::MsToTicks(16), 0u);
    EXPECT_EQ(CLowLevelApplication::MsToTicks(17), 1u);
    EXPECT_EQ(CLowLevelApplication::TicksToMs(1), 16u);
    EXPECT_EQ(CLowLevelApplication::TicksToMs(120), 2000u);
    // 9 days of milliseconds times 6 no longer fits 32 bits; the ticks still count on.
    EXPECT_EQ(CLowLevelApplication::MsToTicks(777600000), 46656000u);
}

} // namespace
