#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "resources/ResourceScript.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

CResourceScript Parse(const std::string& text)
{
    CResourceScript script("SSTR", 5);
    script.Parse(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return script;
}

} // namespace

TEST(ResourceScript, EntriesCommentsAndTheRulesInsideTexts)
{
    // Breaks inside a text are dropped and "\r" is a CR; a backslash drops itself and
    // the byte after it; the byte after the opening brace is always text; the first
    // definition of an index wins, and the index stays held after its text.
    const CResourceScript script = Parse("{{Portable}\r\n"
                                         "10\t{Stop}\t{{caption of a button}\r\n"
                                         "13 : {Yes}\r\n" // anything but digits and "{" may sit between
                                         "1\t{first line\\r\r\n\tsecond line}\r\n"
                                         "2\t{a\tb\nc\rd}\r\n"
                                         "3\t{back\\slash and \\\\ pair}\r\n"
                                         "4\t{an {inner} brace}\r\n"
                                         "5{}}  6{\\r}\r\n"
                                         "7\t{first}\r\n7\t{second}\r\n"
                                         "8\t{eight} {again}\r\n");
    const std::pair<uint32_t, const char*> expected[] = {
        {10, "Stop"}, {13, "Yes"}, {1, "first line\rsecond line"}, {2, "abcd"}, {3, "backlash and  pair"},
        {4, "an {inner"}, {5, "}"}, {6, "\\r"}, {7, "first"}, {8, "eight"}, {0, nullptr}, {11, nullptr}};
    for (const auto& [index, text] : expected)
        EXPECT_STREQ(script.GetText(index), text) << index;
}

TEST(ResourceScript, IndexesAndUnfinishedTexts)
{
    // Before any index a brace opens a comment that swallows the byte after it,
    // even "}". An eleventh digit ends the index and is dropped, so "00000000057"
    // is 5 and "12345678901" is 1234567890, which no slot has; nor does 1000.
    const CResourceScript script = Parse("{not a text} {}5{x} 6{six} 00000000057{eleven} "
                                         "12345678901{lost} 0000000999{last} 1000{beyond} 0{zero} 7{open");
    EXPECT_STREQ(script.GetText(0), "zero");
    EXPECT_STREQ(script.GetText(5), "eleven");
    EXPECT_STREQ(script.GetText(6), "six");
    EXPECT_STREQ(script.GetText(999), "last");
    int stored = 0;
    for (uint32_t i = 0; i < CResourceScript::kSlotCount; ++i)
        stored += script.GetText(i) != nullptr;
    EXPECT_EQ(stored, 4);
    EXPECT_EQ(script.GetText(1000), nullptr);
    EXPECT_EQ(script.GetText(0xFFFFFFFFu), nullptr);
    EXPECT_EQ(Parse("1{ends in a backslash\\").GetText(1), nullptr);

    const CResourceScript longText = Parse("1{" + std::string(4000, 'a') + "}2{b}");
    EXPECT_STREQ(longText.GetText(1), std::string(CResourceScript::kMaxTextLength, 'a').c_str());
    EXPECT_STREQ(longText.GetText(2), "b");
}

TEST(ResourceScript, ParsesFromTheMediumsPosition)
{
    char bytes[] = "xx3{three}";
    CMemoryMedia media(10, bytes);
    media.SetPosition(2);
    CResourceScript script("SALR", 1);
    script.Parse(media, 8);
    EXPECT_STREQ(script.GetText(3), "three");
    EXPECT_THROW(script.Parse(media, -1), XBadFormat); // not a size to allocate
}
