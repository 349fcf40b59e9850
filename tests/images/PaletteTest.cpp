#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "tools/ImageSynth.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every entry as 0xFFRRGGBB with the flags in the top byte in place of 0xFF.
std::vector<uint32_t> Entries(const CPalette& palette)
{
    std::vector<uint32_t> entries;
    for (int i = 0; i < palette.GetCount(); ++i) {
        const SPaletteEntry& e = palette.GetEntry(i);
        entries.push_back(uint32_t(e.flags ^ 0xFF) << 24 | e.red << 16 | e.green << 8 | e.blue);
    }
    return entries;
}

} // namespace

TEST(Palette, ResourceColoursSitBetweenTheFixedOnes)
{
    std::vector<uint8_t> colours(kPaletteResourceSize);
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = uint8_t(i * 13 + 5);
    std::vector<uint32_t> expected = {0xFFFFFFFF, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080,
                                      0xFF800080, 0xFF008080, 0xFFC0C0C0, 0xFFC0DCC0, 0xFFA6CAF0};
    for (size_t i = 0; i < colours.size(); i += 3)
        expected.push_back(0xFF000000u | colours[i] << 16 | colours[i + 1] << 8 | colours[i + 2]);
    expected.insert(expected.end(), {0xFFFFFBF0, 0xFFA0A0A4, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                     0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFF000000});
    EXPECT_EQ(Entries(BuildApplicationPalette(colours.data())), expected);

    // The program's own colour item, which must be exactly 236 colours.
    InstallProgramResources();
    EXPECT_EQ(Entries(*LoadApplicationPalette(128)), Entries(BuildApplicationPalette(MakePaletteColours().data())));
    EXPECT_THROW(LoadApplicationPalette(129), XBase);
    for (size_t size : {kPaletteResourceSize - 1, kPaletteResourceSize + 1}) {
        const std::vector<uint8_t> bytes(size, 1);
        const SEmbeddedResource table[] = {{"SCOL", 5, bytes.data(), bytes.size()}};
        EmbeddedResources::Install(table, 1);
        EXPECT_THROW(LoadApplicationPalette(5), XBadFormat) << size;
    }
    EmbeddedResources::Install(nullptr, 0);
}

TEST(PixelFormat, TheScreensFormat)
{
    // Programs without windows decode for 24 bits until a display sets its format.
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), 24);
    EXPECT_EQ(GetScreenPixelFormat().GetPalette(), nullptr);
    SetScreenPixelFormat(CPixelFormat(BuildApplicationPalette(MakePaletteColours().data())));
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), 8);
    EXPECT_EQ(GetScreenPixelFormat().GetColourCount(), 256);
    SetScreenPixelFormat(CPixelFormat(24));
}
