#pragma once

#include "ui/DialogTemplate.h"
#include "ui/ViewGeometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The resource type of dialog layouts: the platform's standard type number 5,
// which the program's resource table spells "#5".
constexpr char kDialogTemplateType[] = "#5";

// Pixels per dialog unit: a quarter of `horizontal` across, an eighth of
// `vertical` down.
struct SDialogBaseUnits {
    int32_t horizontal = 0;
    int32_t vertical = 0;
};

// One item of a layout: its identifier, pixel rectangle, control class and text.
struct SDialogLayoutItem {
    uint16_t id = 0;
    SViewRect rect;
    uint16_t classAtom = 0; // 0x80 button, 0x82 static, ...; 0 when named
    std::string className;
    std::string text;
};

// A dialog layout in pixels: what a dialog window takes from its layout resource.
// Items are looked up by identifier.
class CDialogLayout {
public:
    using SItem = SDialogLayoutItem;

    // Converts the template with the base units. XBadFormat when a rectangle does
    // not fit the 16-bit view coordinates.
    CDialogLayout(const SDialogTemplate& dialog, const SDialogBaseUnits& units);

    // Reads layout resource `id` of the running program and converts it with the
    // base units of its font. No such resource: XBase; a malformed one: XBadFormat.
    static std::unique_ptr<CDialogLayout> Load(uint16_t id);
    // The platform's dialog base units, or those of the font the template names:
    // its line height down, and across ((width of the 52 letters) / 26 + 1) / 2.
    // A point size the font record cannot hold: XBadFormat; no font: XBase.
    static SDialogBaseUnits GetBaseUnits(const SDialogTemplate& dialog);
    // The cell height in pixels of a dialog font of that many points: the
    // framework lays dialogs out at 96 dots per inch.
    static int32_t CellHeightForPoints(int32_t points);
    // left = x * h / 4, top = y * v / 8, right = left + width * h / 4,
    // bottom = top + height * v / 8, each division truncating.
    static SViewRect ToPixels(int32_t x, int32_t y, int32_t width, int32_t height, const SDialogBaseUnits& units);

    // The template's title; empty when it has none.
    const std::string& GetTitle() const { return mTitle; }
    // The dialog box in pixels, as the template places it.
    const SViewRect& GetBox() const { return mBox; }
    const SDialogBaseUnits& GetBaseUnits() const { return mUnits; }
    const std::vector<SItem>& GetItems() const { return mItems; }
    // The item with that identifier, or null.
    const SItem* FindItem(uint16_t id) const;
    std::optional<SViewRect> GetItemRect(uint16_t id) const;

private:
    std::string mTitle;
    SViewRect mBox;
    SDialogBaseUnits mUnits;
    std::vector<SItem> mItems;
};
