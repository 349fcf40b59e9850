#include "media/ByteOrder.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ByteOrder, IntegersInBothOrders)
{
    uint8_t b[4] = {};
    SetBE16(b, 0x1234);
    EXPECT_EQ(b[0], 0x12);
    EXPECT_EQ(b[1], 0x34);
    EXPECT_EQ(GetBE16(b), 0x1234);

    SetBE24(b, 0xABCDEF);
    EXPECT_EQ(b[0], 0xAB);
    EXPECT_EQ(b[2], 0xEF);
    EXPECT_EQ(GetBE24(b), 0xABCDEFu);

    SetBE32(b, 0xF11E54EC);
    EXPECT_EQ(std::memcmp(b, "\xF1\x1E\x54\xEC", 4), 0);
    EXPECT_EQ(GetBE32(b), 0xF11E54ECu);

    SetLE16(b, 0x1234);
    EXPECT_EQ(b[0], 0x34);
    EXPECT_EQ(GetLE16(b), 0x1234);

    SetLE32(b, 0x01020304);
    EXPECT_EQ(std::memcmp(b, "\x04\x03\x02\x01", 4), 0);
    EXPECT_EQ(GetLE32(b), 0x01020304u);
}

TEST(ByteOrder, FourCharacterCodes)
{
    uint8_t packed[5] = {9, 9, 9, 9, 9};
    PackFourCC(packed, "CAT ");
    EXPECT_EQ(std::memcmp(packed, "CAT \x09", 5), 0); // no terminator written

    char text[6] = "xxxxx";
    UnpackFourCC("fmt ", text);
    EXPECT_STREQ(text, "fmt ");
}

TEST(ByteOrder, ExtendedSampleRate)
{
    const uint8_t rate44100[10] = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(GetExtended(rate44100), 44100.0);
    EXPECT_EQ(GetExtendedAsInteger(rate44100), 44100);

    uint8_t out[10];
    SetExtended(out, 44100.0);
    EXPECT_EQ(std::memcmp(out, rate44100, 10), 0);

    std::memset(out, 0xFF, sizeof out);
    SetExtended(out, 0.0);
    EXPECT_EQ(std::memcmp(out, "\0\0\0\0\0\0\0\0\0\0", 10), 0);
    EXPECT_EQ(GetExtended(out), 0.0);
}

TEST(ByteOrder, ExtendedRoundTripsAndSign)
{
    for (double value : {1.0, 2.0, 0.5, 22050.0, 48000.0, 8000.0, 96000.0, 11025.0, 1.0e-3, 3.0e9, -44100.0}) {
        uint8_t bytes[10];
        SetExtended(bytes, value);
        EXPECT_EQ(GetExtended(bytes), value) << value;
    }
    uint8_t bytes[10];
    SetExtendedFromInteger(bytes, -8000);
    EXPECT_EQ(bytes[0] & 0x80, 0x80);
    EXPECT_EQ(GetExtendedAsInteger(bytes), -8000);

    // An exponent far out of range saturates instead of converting out of range.
    const uint8_t huge[10] = {0x7F, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(GetExtendedAsInteger(huge), INT32_MAX);
}
