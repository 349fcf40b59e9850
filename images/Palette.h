#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

struct SPaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
};

// A 256-colour palette, the colours an 8-bit display shows.
class CPalette {
public:
    static constexpr int kSize = 256;

    explicit CPalette(const std::array<SPaletteEntry, kSize>& entries) : mEntries(entries) {}

    int GetCount() const { return kSize; }
    const SPaletteEntry& GetEntry(int index) const { return mEntries[static_cast<size_t>(index)]; }

private:
    std::array<SPaletteEntry, kSize> mEntries;
};

// The "SCOL" colour resource: 236 colours of three bytes each, red, green, blue.
constexpr int kPaletteResourceColours = 236;
constexpr size_t kPaletteResourceSize = kPaletteResourceColours * 3;

// The application palette: ten fixed colours (white first), the 236 colours of
// `colours` (kPaletteResourceSize bytes) in their order, then ten more fixed
// colours ending with black.
CPalette BuildApplicationPalette(const uint8_t* colours);

// The application palette from the running program's "SCOL" resource `id`. No
// such item: XBase; an item of any size other than 708 bytes: XBadFormat.
std::unique_ptr<CPalette> LoadApplicationPalette(uint16_t id);
