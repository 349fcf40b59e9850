#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "resources/ResourceScript.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Parses `text` as a whole script.
CResourceScript Parse(const std::string& text)
{
    CResourceScript script("SSTR", 5);
    script.Parse(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return script;
}

std::string Text(const CResourceScript& script, uint32_t index)
{
    const char* text = script.GetText(index);
    return text != nullptr ? text : "<none>";
}

} // namespace

TEST(ResourceScript, EntriesAndComments)
{
    const CResourceScript script = Parse("{{Portable}\r\n"
                                         "10\t{Stop}\t{{caption of a button}\r\n"
                                         "{{Win}\r\n"
                                         "12\t{OK}\r\n"
                                         "{{Mac}\r\n"
                                         "13 : {Yes}\r\n"); // anything but digits and "{" may sit between
    EXPECT_EQ(Text(script, 10), "Stop");
    EXPECT_EQ(Text(script, 12), "OK");
    EXPECT_EQ(Text(script, 13), "Yes");
    EXPECT_EQ(Text(script, 11), "<none>");
    EXPECT_EQ(std::string(script.GetType()), "SSTR");
    EXPECT_EQ(script.GetId(), 5);
}

TEST(ResourceScript, BreaksAndEscapesInsideTexts)
{
    const CResourceScript script = Parse("1\t{first line\\r\r\n\tsecond line}\r\n"
                                         "2\t{a\tb\nc\rd}\r\n"
                                         "3\t{back\\slash and \\\\ pair}\r\n"
                                         "4\t{an {inner} brace}\r\n");
    EXPECT_EQ(Text(script, 1), "first line\rsecond line");
    EXPECT_EQ(Text(script, 2), "abcd");
    // A backslash drops itself and the byte after it.
    EXPECT_EQ(Text(script, 3), "backlash and  pair");
    // "{" is text; the first "}" ends it, and " brace}" is then stray bytes.
    EXPECT_EQ(Text(script, 4), "an {inner");
}

TEST(ResourceScript, TheByteAfterTheOpeningBraceIsAlwaysText)
{
    const CResourceScript script = Parse("1{}}  2{\tx}  3{\\r}  4{\rY}");
    EXPECT_EQ(Text(script, 1), "}");
    EXPECT_EQ(Text(script, 2), "\tx");
    EXPECT_EQ(Text(script, 3), "\\r");
    EXPECT_EQ(Text(script, 4), "\rY");
}

TEST(ResourceScript, TheFirstDefinitionWins)
{
    const CResourceScript script = Parse("7\t{first}\r\n7\t{second}\r\n"
                                         // The index stays held, so a braced text
                                         // without its own index redefines 8.
                                         "8\t{eight} {again}\r\n");
    EXPECT_EQ(Text(script, 7), "first");
    EXPECT_EQ(Text(script, 8), "eight");
}

TEST(ResourceScript, TextsBeforeTheFirstIndexAreComments)
{
    // A single brace before any index opens a comment that swallows the byte
    // after it, even a closing brace, and runs to the next "}".
    const CResourceScript script = Parse("{not a text} {}5{x} 6{six}");
    for (uint32_t i = 0; i < 6; ++i)
        EXPECT_EQ(script.GetText(i), nullptr) << i;
    EXPECT_EQ(Text(script, 6), "six");
}

TEST(ResourceScript, IndexLimits)
{
    // Ten digits at most: the eleventh ends the index, so "12345678901" is held
    // as 1234567890, which no slot has.
    const CResourceScript script = Parse("12345678901{lost} 0000000999{last} 1000{beyond} 0{zero}");
    EXPECT_EQ(Text(script, 999), "last");
    EXPECT_EQ(Text(script, 0), "zero");
    EXPECT_EQ(script.GetText(1000), nullptr);
    EXPECT_EQ(script.GetText(0xFFFFFFFFu), nullptr);
    // 1000 did not wrap into a slot of its own.
    for (uint32_t i = 1; i < 999; ++i)
        ASSERT_EQ(script.GetText(i), nullptr) << i;
}

TEST(ResourceScript, UnfinishedEntriesAreNotStored)
{
    EXPECT_EQ(Parse("1{open").GetText(1), nullptr);
    EXPECT_EQ(Parse("1{ends in a backslash\\").GetText(1), nullptr);
    EXPECT_EQ(Parse("1{").GetText(1), nullptr);
    EXPECT_EQ(Parse("").GetText(0), nullptr);
}

TEST(ResourceScript, LongTextsKeepTheirFirst3000Characters)
{
    const std::string script = "1{" + std::string(4000, 'a') + "}2{b}";
    const CResourceScript parsed = Parse(script);
    EXPECT_EQ(Text(parsed, 1), std::string(CResourceScript::kMaxTextLength, 'a'));
    EXPECT_EQ(Text(parsed, 2), "b");
}

TEST(ResourceScript, ParsesFromAMedium)
{
    char bytes[] = "xx3{three}";
    CMemoryMedia media(10, bytes);
    media.SetPosition(2);
    CResourceScript script("SALR", 1);
    script.Parse(media, 8);
    EXPECT_EQ(Text(script, 3), "three");

    media.SetPosition(2);
    EXPECT_THROW(script.Parse(media, 9), XRead);
    EXPECT_THROW(script.Parse(media, -1), XBadFormat);
}
