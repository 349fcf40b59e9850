// The desktop program's logic on the offscreen platform: the log window, the
// save dialog answered through the port's seam, the pack run and its alerts,
// answered through the framework's own alert boxes.
#include "app/ModPacker.h"
#include "app/desktop/ModStower.h"
#include "app/desktop/NativeScrollBarView.h"
#include "app/desktop/OutputWindow.h"
#include "audio/FrameReader.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "platform/WindowPort.h"
#include "tests/app/PackTestSupport.h"
#include "ui/AlertBox.h"
#include "ui/ApplicationStartup.h"
#include "ui/NativePushButtonView.h"
#include "ui/TerminalView.h"
#include "ui/WindowList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;


// The program with the splash left out of its start, every alert answered by
// its first button, and every log line and alert remembered.
class CTestModStower : public CModStower {
public:
    explicit CTestModStower(const CApplicationStartup& startup) : CModStower(startup) {}

    void StartUp() override { MakeScratchBuffers(); }
    void Idle() override
    {
        CModStower::Idle();
        AnswerAlerts();
        if (onIdle)
            onIdle();
    }
    void SetLogTitle(const char* text) override
    {
        if (onTitle)
            onTitle(text);
        CModStower::SetLogTitle(text);
    }
    void LogLine(const char* text) override
    {
        lines.push_back(text);
        if (onLogLine)
            onLogLine();
        CModStower::LogLine(text);
    }

    std::function<void()> onIdle;
    std::function<void()> onLogLine;
    std::function<void(const std::string&)> onTitle;
    Lines lines;
    Lines alerts;

private:
    void AnswerAlerts()
    {
        for (size_t i = 0; CABCWindow* window = CWindowList::GetAt(i); ++i) {
            auto* alert = dynamic_cast<CAlertBox*>(window);
            if (alert == nullptr || alert->IsMarkedForDeletion() || alert->GetButton(0) == nullptr)
                continue;
            alerts.push_back(alert->GetContent().message);
            alert->GetButton(0)->Press();
            return;
        }
    }
};

class ModStowerTest : public ::testing::Test {
protected:
    ModStowerTest()
    {
        mSource = mFolders.GetPath() + "demo mod/";
        fs::copy(MODSTOWER_SOURCE_DIR "/examples/demo-mod", mSource);
        mTarget = mFolders.GetPath() + "out/demo from desktop.tdm";
        fs::create_directory(mFolders.GetPath() + "out");
    }
    ~ModStowerTest() override { WindowPort::SetFileDialogAnswerer({}); }

    // The save dialog answers with `typed`, or cancels for an empty text.
    void AnswerSaveDialog(const std::string& typed, std::function<void()> beforeAnswer = {})
    {
        WindowPort::SetFileDialogAnswerer([this, typed, beforeAnswer](const WindowPort::SFileDialogView& view) {
            dialogs.push_back(view);
            if (beforeAnswer)
                beforeAnswer();
            return WindowPort::SFileDialogReply{!typed.empty(), typed, 0};
        });
    }

    // Runs the program on the command line; it ends by itself or when the
    // log window says the mod is packed, after which the window is closed as
    // the window manager closes it.
    void Run(const std::string& commandLine)
    {
        CApplicationStartup startup;
        startup.name = "ModStower";
        startup.commandLine = commandLine;
        mApplication = std::make_unique<CTestModStower>(startup);
        mApplication->onTitle = onTitle;
        mApplication->onLogLine = [this] {
            if (mApplication->lines.size() == 2 && onFirstRunLine)
                onFirstRunLine();
        };
        mApplication->onIdle = [this] {
            COutputWindow* window = mApplication->GetLogWindow();
            if (window != nullptr && window->IsDone() && !mCloseSent) {
                finalTitle = window->GetTitle();
                CTerminalView& terminal = window->GetTerminalView();
                storedLines = terminal.GetRing().GetUsed();
                clientSize = WindowPort::GetClientSize(window->GetHandle());
                outer = WindowPort::GetOuterRect(window->GetHandle());
                terminalBounds = terminal.GetBounds();
                scrollBarBounds = window->GetScrollBar().GetBounds();
                // A page back on the native bar moves the log by ten lines.
                const int32_t before = terminal.GetScrollPosition();
                window->GetScrollBar().NativeScroll(WindowPort::EScrollCode::kPageUp, 0);
                pageBack = before - terminal.GetScrollPosition();
                mCloseSent = true;
                WindowPort::SMessage close;
                close.kind = WindowPort::EMessage::kClose;
                close.window = window->GetHandle();
                WindowPort::PostMessage(close);
            }
        };
        mApplication->Run();
    }

    CTestModStower& Application() { return *mApplication; }

    Lines PackedByTheSharedRun(const std::string& target) const
    {
        const CScratchBuffers buffers;
        CRecordingPackUI ui;
        CModPacker(ui).PackFolder(CDirSpec(mSource.c_str()), CFileSpec(target.c_str()));
        ui.lines.insert(ui.lines.begin(), "Source: demo mod");
        return ui.lines;
    }

    CComponentFolder mFolders;
    std::string mSource;
    std::string mTarget;
    std::vector<WindowPort::SFileDialogView> dialogs;
    std::string finalTitle;
    std::function<void()> onFirstRunLine;
    std::function<void(const std::string&)> onTitle;
    int32_t storedLines = 0;
    WindowPort::SSize clientSize;
    WindowPort::SRect outer;
    SViewRect terminalBounds;
    SViewRect scrollBarBounds;
    int32_t pageBack = 0;

private:
    std::unique_ptr<CTestModStower> mApplication;
    bool mCloseSent = false;
};

TEST_F(ModStowerTest, AFolderPacksThroughTheLogWindowAndTheSaveDialog)
{
    AnswerSaveDialog(mTarget);
    Run(mSource);

    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save mod as:");
    EXPECT_EQ(dialogs[0].nameField, "demo mod.tdm");
    EXPECT_EQ(dialogs[0].defaultSuffix, "tdm");
    EXPECT_EQ(finalTitle, "demo from desktop.tdm packed");
    EXPECT_TRUE(Application().alerts.empty());

    const std::string shared = mFolders.GetPath() + "out/shared.tdm";
    Lines expected = PackedByTheSharedRun(shared);
    // The size line names the target.
    for (std::string& line : expected)
        if (line.rfind("Size of shared.tdm", 0) == 0)
            line.replace(8, 10, "demo from desktop.tdm");
    EXPECT_EQ(Application().lines, expected);
    EXPECT_EQ(storedLines, static_cast<int32_t>(expected.size()));
    EXPECT_EQ(ReadFileBytes(mTarget), ReadFileBytes(shared));

    // 360 by 400 inside the frame, centred, the bar along the right edge.
    EXPECT_EQ(clientSize.width, 360);
    EXPECT_EQ(clientSize.height, 400);
    const WindowPort::SSize screen = WindowPort::GetScreenSize();
    EXPECT_EQ(outer.left, (screen.width - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (screen.height - (outer.bottom - outer.top)) / 2);
    const int16_t barLeft = static_cast<int16_t>(360 - WindowPort::GetVerticalScrollBarWidth());
    EXPECT_EQ(scrollBarBounds, (SViewRect{barLeft, 0, 360, 400}));
    EXPECT_EQ(terminalBounds, (SViewRect{0, 0, barLeft, 400}));
    EXPECT_EQ(pageBack, 10);
    // The window's destructor let go of it and ended the program.
    EXPECT_EQ(Application().GetLogWindow(), nullptr);
    EXPECT_EQ(CWindowList::GetCount(), 0u);
}

TEST_F(ModStowerTest, WhilePackingTheLogWindowRefusesToCloseAndFoldersAreNotOpened)
{
    const std::string other = mFolders.MakeFolder("other");
    std::vector<bool> canClose;
    AnswerSaveDialog(mTarget);
    // At the run's first line a window-manager close and a drop arrive.
    onFirstRunLine = [&] {
        COutputWindow* window = Application().GetLogWindow();
        canClose.push_back(window->CanClose());
        WindowPort::SMessage message;
        message.window = window->GetHandle();
        message.kind = WindowPort::EMessage::kClose;
        WindowPort::PostMessage(message);
        message.kind = WindowPort::EMessage::kDropFiles;
        message.paths = {other};
        WindowPort::PostMessage(message);
    };
    Run(mSource);

    EXPECT_EQ(canClose, std::vector<bool>{false});
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(finalTitle, "demo from desktop.tdm packed");
    const Lines& lines = Application().lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "- Not opened while packing: other..."), 1);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], "Done... close window to exit application");
}

TEST_F(ModStowerTest, ACancelledDialogEndsTheProgramWithoutAMod)
{
    AnswerSaveDialog("");
    Run(mSource);

    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(Application().lines, Lines{"Source: demo mod"});
    EXPECT_TRUE(Application().alerts.empty());
    EXPECT_FALSE(fs::exists(mTarget));
    EXPECT_EQ(Application().GetLogWindow(), nullptr);
}

// Failures that abandon the run end the program after one alert that says
// what stopped it, and leave no mod behind.
TEST_F(ModStowerTest, AFolderThatVanishesBeforeTheAnswerEndsWithAnAlertNamingIt)
{
    AnswerSaveDialog(mTarget, [this] { fs::remove_all(mSource); });
    Run(mSource);

    EXPECT_EQ(Application().alerts, Lines{"The mod was not packed: \"demo mod\" cannot be listed."});
    EXPECT_EQ(CWindowList::GetCount(), 0u);
    EXPECT_FALSE(fs::exists(mTarget));
}

TEST_F(ModStowerTest, ATargetThatCannotBeCreatedEndsWithAnAlert)
{
    const std::string gone = mFolders.GetPath() + "gone/";
    fs::create_directory(gone);
    AnswerSaveDialog(gone + "x.tdm");
    // The folder goes after the answer, just before the run creates the mod.
    onTitle = [&](const std::string& title) {
        if (title == "Packing x.tdm...")
            fs::remove_all(gone);
    };
    Run(mSource);

    EXPECT_EQ(Application().alerts, Lines{"The mod was not packed: \"x.tdm\" cannot be opened or created."});
    EXPECT_EQ(CWindowList::GetCount(), 0u);
}

TEST_F(ModStowerTest, AFolderWithoutAModNameShowsOnlyTheRunsOwnAlert)
{
    fs::remove(mSource + "ModName.txt");
    AnswerSaveDialog(mTarget);
    Run(mSource);

    EXPECT_EQ(Application().alerts,
              Lines{"Directory must contain a ModName.txt file containing the full name of the mod."});
    EXPECT_EQ(CWindowList::GetCount(), 0u);
}

TEST_F(ModStowerTest, NothingToOpenShowsTheStopAlertAndEnds)
{
    Run("");
    EXPECT_EQ(Application().alerts, Lines{"Drop a folder containing the Tandrel Mod components on this application."});
    EXPECT_EQ(CWindowList::GetCount(), 0u);
}

} // namespace
