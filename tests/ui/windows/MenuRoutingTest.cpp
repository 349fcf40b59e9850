// The roads a menu bar takes through the framework, with a menu bar that
// records what it is asked: commands to the active window, the refresh before
// a menu opens, and the menus disabled while a modal loop runs.
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/ABCMenuBar.h"
#include "ui/DocumentWindow.h"
#include "ui/MenuItem.h"
#include "ui/ModalDialog.h"
#include "ui/ModelessDialog.h"
#include "ui/WindowList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using WindowPort::EMessage;

namespace {

class CRecordingMenuBar : public CABCMenuBar {
public:
    void Disable() override { log.push_back("disable"); }
    void Enable() override { log.push_back("enable"); }
    void Refresh() override { log.push_back("refresh"); }
    void ApplyCommandIDs() override { log.push_back("apply"); }
    const CMenuItem* FindItemForKey(const CKeyEvent&) override { return nullptr; }
    const CMenuItem* FindItemForCommandID(uint32_t id) override
    {
        log.push_back("find " + std::to_string(id));
        return id == 51202 ? &item : nullptr;
    }
    void AttachTo(WindowPort::WindowHandle) override { log.push_back("attach"); }
    void DetachFrom(WindowPort::WindowHandle) override { log.push_back("detach"); }

    CMenuItem item;
    std::vector<std::string> log;
};

class CMenuApplication : public CTestApplication {
public:
    CABCMenuBar* GetMenuBar() override { return &menuBar; }
    void UpdateMenus() override
    {
        menuBar.log.push_back("update");
        CTestApplication::UpdateMenus();
    }
    CRecordingMenuBar menuBar;
};

class CCommandWindow : public CDocumentWindow {
public:
    explicit CCommandWindow(std::vector<std::string>& log) : CDocumentWindow(2, "commands"), mLog(log) {}
    void DoCommand(const CMenuItem& item) override { mLog.push_back("command " + std::to_string(item.command)); }

private:
    std::vector<std::string>& mLog;
};

WindowPort::SMessage MessageFor(EMessage kind, const CABCWindow& window)
{
    WindowPort::SMessage message;
    message.kind = kind;
    message.window = window.GetHandle();
    return message;
}

TEST(MenuRouting, CommandsRefreshesAndModalLoopsGoThroughTheMenuBar)
{
    CMenuApplication application;
    std::vector<std::string>& log = application.menuBar.log;
    application.startUp = [&] {
        auto* window = new CCommandWindow(log);
        window->Open({100, 100, 400, 300});
        WindowPort::Activate(window->GetHandle());
        ASSERT_TRUE(PumpUntil(application, [&] { return CWindowList::GetActive() == window; }));
        application.menuBar.item.command = 7;

        log.clear();
        WindowPort::SMessage command = MessageFor(EMessage::kCommand, *window);
        command.command = 51202; // (200 + 0) x 256 + 2
        application.DispatchOne(command);
        command.command = 0xF060; // a system-menu command: the platform's
        application.DispatchOne(command);
        application.DispatchOne(MessageFor(EMessage::kInitMenu, *window));
        EXPECT_EQ(log, (std::vector<std::string>{"find 51202", "command 7", "refresh", "update", "apply"}));

        log.clear();
        auto* dialog = new CModelessDialog(0, "modal");
        dialog->Destroy();
        RunModal(*dialog);
        delete window;
        EXPECT_EQ(log, (std::vector<std::string>{"disable", "enable", "detach"}));
    };
    application.Run();
    EXPECT_EQ(application.nothingToOpenCalls, 1);
}

} // namespace
