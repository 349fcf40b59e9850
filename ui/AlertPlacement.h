#pragma once

#include "platform/WindowPort.h"
#include "ui/AlertMarkup.h"

#include <array>
#include <cstddef>

// Where the alert's views stand once the layout is read: plain arithmetic on the
// pixel rectangles of layout 10005's items, so it is checked without a window.
namespace AlertPlacement {

// The layout items by identifier.
constexpr int32_t kFirstButtonItem = 1;
constexpr int32_t kSecondButtonItem = 2;
constexpr int32_t kThirdButtonItem = 3;
constexpr int32_t kTextItem = 4;
constexpr int32_t kIconItem = 5;

struct SItems {
    std::array<WindowPort::SRect, 3> buttons; // items 1, 2, 3
    WindowPort::SRect text;                   // item 4
    WindowPort::SRect icon;                   // item 5
};

struct SPlacement {
    std::array<WindowPort::SRect, 3> buttons; // only the first `buttonCount` are used
    WindowPort::SRect text;
    WindowPort::SRect icon;
};

// One button stands on item 2, the middle of the box; two move right by half the
// distance between items 1 and 2, so the pair is centred; three stay. Without an
// icon the text starts at the icon's left edge.
SPlacement Place(const SItems& items, size_t buttonCount, EIconKind icon);

} // namespace AlertPlacement
