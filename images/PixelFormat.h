#pragma once

#include "images/ImageHeader.h"
#include "images/Palette.h"

#include <cstdint>
#include <optional>

// The pixel format images are decoded for: the display's bits per pixel and, for
// an 8-bit display, its palette in the two forms the decoders need.
class CPixelFormat {
public:
    // A true-colour format (16, 24 or 32 bits; decoders refuse other depths).
    explicit CPixelFormat(uint8_t depth);
    // An 8-bit format showing the colours of `palette`.
    explicit CPixelFormat(const CPalette& palette);

    uint8_t GetDepth() const { return mDepth; }
    // The palette of an 8-bit format; null otherwise.
    const CPalette* GetPalette() const { return mPalette ? &*mPalette : nullptr; }
    // Entries a decoder may use: the palette's count, 0 without a palette.
    int GetColourCount() const { return mPalette ? mPalette->GetCount() : 0; }
    // 256 entries blue, green, red, 0 for the colour table of 8-bit images.
    const SColourQuad* GetColourTable() const { return mColourTable; }
    // The colour map of the JPEG quantiser: row 0 blue, 1 green, 2 red, 256 samples each.
    const uint8_t* GetColourMapRow(int row) const { return mColourMap[row]; }

    enum EColourMapRow { kBlueRow = 0, kGreenRow = 1, kRedRow = 2 };

private:
    uint8_t mDepth = 24;
    std::optional<CPalette> mPalette;
    SColourQuad mColourTable[256] = {};
    uint8_t mColourMap[3][256] = {};
};

// The pixel format of the display. Until a display sets its own, programs without
// windows decode for 24 bits.
const CPixelFormat& GetScreenPixelFormat();
void SetScreenPixelFormat(const CPixelFormat& format);
