#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "tools/ImageSynth.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SRGB {
    int red, green, blue;
};

void ExpectEntry(const CPalette& palette, int index, SRGB rgb)
{
    const SPaletteEntry& e = palette.GetEntry(index);
    EXPECT_EQ(e.red, rgb.red) << "entry " << index;
    EXPECT_EQ(e.green, rgb.green) << "entry " << index;
    EXPECT_EQ(e.blue, rgb.blue) << "entry " << index;
    EXPECT_EQ(e.flags, 0) << "entry " << index;
}

void ExpectFixedEntries(const CPalette& palette)
{
    const SRGB first[10] = {{255, 255, 255}, {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
                            {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
    const SRGB last[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
                           {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {0, 0, 0}};
    for (int i = 0; i < 10; ++i) {
        ExpectEntry(palette, i, first[i]);
        ExpectEntry(palette, 246 + i, last[i]);
    }
}

} // namespace

TEST(Palette, ResourceColoursSitBetweenTheFixedOnes)
{
    std::vector<uint8_t> colours(708);
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = uint8_t(i * 13 + 5);
    const CPalette palette = BuildApplicationPalette(colours.data());
    EXPECT_EQ(palette.GetCount(), 256);
    ExpectFixedEntries(palette);
    for (int i = 0; i < 236; ++i)
        ExpectEntry(palette, 10 + i, {colours[i * 3], colours[i * 3 + 1], colours[i * 3 + 2]});
}

TEST(Palette, TheProgramsPalette)
{
    InstallProgramResources();
    const std::unique_ptr<CPalette> palette = LoadApplicationPalette(128);
    ExpectFixedEntries(*palette);
    const std::vector<uint8_t> colours = MakePaletteColours();
    ASSERT_EQ(colours.size(), 708u);
    for (int i = 0; i < 236; ++i)
        ExpectEntry(*palette, 10 + i, {colours[i * 3], colours[i * 3 + 1], colours[i * 3 + 2]});
    // Our colours: black, then the 6-level cube and the greys it lacks.
    ExpectEntry(*palette, 10, {0, 0, 0});
    ExpectEntry(*palette, 11, {0, 0, 51});
    ExpectEntry(*palette, 225, {255, 255, 255});
    ExpectEntry(*palette, 226, {12, 12, 12});
    ExpectEntry(*palette, 245, {252, 252, 252});
    EXPECT_THROW(LoadApplicationPalette(129), XBase);
    EmbeddedResources::Install(nullptr, 0);
}

TEST(Palette, AColourItemOfTheWrongSizeIsRefused)
{
    const std::vector<uint8_t> bytes(707, 1);
    const SEmbeddedResource shortTable[] = {{"SCOL", 5, bytes.data(), bytes.size()}};
    EmbeddedResources::Install(shortTable, 1);
    EXPECT_THROW(LoadApplicationPalette(5), XBadFormat);
    const std::vector<uint8_t> longer(709, 1);
    const SEmbeddedResource longTable[] = {{"SCOL", 5, longer.data(), longer.size()}};
    EmbeddedResources::Install(longTable, 1);
    EXPECT_THROW(LoadApplicationPalette(5), XBadFormat);
    EmbeddedResources::Install(nullptr, 0);
}

TEST(PixelFormat, PaletteFormsForTheDecoders)
{
    const CPalette palette = BuildApplicationPalette(MakePaletteColours().data());
    const CPixelFormat format(palette);
    EXPECT_EQ(format.GetDepth(), 8);
    ASSERT_NE(format.GetPalette(), nullptr);
    EXPECT_EQ(format.GetColourCount(), 256);
    // Entry 1 is (128, 0, 0) and entry 9 (166, 202, 240).
    EXPECT_EQ(format.GetColourTable()[1].red, 128);
    EXPECT_EQ(format.GetColourTable()[1].blue, 0);
    EXPECT_EQ(format.GetColourTable()[9].blue, 240);
    EXPECT_EQ(format.GetColourTable()[9].green, 202);
    EXPECT_EQ(format.GetColourTable()[9].red, 166);
    EXPECT_EQ(format.GetColourTable()[9].reserved, 0);
    EXPECT_EQ(format.GetColourMapRow(CPixelFormat::kBlueRow)[9], 240);
    EXPECT_EQ(format.GetColourMapRow(CPixelFormat::kGreenRow)[9], 202);
    EXPECT_EQ(format.GetColourMapRow(CPixelFormat::kRedRow)[9], 166);

    const CPixelFormat colour(32);
    EXPECT_EQ(colour.GetPalette(), nullptr);
    EXPECT_EQ(colour.GetColourCount(), 0);
}

TEST(PixelFormat, TheScreensFormatIsSettable)
{
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), 24);
    SetScreenPixelFormat(CPixelFormat(16));
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), 16);
    SetScreenPixelFormat(CPixelFormat(BuildApplicationPalette(MakePaletteColours().data())));
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), 8);
    EXPECT_NE(GetScreenPixelFormat().GetPalette(), nullptr);
    SetScreenPixelFormat(CPixelFormat(24));
}
