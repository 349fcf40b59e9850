#include "ui/MenuBar.h"

#include "media/XBase.h"
#include "ui/KeyEvent.h"

CMenuBar::CMenuBar() : mHandle(WindowPort::CreateMenuBar())
{
    if (mHandle == 0)
        throw XBase();
}

CMenuBar::~CMenuBar()
{
    // The bar goes from its windows first, then its menus.
    WindowPort::DestroyMenu(mHandle);
}

void CMenuBar::AddMenu(std::unique_ptr<CMenu> menu)
{
    if (!menu || !WindowPort::AppendMenuToBar(mHandle, menu->GetHandle(), menu->GetTitle()))
        throw XBase();
    mMenus.push_back(std::move(menu));
}

CMenu* CMenuBar::FindMenu(int32_t number) const
{
    for (const auto& menu : mMenus) {
        if (menu->GetNumber() == number)
            return menu.get();
    }
    return nullptr;
}

void CMenuBar::Refresh()
{
    for (const auto& menu : mMenus)
        menu->Reset();
}

void CMenuBar::ApplyCommandIDs()
{
    for (size_t i = 0; i < mMenus.size(); ++i)
        mMenus[i]->ApplyCommandIDs(static_cast<uint16_t>(i));
}

const CMenuItem* CMenuBar::FindItemForKey(const CKeyEvent& key)
{
    if (mDisableCount != 0)
        return nullptr;
    std::vector<const CMenuItemTable*> tables;
    for (const auto& menu : mMenus)
        tables.push_back(&menu->GetItems());
    const std::optional<SMenuItemRef> found = FindShortcut(tables, key);
    return found ? &mMenus[found->menu]->GetTableItem(found->item) : nullptr;
}

const CMenuItem* CMenuBar::FindItemForCommandID(uint32_t id)
{
    uint32_t menu = 0, item = 0;
    if (!MenuCommandID::Split(id, menu, item) || menu >= mMenus.size() || item >= mMenus[menu]->GetItemCount())
        return nullptr;
    return &mMenus[menu]->GetTableItem(static_cast<uint16_t>(item));
}

void CMenuBar::AttachTo(WindowPort::WindowHandle window)
{
    WindowPort::SetWindowMenuBar(window, mHandle);
}

void CMenuBar::DetachFrom(WindowPort::WindowHandle window)
{
    if (WindowPort::GetWindowMenuBar(window) == mHandle)
        WindowPort::SetWindowMenuBar(window, 0);
}
