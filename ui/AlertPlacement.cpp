#include "ui/AlertPlacement.h"

namespace AlertPlacement {

namespace {

WindowPort::SRect Offset(WindowPort::SRect rect, int32_t dx)
{
    rect.left += dx;
    rect.right += dx;
    return rect;
}

} // namespace

SPlacement Place(const SItems& items, size_t buttonCount, EIconKind icon)
{
    SPlacement placement{items.buttons, items.text, items.icon};
    if (icon == EIconKind::kNone)
        placement.text.left = items.icon.left;
    if (buttonCount == 1) {
        placement.buttons[0] = items.buttons[1];
    } else if (buttonCount == 2) {
        const int32_t half = (items.buttons[1].left - items.buttons[0].left) / 2;
        placement.buttons[0] = Offset(items.buttons[0], half);
        placement.buttons[1] = Offset(items.buttons[1], half);
    }
    return placement;
}

} // namespace AlertPlacement
