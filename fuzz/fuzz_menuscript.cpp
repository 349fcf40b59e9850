// The menu-script parser over arbitrary bytes: a menu of at most 200 items with
// labels of at most 64 characters, or XBadFormat.
#include "media/XBase.h"
#include "ui/MenuItemTable.h"
#include "ui/MenuScript.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const SMenuScript menu = ParseMenuScript(std::string_view(reinterpret_cast<const char*>(data), size));
        if (menu.items.size() > CMenuItemTable::kMaxItems)
            std::abort();
        for (const CMenuItem& item : menu.items) {
            if (item.text.size() > CMenuItem::kMaxTextLength)
                std::abort();
            CMenuItem readBack;
            ReadMenuItemText(FormatMenuItemText(item), readBack);
        }
    } catch (const XBase&) {
    }
    return 0;
}
