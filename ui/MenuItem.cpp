#include "ui/MenuItem.h"

std::string FormatMenuItemText(const CMenuItem& item)
{
    if (item.shortcut == 0)
        return item.text;
    return item.text + "\tCtrl+" + item.shortcut;
}

void ReadMenuItemText(std::string_view text, CMenuItem& item)
{
    item.text = std::string(text.substr(0, std::min(text.find('\t'), CMenuItem::kMaxTextLength)));
    const size_t plus = text.find('+');
    item.shortcut = plus != std::string_view::npos && plus + 1 < text.size() ? text[plus + 1] : 0;
}
