#include "files/VersionedHeader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kCode = 0x54444D20; // "TDM "

} // namespace

TEST(VersionedHeaderTest, BlockHasExactBytes)
{
    const CVersionedHeader header(kCode, CVersion(1, 2, 3, 4, CVersion::kBeta), "Hi\r\nyou");
    uint8_t block[CVersionedHeader::kBlockSize];
    std::fill(std::begin(block), std::end(block), 0xEE);
    header.WriteBlock(block);

    uint8_t expected[CVersionedHeader::kBlockSize] = {
        'T', 'D', 'M', ' ',          // code, big-endian
        0xBC, 1, 2, 3, 0,            // long version form
        'H', 'i', '\r', 'y', 'o', 'u' // text: line feed dropped, zero-filled after
    };
    EXPECT_EQ(std::basic_string<uint8_t>(block, sizeof block), std::basic_string<uint8_t>(expected, sizeof expected));
}

TEST(VersionedHeaderTest, LineBreaksAreSingleCarriageReturnsOnDisk)
{
    const CVersionedHeader written(kCode, CVersion(1, 0), "one\r\ntwo\r\nthree");
    uint8_t block[CVersionedHeader::kBlockSize];
    written.WriteBlock(block);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(block + 9)), "one\rtwo\rthree");

    CVersionedHeader read;
    read.ReadBlock(block);
    EXPECT_EQ(read.GetCode(), kCode);
    EXPECT_TRUE(read.GetVersion().IsSame(CVersion(1, 0)));
    EXPECT_STREQ(read.GetText(), "one\r\ntwo\r\nthree");
}

TEST(VersionedHeaderTest, LongTextIsCutTo128Characters)
{
    const std::string text(200, 'x');
    const CVersionedHeader written(kCode, CVersion(1, 0), text.c_str());
    EXPECT_EQ(std::string(written.GetText()), std::string(128, 'x'));

    uint8_t block[CVersionedHeader::kBlockSize];
    written.WriteBlock(block);
    EXPECT_EQ(block[9 + 127], 'x');
    for (int i = 9 + 128; i < CVersionedHeader::kBlockSize; ++i)
        ASSERT_EQ(block[i], 0) << "offset " << i;

    CVersionedHeader read;
    read.ReadBlock(block);
    EXPECT_EQ(std::string(read.GetText()), std::string(128, 'x'));
}

TEST(VersionedHeaderTest, ReadingStopsAt128EvenWhenBreaksGrow)
{
    // 100 carriage returns on disk would become 200 characters in memory.
    uint8_t block[CVersionedHeader::kBlockSize] = {};
    block[4] = 0xBC;
    for (int i = 0; i < 100; ++i)
        block[9 + i] = '\r';
    CVersionedHeader read;
    read.ReadBlock(block);
    std::string expected;
    for (int i = 0; i < 64; ++i)
        expected += "\r\n";
    EXPECT_EQ(std::string(read.GetText()), expected);
}

TEST(VersionedHeaderTest, UnterminatedTextFieldEndsWithTheField)
{
    uint8_t block[CVersionedHeader::kBlockSize] = {};
    for (int i = 9; i < CVersionedHeader::kBlockSize; ++i)
        block[i] = 'z';
    CVersionedHeader read;
    read.ReadBlock(block);
    EXPECT_EQ(std::string(read.GetText()), std::string(128, 'z'));
}

TEST(VersionedHeaderTest, MissingMarkerKeepsTheRecordsVersion)
{
    const CVersionedHeader written(0x41424344, CVersion(9, 8, 7), "text");
    uint8_t block[CVersionedHeader::kBlockSize];
    written.WriteBlock(block);
    block[4] = 0;

    CVersionedHeader read(1, CVersion(1, 2, 3), "old");
    read.ReadBlock(block);
    EXPECT_EQ(read.GetCode(), 0x41424344u);
    EXPECT_STREQ(read.GetText(), "text");
    EXPECT_TRUE(read.GetVersion().IsSame(CVersion(1, 2, 3)));
}
