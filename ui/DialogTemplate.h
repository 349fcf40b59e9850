#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A dialog layout in the platform's standard dialog-template byte form, as our
// build writes them into the program's resources: a little-endian header (style,
// extended style, item count, box in dialog units), the menu, class and title
// fields, the font when the style has kSetFont, then one DWORD-aligned record
// per item. Texts are UTF-16 in the bytes; here they are 8-bit, one character
// per code unit (Latin-1), with "?" for a unit beyond 0xFF.
struct SDialogTemplateItem {
    uint32_t style = 0;
    uint32_t extendedStyle = 0;
    int16_t x = 0;
    int16_t y = 0;
    int16_t width = 0;
    int16_t height = 0;
    uint16_t id = 0;
    // A predefined class by atom (0x80 button, 0x82 static, ...) or, for 0, by name.
    uint16_t classAtom = 0;
    std::string className;
    std::string text;
    // A title given as a resource number (an icon of a static item), else 0.
    uint16_t textOrdinal = 0;
};

struct SDialogTemplate {
    static constexpr uint32_t kSetFont = 0x40;

    uint32_t style = 0;
    uint32_t extendedStyle = 0;
    int16_t x = 0;
    int16_t y = 0;
    int16_t width = 0;
    int16_t height = 0;
    std::string title;
    uint16_t pointSize = 0; // with kSetFont only
    std::string fontFace;
    std::vector<SDialogTemplateItem> items;

    bool NamesFont() const { return (style & kSetFont) != 0; }
};

// Reads a template from `size` bytes. Every field is checked against the bytes
// left before it is read: a template cut short, a text without its terminating
// zero or a negative width or height gives XBadFormat; the extended template
// form gives XUnsupportedFormat. A menu or window class named by the dialog is
// read over and not kept. Never reads outside the bytes.
SDialogTemplate ReadDialogTemplate(const uint8_t* bytes, size_t size);
