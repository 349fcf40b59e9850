// The dialog-template reader over arbitrary bytes, then the layout arithmetic
// on what it read: every item must come out with its rectangle inside the
// 16-bit view coordinates, or the whole layout refused by class.
#include "media/XBase.h"
#include "ui/DialogLayout.h"
#include "ui/DialogTemplate.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const SDialogTemplate dialog = ReadDialogTemplate(data, size);
        const CDialogLayout layout(dialog, {7, 16});
        if (layout.GetItems().size() != dialog.items.size())
            std::abort();
    } catch (const XBase&) {
    }
    return 0;
}
