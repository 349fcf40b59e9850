#pragma once

#include "files/PathText.h"

#include <string_view>

// The type of a file: its extension with the dot (".aif"), or empty for a file
// without one. Files are recognised by extension alone, compared without regard
// to letter case; their contents are never sniffed here.
class CUnknownFileType {
public:
    constexpr CUnknownFileType() = default;
    // XBase when the text is longer than a name can be (255 bytes).
    constexpr explicit CUnknownFileType(std::string_view text) { SetText(text); }
    constexpr CUnknownFileType(const CUnknownFileType&) = default;
    constexpr CUnknownFileType& operator=(const CUnknownFileType&) = default;
    constexpr virtual ~CUnknownFileType() = default;

    constexpr const char* GetText() const { return mText; }
    constexpr void SetText(std::string_view text) { PathText::CopyInto(mText, PathText::kNameFieldSize, text); }

    bool Equals(std::string_view text) const { return PathText::EqualIgnoringCase(mText, text); }
    bool Equals(const CUnknownFileType& other) const { return Equals(other.mText); }

private:
    char mText[PathText::kNameFieldSize] = {};
};

// The four-character creator code of an application's files ("Tdrl"). This
// platform does not store it; it is handed along where files are created.
class CFileCreator : public CUnknownFileType {
public:
    using CUnknownFileType::CUnknownFileType;
};
