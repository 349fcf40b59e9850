#pragma once

#include "platform/WindowPort.h"
#include "ui/MenuItemTable.h"

#include <cstdint>
#include <string>

class CABCWindow;

// One drop-down menu of up to 200 items on a platform menu, built from a menu
// script entry or by code. The item table mirrors what the platform menu shows,
// with what the platform does not keep: commands, help topics, temporary marks.
class CMenu {
public:
    static constexpr uint16_t kNothingChosen = 0xFFFF;

    // Title and items from the menu script entry (at most 3000 characters);
    // XBadFormat for a malformed entry, the script's failures as they come.
    explicit CMenu(uint32_t scriptNumber);
    CMenu(const std::string& title, int32_t number);
    CMenu(); // "Untitled"
    CMenu(const CMenu& other);
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    // Removes the temporary items, then disables and unchecks the rest.
    virtual void Reset();

    uint16_t GetItemCount() const { return mItems.GetCount(); }
    // The item as the platform shows it: label and shortcut read back from its
    // text, disabled and checked from its state. XBase for an index past the end.
    CMenuItem GetItem(uint16_t index) const;
    // The table's copy, which the shortcut and command lookups read.
    const CMenuItem& GetTableItem(uint16_t index) const { return mItems.Get(index); }
    const CMenuItemTable& GetItems() const { return mItems; }
    void SetItem(uint16_t index, const CMenuItem& item);
    // XBase when the table is full, the index past the count, or the platform
    // refuses the item.
    void InsertItem(uint16_t index, const CMenuItem& item);
    void AppendItem(const CMenuItem& item) { InsertItem(GetItemCount(), item); }
    void DeleteItem(uint16_t index);
    void EnableItem(uint16_t index, bool enabled);
    void CheckItem(uint16_t index, bool checked);

    // Gives every item the identifier for its place in a bar (menu position)
    // and shows the table's enabled states and check marks.
    void ApplyCommandIDs(uint16_t menuPosition);
    // Shows the menu at a screen point for the window and waits: the chosen
    // item's index, or kNothingChosen.
    uint16_t PopUp(int32_t x, int32_t y, const CABCWindow* window);

    const std::string& GetTitle() const { return mTitle; }
    int32_t GetNumber() const { return mNumber; }
    int32_t GetHelpTopic() const { return mHelpTopic; }
    WindowPort::MenuHandle GetHandle() const { return mHandle; }

private:
    static WindowPort::MenuHandle MakePlatformMenu();
    WindowPort::SMenuItemState PlatformState(uint16_t index) const;
    void ShowItem(uint16_t index);

    int32_t mNumber = 0;
    WindowPort::MenuHandle mHandle = 0;
    std::string mTitle = "Untitled";
    int32_t mHelpTopic = 0;
    uint16_t mMenuPosition = 0; // the last position in a bar its identifiers were made for
    CMenuItemTable mItems;
};
