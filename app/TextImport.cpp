#include "app/TextImport.h"

#include <cstring>

namespace {

// 0x80 to 0xFF of the classic Mac character set (currency sign at 0xDB) in
// Latin-1. Some characters that Latin-1 does have are deliberately taken apart
// from the plain mapping: the bullet becomes the middle dot, the dashes become
// the soft hyphen and the macron, the dotless i becomes superscript one, and the
// no-break space, y with diaeresis, middle dot, macron and cedilla become "?".
const uint8_t kMacToLatin[128] = {
    0xC4, 0xC5, 0xC7, 0xC9, 0xD1, 0xD6, 0xDC, 0xE1,  // 0x80
    0xE0, 0xE2, 0xE4, 0xE3, 0xE5, 0xE7, 0xE9, 0xE8,  // 0x88
    0xEA, 0xEB, 0xED, 0xEC, 0xEE, 0xEF, 0xF1, 0xF3,  // 0x90
    0xF2, 0xF4, 0xF6, 0xF5, 0xFA, 0xF9, 0xFB, 0xFC,  // 0x98
    0x3F, 0xB0, 0xA2, 0xA3, 0xA7, 0xB7, 0xB6, 0xDF,  // 0xA0
    0xAE, 0xA9, 0x3F, 0xB4, 0xA8, 0x3F, 0xC6, 0xD8,  // 0xA8
    0x3F, 0xB1, 0x3F, 0x3F, 0xA5, 0xB5, 0x3F, 0x3F,  // 0xB0
    0x3F, 0x3F, 0x3F, 0xAA, 0xBA, 0x3F, 0xE6, 0xF8,  // 0xB8
    0xBF, 0xA1, 0xAC, 0x3F, 0x3F, 0x3F, 0x3F, 0xAB,  // 0xC0
    0xBB, 0x3F, 0x3F, 0xC0, 0xC3, 0xD5, 0x3F, 0x3F,  // 0xC8
    0xAD, 0xAF, 0x3F, 0x3F, 0x3F, 0x3F, 0xF7, 0x3F,  // 0xD0
    0x3F, 0x3F, 0x3F, 0xA4, 0x3F, 0x3F, 0x3F, 0x3F,  // 0xD8
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0xC2, 0xCA, 0xC1,  // 0xE0
    0xCB, 0xC8, 0xCD, 0xCE, 0xCF, 0xCC, 0xD3, 0xD4,  // 0xE8
    0x3F, 0xD2, 0xDA, 0xDB, 0xD9, 0xB9, 0x3F, 0x3F,  // 0xF0
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,  // 0xF8
};

constexpr uint8_t kCR = 13;
constexpr uint8_t kLF = 10;

void CopyPlain(char* field, const uint8_t* bytes, int32_t size, int32_t limit)
{
    int32_t written = 0;
    while (written < limit && written < size && bytes[written] != 0) {
        field[written] = static_cast<char>(bytes[written]);
        ++written;
    }
    field[written] = 0;
}

void CopyMacText(char* field, const uint8_t* bytes, int32_t size, int32_t limit)
{
    int32_t written = 0;
    for (int32_t read = 0; written < limit && read < size && bytes[read] != 0; ++read) {
        if (bytes[read] != kCR) {
            field[written++] = static_cast<char>(MacToLatin(bytes[read]));
        } else if (written + 1 < limit) {
            // A break that no longer fits whole is dropped, never cut in half.
            field[written++] = static_cast<char>(kCR);
            field[written++] = static_cast<char>(kLF);
        }
    }
    field[written] = 0;
}

void TrimTrailingBreaks(char* field)
{
    size_t length = std::strlen(field);
    while (length > 0 && (field[length - 1] == kCR || field[length - 1] == kLF))
        field[--length] = 0;
}

} // namespace

uint8_t MacToLatin(uint8_t character)
{
    return character < 0x80 ? character : kMacToLatin[character - 0x80];
}

void ImportText(char* field, const uint8_t* bytes, int32_t size, int32_t limit)
{
    if (size <= 0) {
        field[0] = 0;
        return;
    }
    const bool hasLineFeed = std::memchr(bytes, kLF, size) != nullptr;
    const bool hasCarriageReturn = std::memchr(bytes, kCR, size) != nullptr;
    if (!hasLineFeed && hasCarriageReturn)
        CopyMacText(field, bytes, size, limit);
    else
        CopyPlain(field, bytes, size, limit);
    TrimTrailingBreaks(field);
}
