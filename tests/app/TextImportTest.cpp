#include "app/TextImport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Import(const std::string& bytes, int32_t limit)
{
    std::string field(limit + 1, '#');
    ImportText(field.data(), reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size()),
               limit);
    return field.substr(0, field.find('\0'));
}

} // namespace

TEST(TextImport, LineFeedTextsAreCopiedUnchanged)
{
    EXPECT_EQ(Import("My Mod\r\n", 64), "My Mod");
    EXPECT_EQ(Import("one\r\ntwo\nthree\n\r\n\n", 64), "one\r\ntwo\nthree");
    // With any line feed nothing is mapped, high characters included.
    EXPECT_EQ(Import("caf\x8E\n", 64), "caf\x8E");
    EXPECT_EQ(Import("plain \x8E", 64), "plain \x8E"); // no breaks at all: also unchanged
}

TEST(TextImport, LimitsAndZeroBytes)
{
    EXPECT_EQ(Import(std::string(64, 'a'), 64), std::string(64, 'a'));
    EXPECT_EQ(Import(std::string(65, 'a'), 64), std::string(64, 'a'));
    EXPECT_EQ(Import(std::string("cut\0here", 8), 64), "cut");
    EXPECT_EQ(Import("\r\n\r\n", 64), "");
    EXPECT_EQ(Import("", 64), "");
}

TEST(TextImport, CarriageReturnTextsGetFullBreaksAndLatinCharacters)
{
    EXPECT_EQ(Import("caf\x8E\rna\x8Fve\r", 64), "caf\xE9\r\nna\xE8ve");
    // The exceptions to the plain mapping.
    EXPECT_EQ(Import("\xA5\xD0\xD1\xF5\xCA\xD8\xE1\xF8\xFC\xDB\r", 64), "\xB7\xAD\xAF\xB9?????\xA4");
    // A break that no longer fits whole is dropped.
    EXPECT_EQ(Import("abc\rd", 4), "abcd");
    EXPECT_EQ(Import("ab\rd", 4), "ab"); // the break fills the field, then trails
    EXPECT_EQ(Import("ab\rcd", 5), "ab\r\nc");
}

TEST(TextImport, MacToLatinTable)
{
    EXPECT_EQ(MacToLatin('A'), 'A');
    EXPECT_EQ(MacToLatin(0x80), 0xC4); // A diaeresis
    EXPECT_EQ(MacToLatin(0xA7), 0xDF); // sharp s
    EXPECT_EQ(MacToLatin(0xA0), '?');  // dagger
    EXPECT_EQ(MacToLatin(0xF0), '?');
    EXPECT_EQ(MacToLatin(0xF4), 0xD9); // U grave
    EXPECT_EQ(MacToLatin(0xFF), '?');
}
