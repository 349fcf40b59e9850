#include "images/Palette.h"

#include "media/MemoryMedia.h"
#include "media/OpenResourceItem.h"
#include "media/XBase.h"

namespace {

// The colours every display keeps for itself, at both ends of the palette.
constexpr SPaletteEntry kFirstColours[10] = {
    {255, 255, 255, 0}, {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
};
constexpr SPaletteEntry kLastColours[10] = {
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},   {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},  {0, 0, 0, 0},
};

// Resource colours pass through the framework's 16-bit components on their way
// into the palette: widened by 256 when read, narrowed by 256 when used.
uint16_t Widen(uint8_t value)
{
    return static_cast<uint16_t>(value * 256);
}

uint8_t Narrow(uint16_t component)
{
    return static_cast<uint8_t>(component / 256);
}

} // namespace

CPalette BuildApplicationPalette(const uint8_t* colours)
{
    std::array<SPaletteEntry, CPalette::kSize> entries{};
    int next = 0;
    for (const SPaletteEntry& entry : kFirstColours)
        entries[next++] = entry;
    for (int i = 0; i < kPaletteResourceColours; ++i) {
        const uint8_t* rgb = colours + i * 3;
        entries[next++] = {Narrow(Widen(rgb[0])), Narrow(Widen(rgb[1])), Narrow(Widen(rgb[2])), 0};
    }
    for (const SPaletteEntry& entry : kLastColours)
        entries[next++] = entry;
    return CPalette(entries);
}

std::unique_ptr<CPalette> LoadApplicationPalette(uint16_t id)
{
    const CResourceModule module("");
    const std::unique_ptr<CMemoryMedia> media(module.LoadResourceIntoMemory("SCOL", id));
    // A shorter item would leave colours unread; a longer one is not a palette of ours.
    if (media->GetSize() != static_cast<int32_t>(kPaletteResourceSize))
        throw XBadFormat();
    return std::make_unique<CPalette>(BuildApplicationPalette(media->GetBuffer()));
}
