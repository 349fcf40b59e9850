// The dialog-template reader and the layout arithmetic, on the layouts our
// build makes and on broken bytes.
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "ui/DialogLayout.h"
#include "ui/DialogTemplate.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Layout(uint16_t id)
{
    InstallProgramResources();
    const SEmbeddedResource* item = EmbeddedResources::Find(kDialogTemplateType, id);
    if (item == nullptr)
        return {};
    return std::vector<uint8_t>(item->data, item->data + item->size);
}

SDialogTemplate Read(const std::vector<uint8_t>& bytes)
{
    return ReadDialogTemplate(bytes.data(), bytes.size());
}

std::string Describe(const SDialogTemplateItem& item)
{
    return std::to_string(item.id) + " " + (item.classAtom != 0 ? std::to_string(item.classAtom) : item.className)
           + " " + std::to_string(item.x) + "," + std::to_string(item.y) + " " + std::to_string(item.width) + "x"
           + std::to_string(item.height) + " \"" + item.text + "\"";
}

std::vector<std::string> DescribeItems(const SDialogTemplate& dialog)
{
    std::vector<std::string> items;
    for (const SDialogTemplateItem& item : dialog.items)
        items.push_back(Describe(item));
    return items;
}

TEST(DialogTemplate, TheAlertLayoutReadsAsDescribed)
{
    const SDialogTemplate dialog = Read(Layout(10005));
    EXPECT_TRUE(dialog.NamesFont());
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog.title, "");
    EXPECT_EQ((std::vector<int>{dialog.x, dialog.y, dialog.width, dialog.height}), (std::vector<int>{0, 0, 190, 80}));
    EXPECT_EQ(DescribeItems(dialog), (std::vector<std::string>{"1 128 10,60 54x14 \"\"", "2 128 68,60 54x14 \"\"",
                                                               "3 128 126,60 54x14 \"\"", "4 130 37,10 143x44 \"\"",
                                                               "5 130 10,10 20x20 \"\""}));
    EXPECT_EQ(dialog.items[0].style & 0xF, 1u); // the default push button
    EXPECT_EQ(dialog.items[4].style & 0xF, 3u); // the icon
}

TEST(DialogTemplate, TheSaveAndProgressLayoutsCarryTheirTextsAndClasses)
{
    const SDialogTemplate save = Read(Layout(10003));
    EXPECT_EQ(save.title, "Save changes before close?");
    EXPECT_EQ(DescribeItems(save),
              (std::vector<std::string>{"1 128 10,60 54x14 \"Save\"", "3 128 68,60 54x14 \"Don't Save\"",
                                        "2 128 126,60 54x14 \"Cancel\"",
                                        "4 130 37,10 143x44 \"Save changes to the %s document \"%s\" before closing?\"",
                                        "5 130 10,10 20x20 \"\""}));
    const SDialogTemplate progress = Read(Layout(10000));
    EXPECT_EQ(progress.fontFace, "Helv");
    EXPECT_EQ(DescribeItems(progress), (std::vector<std::string>{"1 128 180,30 34x14 \"\"", "2 130 10,6 146x10 \"\"",
                                                                 "3 msctls_progress32 10,33 160x8 \"\"",
                                                                 "4 130 184,7 26x10 \"\""}));
}

// The fuzz target's seeds are the layouts the build makes, byte for byte.
TEST(DialogTemplate, TheSeedCorpusHoldsTheBuiltLayouts)
{
    for (const uint16_t id : {10000, 10003, 10005}) {
        const std::string path =
            std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/dialogtemplate/dialog" + std::to_string(id) + ".dlg";
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(seed, Layout(id)) << path;
    }
}

TEST(DialogTemplate, BrokenBytesAreRefusedByClass)
{
    const std::vector<uint8_t> whole = Layout(10003);
    ASSERT_FALSE(whole.empty());
    // Cut short anywhere: every field is checked before it is read.
    for (size_t size = 0; size < whole.size(); ++size)
        EXPECT_THROW(ReadDialogTemplate(whole.data(), size), XBadFormat) << size;

    std::vector<uint8_t> bytes = whole;
    bytes[14] = 0xFF; // the box's width: negative
    bytes[15] = 0xFF;
    EXPECT_THROW(Read(bytes), XBadFormat);

    const std::vector<uint8_t> extended{0x01, 0x00, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_THROW(Read(extended), XUnsupportedFormat);

    // An item count past the items there are.
    bytes = whole;
    bytes[8] = 6;
    EXPECT_THROW(Read(bytes), XBadFormat);
}

TEST(DialogTemplate, DialogUnitsToPixels)
{
    const struct {
        int32_t x, y, width, height;
        SDialogBaseUnits units;
        SViewRect pixels;
    } cases[] = {
        // left = x*h/4, top = y*v/8, right = left + width*h/4, bottom = top + height*v/8
        {10, 60, 54, 14, {6, 13}, {15, 97, 96, 119}},
        {37, 10, 143, 44, {6, 13}, {55, 16, 269, 87}},
        {10, 10, 20, 20, {7, 16}, {17, 20, 52, 60}},
        {-3, -5, 1, 1, {6, 13}, {-4, -8, -3, -7}}, // each division truncates toward zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDialogLayout::ToPixels(c.x, c.y, c.width, c.height, c.units), c.pixels) << c.x << "," << c.y;
    EXPECT_THROW(CDialogLayout::ToPixels(32767, 0, 0, 0, {6, 13}), XBadFormat);
    EXPECT_THROW(CDialogLayout::ToPixels(0, 0, 0, 32767, {6, 160}), XBadFormat);
}

} // namespace
