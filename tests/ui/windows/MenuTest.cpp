// Menus on the platform's menus: built from a script entry, shortcuts through
// the bar's disable counter, command identifiers, and pop-ups.
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "resources/ScriptCache.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/KeyEvent.h"
#include "ui/Menu.h"
#include "ui/MenuBar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// A menu script of our own, "SMNU" 128: the file menu at index 1.
const unsigned char kMenuScript[] = "{{Menus of the tests}\r\n1\t{File?12;Open#O=3;-;Quit#Q=4}\r\n"
                                    "2\t{Edit;Copy#C=5;lower#q=6}\r\n";
const SEmbeddedResource kResources[] = {{"SMNU", 128, kMenuScript, sizeof kMenuScript - 1}};
constexpr uint32_t kFileMenu = 128001;
constexpr uint32_t kEditMenu = 128002;

class MenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        EmbeddedResources::Install(kResources, 1);
        GetScriptCache().Clear();
    }
    void TearDown() override
    {
        InstallProgramResources();
        GetScriptCache().Clear();
    }
};

// Ctrl with a letter key, through the record every key message makes.
CKeyEvent CommandKey(char letter)
{
    WindowPort::SMessage message;
    message.kind = WindowPort::EMessage::kKeyDown;
    message.virtualKey = static_cast<uint8_t>(letter);
    message.character = letter;
    return MakeKeyEvent(message, {.control = true});
}

} // namespace

TEST_F(MenuTest, ScriptEntryGivesTitleItemsAndShortcutTexts)
{
    const CMenu menu(kFileMenu);
    EXPECT_EQ(menu.GetTitle(), "File");
    EXPECT_EQ(menu.GetHelpTopic(), 12);
    ASSERT_EQ(menu.GetItemCount(), 3);
    WindowPort::SMenuItemState shown;
    ASSERT_TRUE(WindowPort::GetMenuItem(menu.GetHandle(), 0, shown));
    EXPECT_EQ(shown.text, "Open\tCtrl+O");
    ASSERT_TRUE(WindowPort::GetMenuItem(menu.GetHandle(), 1, shown));
    EXPECT_TRUE(shown.separator);
    ASSERT_TRUE(WindowPort::GetMenuItem(menu.GetHandle(), 2, shown));
    EXPECT_EQ(shown.text, "Quit\tCtrl+Q");

    const CMenuItem quit = menu.GetItem(2); // read back from the platform's text
    EXPECT_EQ(quit.text, "Quit");
    EXPECT_EQ(quit.shortcut, 'Q');
    EXPECT_EQ(quit.command, 4);

    const CMenu copy(menu);
    EXPECT_EQ(copy.GetItem(0).text, "Open");
    EXPECT_NE(copy.GetHandle(), menu.GetHandle());
}

TEST_F(MenuTest, ShortcutsNeedAnEnabledBarAndAnEnabledItem)
{
    CMenuBar bar;
    bar.AddMenu(std::make_unique<CMenu>(kFileMenu));
    bar.AddMenu(std::make_unique<CMenu>(kEditMenu));
    EXPECT_EQ(bar.FindMenu(static_cast<int32_t>(kEditMenu)), &bar.GetMenu(1));

    // The counter starts at 1: nothing matches until the program enables the bar.
    EXPECT_EQ(bar.FindItemForKey(CommandKey('O')), nullptr);
    bar.Enable();
    ASSERT_NE(bar.FindItemForKey(CommandKey('O')), nullptr);
    EXPECT_EQ(bar.FindItemForKey(CommandKey('O'))->command, 3);
    ASSERT_NE(bar.FindItemForKey(CommandKey('Q')), nullptr);
    EXPECT_EQ(bar.FindItemForKey(CommandKey('Q'))->command, 4);
    // With Quit disabled, Ctrl+Q finds nothing: the enabled "lower" item's
    // shortcut is "q", and keys arrive as "Q".
    bar.GetMenu(0).EnableItem(2, false);
    EXPECT_EQ(bar.FindItemForKey(CommandKey('Q')), nullptr);
    bar.Disable();
    EXPECT_EQ(bar.FindItemForKey(CommandKey('C')), nullptr);
    bar.Enable();

    // Refresh disables every item until the program's UpdateMenus enables it.
    bar.Refresh();
    EXPECT_EQ(bar.FindItemForKey(CommandKey('C')), nullptr);
    EXPECT_TRUE(bar.GetMenu(1).GetItem(0).disabled);
    bar.GetMenu(1).EnableItem(0, true);
    EXPECT_EQ(bar.FindItemForKey(CommandKey('C'))->command, 5);
}

TEST_F(MenuTest, CommandIdentifiersFollowThePlaces)
{
    CMenuBar bar;
    bar.AddMenu(std::make_unique<CMenu>(kFileMenu));
    auto tools = std::make_unique<CMenu>("Tools", 7);
    for (int32_t command : {70, 71, 72}) {
        CMenuItem item;
        item.text = "Tool " + std::to_string(command);
        item.command = command;
        tools->AppendItem(item);
    }
    bar.AddMenu(std::move(tools));
    bar.ApplyCommandIDs();

    WindowPort::SMenuItemState shown;
    ASSERT_TRUE(WindowPort::GetMenuItem(bar.GetMenu(1).GetHandle(), 2, shown));
    EXPECT_EQ(shown.id, 201u * 256 + 2);
    ASSERT_NE(bar.FindItemForCommandID(201 * 256 + 2), nullptr);
    EXPECT_EQ(bar.FindItemForCommandID(201 * 256 + 2)->command, 72);
    EXPECT_EQ(bar.FindItemForCommandID(201 * 256 + 3), nullptr);
    EXPECT_EQ(bar.FindItemForCommandID(202 * 256), nullptr);
    EXPECT_EQ(bar.FindItemForCommandID(12), nullptr);
}

TEST_F(MenuTest, ResetRemovesTemporaryItemsFromThePlatformMenuToo)
{
    CMenu menu(kFileMenu);
    CMenuItem recent;
    recent.text = "Recent.tdm";
    recent.temporary = true;
    menu.InsertItem(1, recent);
    menu.CheckItem(0, true);
    EXPECT_EQ(WindowPort::GetMenuItemCount(menu.GetHandle()), 4);
    menu.Reset();
    EXPECT_EQ(WindowPort::GetMenuItemCount(menu.GetHandle()), 3);
    const CMenuItem open = menu.GetItem(0);
    EXPECT_TRUE(open.disabled);
    EXPECT_FALSE(open.checked);
}
