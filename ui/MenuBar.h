#pragma once

#include "ui/ABCMenuBar.h"
#include "ui/Menu.h"

#include <cstdint>
#include <memory>
#include <vector>

// The application's menus in order, shown as the bar of every document window.
// Shortcuts and commands are found by the items' places: (200 + menu position)
// x 256 + item position. The disable counter starts at 1, so shortcuts work only
// once the program has enabled the bar; modal loops raise it meanwhile.
class CMenuBar : public CABCMenuBar {
public:
    // XBase when the platform makes no bar.
    CMenuBar();
    ~CMenuBar() override;
    CMenuBar(const CMenuBar&) = delete;
    CMenuBar& operator=(const CMenuBar&) = delete;

    // Appends the menu under its title; the bar owns it. The windows showing
    // the bar show the new menu too.
    void AddMenu(std::unique_ptr<CMenu> menu);
    size_t GetMenuCount() const { return mMenus.size(); }
    CMenu& GetMenu(size_t position) const { return *mMenus.at(position); }
    // The first menu of that number, or null.
    CMenu* FindMenu(int32_t number) const;

    void Disable() override { ++mDisableCount; }
    void Enable() override { --mDisableCount; }
    int16_t GetDisableCount() const { return mDisableCount; }
    void Refresh() override;
    void ApplyCommandIDs() override;
    // Only while the counter is 0: the first enabled item, menus and items in
    // order, whose shortcut is the key's character, for a key with the command
    // modifier.
    const CMenuItem* FindItemForKey(const CKeyEvent& key) override;
    const CMenuItem* FindItemForCommandID(uint32_t id) override;
    void AttachTo(WindowPort::WindowHandle window) override;
    void DetachFrom(WindowPort::WindowHandle window) override;

    WindowPort::MenuHandle GetHandle() const { return mHandle; }

private:
    WindowPort::MenuHandle mHandle = 0;
    int16_t mDisableCount = 1;
    std::vector<std::unique_ptr<CMenu>> mMenus;
};
