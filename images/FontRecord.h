#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The request for a font: a face name of at most 64 characters, the character
// cell height in pixels, and three style flags.
struct SFontRecord {
    static constexpr size_t kFaceLength = 64;

    char face[kFaceLength + 1] = {};
    uint8_t size = 0;
    uint8_t bold = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;

    SFontRecord() = default;
    // A face longer than kFaceLength: XBadFormat, never a shortened name.
    SFontRecord(std::string_view faceName, uint8_t cellHeight, bool isBold = false, bool isItalic = false,
                bool isUnderlined = false);

    // The face up to its terminator, and never past kFaceLength characters, even
    // in a record whose array was filled without one.
    std::string GetFace() const;
    bool operator==(const SFontRecord& other) const;
};

// The framework's default font, which the screen object makes at start: the
// face and size its dialogs ask for.
SFontRecord GetDefaultFontRecord();
