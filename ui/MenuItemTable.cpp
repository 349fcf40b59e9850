#include "ui/MenuItemTable.h"

#include "media/XBase.h"

const CMenuItem& CMenuItemTable::Get(uint16_t index) const
{
    CheckIndex(index);
    return mItems[index];
}

void CMenuItemTable::Set(uint16_t index, const CMenuItem& item)
{
    CheckIndex(index);
    mItems[index] = item;
    mItems[index].text.resize(std::min(item.text.size(), CMenuItem::kMaxTextLength));
}

void CMenuItemTable::Insert(uint16_t index, CMenuItem item)
{
    if (index > mItems.size() || mItems.size() >= kMaxItems)
        throw XBase();
    item.text.resize(std::min(item.text.size(), CMenuItem::kMaxTextLength));
    mItems.insert(mItems.begin() + index, std::move(item));
}

void CMenuItemTable::Delete(uint16_t index)
{
    CheckIndex(index);
    mItems.erase(mItems.begin() + index);
}

void CMenuItemTable::Enable(uint16_t index, bool enabled)
{
    CheckIndex(index);
    mItems[index].disabled = !enabled;
}

void CMenuItemTable::Check(uint16_t index, bool checked)
{
    CheckIndex(index);
    mItems[index].checked = checked;
}

void CMenuItemTable::Reset()
{
    std::erase_if(mItems, [](const CMenuItem& item) { return item.temporary; });
    for (CMenuItem& item : mItems) {
        item.disabled = true;
        item.checked = false;
    }
}

std::optional<uint16_t> CMenuItemTable::FindShortcut(char character) const
{
    for (uint16_t i = 0; i < mItems.size(); ++i) {
        if (!mItems[i].disabled && mItems[i].shortcut != 0 && mItems[i].shortcut == character)
            return i;
    }
    return std::nullopt;
}

void CMenuItemTable::CheckIndex(uint16_t index) const
{
    if (index >= mItems.size())
        throw XBase();
}

std::optional<SMenuItemRef> FindShortcut(const std::vector<const CMenuItemTable*>& menus, const CKeyEvent& key)
{
    if (!key.command || key.character == 0)
        return std::nullopt;
    for (uint16_t m = 0; m < menus.size(); ++m) {
        if (const auto item = menus[m]->FindShortcut(key.character))
            return SMenuItemRef{m, *item};
    }
    return std::nullopt;
}
