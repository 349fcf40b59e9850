#include "files/DialogFilter.h"

#include "files/FileTypeList.h"

#include <algorithm>

std::string MakeDialogFilter(const CFileTypeList& types)
{
    // Built with "|" as the separator first, then every "|" becomes a zero, as
    // the dialogs want; a "|" inside a description ends up as a separator too.
    std::string filter;
    const uint16_t count = types.GetCount();
    if (types.GetOfferAllTypes() && count >= 2) {
        std::string patterns;
        for (uint16_t i = 0; i < count; ++i) {
            if (i > 0)
                patterns += ';';
            patterns += '*';
            patterns += types.GetExtension(i);
        }
        filter += "All files (" + patterns + ")|" + patterns + "|";
    }
    for (uint16_t i = 0; i < count; ++i) {
        const std::string extension = types.GetExtension(i);
        filter += std::string(types.GetDescription(i)) + " (*" + extension + ")|*" + extension + "|";
    }
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}
