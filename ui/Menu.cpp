#include "ui/Menu.h"

#include "media/XBase.h"
#include "resources/ResourceText.h"
#include "ui/ABCWindow.h"
#include "ui/MenuScript.h"

#include <vector>

namespace {

SMenuScript LoadScript(uint32_t scriptNumber)
{
    std::vector<char> script(SMenuScript::kMaxScriptLength + 1);
    GetMenuScript(scriptNumber, script.data(), static_cast<int32_t>(SMenuScript::kMaxScriptLength));
    return ParseMenuScript(script.data());
}

} // namespace

CMenu::CMenu(uint32_t scriptNumber) : mNumber(static_cast<int32_t>(scriptNumber))
{
    const SMenuScript script = LoadScript(scriptNumber);
    mHandle = MakePlatformMenu();
    mTitle = script.title;
    mHelpTopic = script.helpTopic;
    try {
        for (const CMenuItem& item : script.items)
            AppendItem(item);
    } catch (...) {
        WindowPort::DestroyMenu(mHandle);
        throw;
    }
}

CMenu::CMenu(const std::string& title, int32_t number) : mNumber(number), mHandle(MakePlatformMenu()), mTitle(title)
{
}

CMenu::CMenu() : mHandle(MakePlatformMenu())
{
}

CMenu::CMenu(const CMenu& other)
    : mNumber(other.mNumber), mHandle(MakePlatformMenu()), mTitle(other.mTitle), mHelpTopic(other.mHelpTopic)
{
    try {
        for (uint16_t i = 0; i < other.GetItemCount(); ++i)
            AppendItem(other.mItems.Get(i));
    } catch (...) {
        WindowPort::DestroyMenu(mHandle);
        throw;
    }
}

CMenu::~CMenu()
{
    WindowPort::DestroyMenu(mHandle);
}

void CMenu::Reset()
{
    for (uint16_t i = GetItemCount(); i-- > 0;) {
        if (mItems.Get(i).temporary)
            DeleteItem(i);
    }
    for (uint16_t i = 0; i < GetItemCount(); ++i) {
        EnableItem(i, false);
        CheckItem(i, false);
    }
}

CMenuItem CMenu::GetItem(uint16_t index) const
{
    CMenuItem item = mItems.Get(index);
    WindowPort::SMenuItemState shown;
    if (!WindowPort::GetMenuItem(mHandle, index, shown))
        throw XBase();
    if (!item.separator)
        ReadMenuItemText(shown.text, item);
    item.disabled = !shown.enabled;
    item.checked = shown.checked;
    return item;
}

void CMenu::SetItem(uint16_t index, const CMenuItem& item)
{
    mItems.Set(index, item);
    ShowItem(index);
}

void CMenu::InsertItem(uint16_t index, const CMenuItem& item)
{
    mItems.Insert(index, item);
    if (!WindowPort::InsertMenuItem(mHandle, index, PlatformState(index))) {
        mItems.Delete(index);
        throw XBase();
    }
}

void CMenu::DeleteItem(uint16_t index)
{
    mItems.Delete(index);
    WindowPort::RemoveMenuItem(mHandle, index);
}

void CMenu::EnableItem(uint16_t index, bool enabled)
{
    mItems.Enable(index, enabled);
    ShowItem(index);
}

void CMenu::CheckItem(uint16_t index, bool checked)
{
    mItems.Check(index, checked);
    ShowItem(index);
}

void CMenu::ApplyCommandIDs(uint16_t menuPosition)
{
    mMenuPosition = menuPosition;
    for (uint16_t i = 0; i < GetItemCount(); ++i)
        ShowItem(i);
}

uint16_t CMenu::PopUp(int32_t x, int32_t y, const CABCWindow* window)
{
    // A pop-up stands in no bar: its items take the identifiers of position 0,
    // whose low byte is the item's index.
    ApplyCommandIDs(0);
    const uint32_t chosen = WindowPort::TrackPopupMenu(mHandle, {x, y}, window != nullptr ? window->GetHandle() : 0);
    uint32_t menu = 0, item = 0;
    if (chosen == 0 || !MenuCommandID::Split(chosen, menu, item) || menu != 0 || item >= GetItemCount())
        return kNothingChosen;
    return static_cast<uint16_t>(item);
}

WindowPort::MenuHandle CMenu::MakePlatformMenu()
{
    const WindowPort::MenuHandle handle = WindowPort::CreatePopupMenu();
    if (handle == 0)
        throw XBase();
    return handle;
}

WindowPort::SMenuItemState CMenu::PlatformState(uint16_t index) const
{
    const CMenuItem& item = mItems.Get(index);
    WindowPort::SMenuItemState state;
    state.separator = item.separator;
    state.text = item.separator ? std::string() : FormatMenuItemText(item);
    state.enabled = !item.disabled;
    state.checked = item.checked;
    state.id = MenuCommandID::Make(mMenuPosition, index);
    return state;
}

void CMenu::ShowItem(uint16_t index)
{
    if (!WindowPort::SetMenuItem(mHandle, index, PlatformState(index)))
        throw XBase();
}
