#pragma once

#include <cstdint>
#include <string_view>

// The fixed text fields of the files layer. Paths and names live in arrays of
// 261 characters: 260 and a terminator, the path limit the framework was built
// around and the format's fields still hold. Longer text is refused, never cut:
// a cut path names a different file.
namespace PathText {

constexpr int32_t kFieldSize = 261;
constexpr int32_t kMaxLength = kFieldSize - 1;

// ASCII letters folded to lower case; other bytes, including those above 127,
// stay as they are, so the result does not depend on the locale.
constexpr char ToLowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ToUpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when the texts are equal with letter case disregarded.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i]))
            return false;
    }
    return true;
}

// Throws XBase; kept out of line so this header needs no exception classes.
[[noreturn]] void ThrowTooLong();

// Copies `text` and its terminator into a field of `fieldSize` characters; XBase
// when it does not fit. Usable in constant initialisation of global records.
constexpr void CopyInto(char* field, int32_t fieldSize, std::string_view text)
{
    if (text.size() >= static_cast<size_t>(fieldSize))
        ThrowTooLong();
    for (size_t i = 0; i < text.size(); ++i)
        field[i] = text[i];
    field[text.size()] = 0;
}

} // namespace PathText
