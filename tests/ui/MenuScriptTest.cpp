#include "media/XBase.h"
#include "ui/MenuItemTable.h"
#include "ui/MenuScript.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CMenuItem Item(const char* text, char shortcut, int32_t command, int32_t helpTopic = 0)
{
    CMenuItem item;
    item.text = text;
    item.shortcut = shortcut;
    item.command = command;
    item.helpTopic = helpTopic;
    return item;
}

CMenuItem Separator()
{
    CMenuItem item;
    item.separator = true;
    item.text = "-";
    return item;
}

CKeyEvent CommandKey(char character)
{
    CKeyEvent key;
    key.control = key.command = true;
    key.character = character;
    return key;
}

} // namespace

TEST(MenuScript, TitleItemsShortcutsCommandsAndHelpTopics)
{
    const SMenuScript menu = ParseMenuScript("File?12;Open#O=3;-;Quit#Q=4");
    EXPECT_EQ(menu.title, "File");
    EXPECT_EQ(menu.helpTopic, 12);
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.items[0], Item("Open", 'O', 3));
    EXPECT_EQ(menu.items[1], Separator());
    EXPECT_EQ(menu.items[2], Item("Quit", 'Q', 4));
    EXPECT_EQ(FormatMenuItemText(menu.items[0]), "Open\tCtrl+O");
    EXPECT_EQ(FormatMenuItemText(menu.items[1]), "-");

    // Markers in any order; a shortcut may be any character; empty entries add nothing.
    const SMenuScript other = ParseMenuScript("Edit;;Undo?7=-2#Z;Plain;Odd##=1;");
    EXPECT_EQ(other.title, "Edit");
    EXPECT_EQ(other.helpTopic, 0);
    ASSERT_EQ(other.items.size(), 3u);
    EXPECT_EQ(other.items[0], Item("Undo", 'Z', -2, 7));
    EXPECT_EQ(other.items[1], Item("Plain", 0, CMenuItem::kNoCommand));
    EXPECT_EQ(other.items[2], Item("Odd", '#', 1));

    EXPECT_EQ(ParseMenuScript("").title, "");
    EXPECT_EQ(ParseMenuScript("T=3#O").title, "T=3#O"); // only "?" ends a title
    EXPECT_EQ(ParseMenuScript("Window").items.size(), 0u);
}

TEST(MenuScript, LimitsAndMalformedScripts)
{
    const SMenuScript longLabel = ParseMenuScript("T;" + std::string(100, 'L') + "=5");
    EXPECT_EQ(longLabel.items[0], Item(std::string(64, 'L').c_str(), 0, 5));

    // Only the first 3000 characters are read: the item cut there loses its command.
    std::string script = "T;" + std::string(2996, 'x') + ";Late=9";
    EXPECT_EQ(ParseMenuScript(script).items.size(), 2u);
    EXPECT_EQ(ParseMenuScript(script).items[1], Item("L", 0, CMenuItem::kNoCommand));

    std::string full = "T";
    for (int i = 0; i < 200; ++i)
        full += ";i";
    EXPECT_EQ(ParseMenuScript(full).items.size(), 200u);
    EXPECT_THROW(ParseMenuScript(full + ";one too many"), XBadFormat);

    for (const char* bad : {"T;Open=", "T;Open=x", "T;Open#", "T;Open=3 ", "T;Open?", "T;Open=99999999999",
                            "T?x", "T?1x"})
        EXPECT_THROW(ParseMenuScript(bad), XBadFormat) << bad;
}

TEST(MenuItem, PlatformTextReadsBack)
{
    CMenuItem item;
    ReadMenuItemText("Open\tCtrl+O", item);
    EXPECT_EQ(item.text, "Open");
    EXPECT_EQ(item.shortcut, 'O');
    ReadMenuItemText("Save as...", item);
    EXPECT_EQ(item.text, "Save as...");
    EXPECT_EQ(item.shortcut, 0);
    ReadMenuItemText("Zoom +", item); // a "+" at the end gives no shortcut
    EXPECT_EQ(item.shortcut, 0);
    ReadMenuItemText(std::string(80, 'w'), item);
    EXPECT_EQ(item.text, std::string(64, 'w'));
}

TEST(MenuItemTable, ShortcutsMatchOnlyEnabledItemsExactly)
{
    CMenuItemTable file, edit;
    file.Append(Item("Open", 'O', 3));
    file.Append(Item("lower", 'q', 5));
    edit.Append(Item("Copy", 'C', 6));
    edit.Append(Item("Other open", 'O', 7));
    const std::vector<const CMenuItemTable*> menus = {&file, &edit};

    EXPECT_EQ(FindShortcut(menus, CommandKey('O')), (SMenuItemRef{0, 0}));
    EXPECT_EQ(FindShortcut(menus, CommandKey('C')), (SMenuItemRef{1, 0}));
    // Key characters are upper case, so a lower-case shortcut never matches.
    EXPECT_EQ(FindShortcut(menus, CommandKey('Q')), std::nullopt);
    CKeyEvent plain = CommandKey('O');
    plain.command = false;
    EXPECT_EQ(FindShortcut(menus, plain), std::nullopt);
    EXPECT_EQ(FindShortcut(menus, CommandKey(0)), std::nullopt);

    // A disabled item's shortcut does nothing; the next match wins.
    file.Enable(0, false);
    EXPECT_EQ(FindShortcut(menus, CommandKey('O')), (SMenuItemRef{1, 1}));
    edit.Enable(1, false);
    EXPECT_EQ(FindShortcut(menus, CommandKey('O')), std::nullopt);
}

TEST(MenuItemTable, ResetDropsTemporaryItemsAndDisablesTheRest)
{
    CMenuItemTable table;
    table.Append(Item("Keep", 'K', 1));
    CMenuItem added = Item("Recent", 0, 2);
    added.temporary = true;
    table.Append(added);
    table.Insert(0, added);
    table.Check(1, true);
    table.Reset();
    ASSERT_EQ(table.GetCount(), 1);
    EXPECT_EQ(table.Get(0).text, "Keep");
    EXPECT_TRUE(table.Get(0).disabled);
    EXPECT_FALSE(table.Get(0).checked);

    EXPECT_THROW(table.Get(1), XBase);
    EXPECT_THROW(table.Insert(2, added), XBase);
    EXPECT_THROW(table.Delete(1), XBase);
    while (table.GetCount() < CMenuItemTable::kMaxItems)
        table.Append(added);
    EXPECT_THROW(table.Append(added), XBase);
}
