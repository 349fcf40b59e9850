#pragma once

#include <cstdint>
#include <string_view>

// The fixed text fields of the files layer. Paths follow the system's limits: a
// path of at most 4095 bytes, each name in it at most 255. The framework was
// built around a 260-character path; no stored format holds a path, so the
// fields are sized for what Linux takes. Longer text is refused, never cut: a
// cut path names a different file.
namespace PathText {

constexpr int32_t kMaxPathLength = 4095;
constexpr int32_t kMaxNameLength = 255;
constexpr int32_t kPathFieldSize = kMaxPathLength + 1;
constexpr int32_t kNameFieldSize = kMaxNameLength + 1;

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

// True when the system can take the path: at most kMaxPathLength bytes, and no
// name between its '/' longer than kMaxNameLength.
bool FitsSystemLimits(std::string_view path);
// XPathTooLong unless FitsSystemLimits.
void CheckSystemLimits(std::string_view path);

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
