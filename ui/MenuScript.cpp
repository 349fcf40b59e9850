#include "ui/MenuScript.h"

#include "media/XBase.h"
#include "ui/MenuItemTable.h"

#include <charconv>

namespace {

constexpr std::string_view kMarkers = "#=?";

// The decimal number at the start of `text`, which it consumes.
int32_t TakeNumber(std::string_view& text)
{
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc())
        throw XBadFormat();
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return number;
}

// Reads the markers after a label into `item` (the title takes "?" only).
void ReadMarkers(std::string_view markers, CMenuItem& item, bool isTitle)
{
    while (!markers.empty()) {
        const char marker = markers.front();
        markers.remove_prefix(1);
        if (marker == '?') {
            item.helpTopic = TakeNumber(markers);
        } else if (marker == '=' && !isTitle) {
            item.command = TakeNumber(markers);
        } else if (marker == '#' && !isTitle && !markers.empty()) {
            item.shortcut = markers.front();
            markers.remove_prefix(1);
        } else {
            throw XBadFormat();
        }
    }
}

CMenuItem ReadItem(std::string_view entry)
{
    const size_t labelEnd = std::min(entry.find_first_of(kMarkers), entry.size());
    CMenuItem item;
    item.text = std::string(entry.substr(0, std::min(labelEnd, CMenuItem::kMaxTextLength)));
    item.separator = entry.substr(0, labelEnd) == "-";
    ReadMarkers(entry.substr(labelEnd), item, false);
    return item;
}

} // namespace

SMenuScript ParseMenuScript(std::string_view script)
{
    script = script.substr(0, SMenuScript::kMaxScriptLength);
    SMenuScript menu;
    bool isTitle = true;
    while (true) {
        const size_t end = std::min(script.find(';'), script.size());
        const std::string_view entry = script.substr(0, end);
        if (isTitle) {
            const size_t titleEnd = std::min(entry.find('?'), entry.size());
            menu.title = std::string(entry.substr(0, titleEnd));
            CMenuItem title;
            ReadMarkers(entry.substr(titleEnd), title, true);
            menu.helpTopic = title.helpTopic;
            isTitle = false;
        } else if (!entry.empty()) {
            if (menu.items.size() >= CMenuItemTable::kMaxItems)
                throw XBadFormat();
            menu.items.push_back(ReadItem(entry));
        }
        if (end == script.size())
            break;
        script.remove_prefix(end + 1);
    }
    return menu;
}
