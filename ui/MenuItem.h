#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// One entry of a drop-down menu, as the menu's item table mirrors it.
struct CMenuItem {
    static constexpr size_t kMaxTextLength = 64;
    // The command of an item that has none: only the top bit set.
    static constexpr int32_t kNoCommand = std::numeric_limits<int32_t>::min();

    bool separator = false;
    std::string text; // the label without the shortcut part, at most 64 characters
    bool disabled = false;
    bool checked = false;
    char shortcut = 0; // the Ctrl shortcut character, 0 for none
    int32_t command = kNoCommand;
    int32_t helpTopic = 0;
    bool temporary = false; // added at run time; Reset removes it

    bool operator==(const CMenuItem&) const = default;
};

// The text the platform menu shows: the label, or "%s\tCtrl+%c" with a shortcut.
std::string FormatMenuItemText(const CMenuItem& item);
// Reads a platform text back into `item`: the label is the text up to the tab
// (cut to 64 characters), the shortcut the character after the first "+", or 0.
void ReadMenuItemText(std::string_view text, CMenuItem& item);

// Platform identifiers of menu items: (200 + the menu's position in the bar) x
// 256 + the item's position in the menu.
namespace MenuCommandID {

constexpr uint32_t kFirstMenu = 200;

constexpr uint32_t Make(uint32_t menuPosition, uint32_t itemPosition)
{
    return (kFirstMenu + menuPosition) * 256 + itemPosition;
}
// False for identifiers that no menu position makes.
constexpr bool Split(uint32_t id, uint32_t& menuPosition, uint32_t& itemPosition)
{
    if (id / 256 < kFirstMenu)
        return false;
    menuPosition = id / 256 - kFirstMenu;
    itemPosition = id % 256;
    return true;
}

} // namespace MenuCommandID
