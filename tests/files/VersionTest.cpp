#include "files/Version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Formatted(const CVersion& version, int style)
{
    char out[32] = "untouched";
    version.Format(out, style);
    return out;
}

} // namespace

TEST(VersionTest, ConstructorsFillTheMissingParts)
{
    const CVersion empty;
    EXPECT_EQ(empty.GetPacked(), 0u);
    EXPECT_EQ(empty.GetStage(), CVersion::kRelease);

    const CVersion two(4, 10);
    EXPECT_EQ(two.GetMajor(), 4);
    EXPECT_EQ(two.GetMinor(), 10);
    EXPECT_EQ(two.GetBugfix(), 0);
    EXPECT_EQ(two.GetBuild(), 0);
    EXPECT_EQ(two.GetStage(), CVersion::kRelease);
    EXPECT_EQ(two.GetMajorMinor(), 0x040A);

    const CVersion full(2, 0, 1, 3, CVersion::kBeta);
    EXPECT_EQ(full.GetPacked(), 0x020001u);
    EXPECT_EQ(full.GetBuild(), 3);
    EXPECT_EQ(full.GetStage(), CVersion::kBeta);
}

TEST(VersionTest, ComparesMajorMinorBugfixOnly)
{
    const CVersion required(4, 0);
    EXPECT_TRUE(CVersion(4, 0).IsAtLeast(required));
    EXPECT_FALSE(CVersion(3, 95).IsAtLeast(required));
    EXPECT_TRUE(CVersion(4, 10).IsAtLeast(required));
    EXPECT_TRUE(CVersion(3, 95).IsAtMost(required));
    EXPECT_FALSE(CVersion(4, 0, 1).IsAtMost(required));

    // Build and stage take no part.
    const CVersion alpha(2, 0, 1, 2, CVersion::kAlpha);
    const CVersion release(2, 0, 1, 77, CVersion::kRelease);
    EXPECT_TRUE(alpha.IsSame(release));
    EXPECT_TRUE(alpha.IsAtLeast(release));
    EXPECT_TRUE(alpha.IsAtMost(release));
    EXPECT_FALSE(alpha.IsSame(CVersion(2, 0, 2)));

    EXPECT_TRUE(CVersion(2, 9).IsSameMajor(CVersion(2, 0, 5)));
    EXPECT_FALSE(CVersion(2, 9).IsSameMajor(CVersion(3, 0)));
}

TEST(VersionTest, WithinTakesTheLowestWholeAndTheHighestsMajor)
{
    const CVersion lowest(1, 2, 3);
    const CVersion highest(2, 0);
    EXPECT_TRUE(CVersion(1, 2, 3).IsWithin(lowest, highest));
    EXPECT_FALSE(CVersion(1, 2, 2).IsWithin(lowest, highest));
    // Any 2.x passes, although 2.9 lies above 2.0.
    EXPECT_TRUE(CVersion(2, 9, 9).IsWithin(lowest, highest));
    EXPECT_FALSE(CVersion(3, 0).IsWithin(lowest, highest));
}

TEST(VersionTest, FormatsEveryStyle)
{
    const CVersion version(2, 0, 1, 3, CVersion::kBeta);
    EXPECT_EQ(Formatted(version, CVersion::kMajorMinor), "2.0");
    EXPECT_EQ(Formatted(version, CVersion::kMajorMinorZero), "2.0");
    EXPECT_EQ(Formatted(version, CVersion::kMajorMinorBugfix), "2.0.1");
    EXPECT_EQ(Formatted(version, CVersion::kMajorMinorZeroBugfix), "2.0.1");
    EXPECT_EQ(Formatted(version, CVersion::kShortWithStage), "2.0.1b3");
    EXPECT_EQ(Formatted(CVersion(12, 34, 56), CVersion::kMajorMinorBugfix), "12.34.56");

    // The short style leaves out a bugfix of 0 and the release stage.
    EXPECT_EQ(Formatted(CVersion(1, 2, 0), CVersion::kShortWithStage), "1.2");
    EXPECT_EQ(Formatted(CVersion(1, 2, 0, 7, CVersion::kDevelopment), CVersion::kShortWithStage), "1.2Dev7");
    EXPECT_EQ(Formatted(CVersion(1, 2, 0, 7, CVersion::kAlpha), CVersion::kShortWithStage), "1.2a7");
    EXPECT_EQ(Formatted(CVersion(1, 2, 4, 0, CVersion::kAlpha), CVersion::kShortWithStage), "1.2.4a0");
    EXPECT_EQ(Formatted(CVersion(255, 255, 255, 255, CVersion::kDevelopment), CVersion::kShortWithStage),
              "255.255.255Dev255");

    EXPECT_EQ(Formatted(version, 9), "untouched");
    EXPECT_EQ(Formatted(version, 15), "untouched");
}

TEST(VersionTest, LongFormCarriesTheMarker)
{
    uint8_t bytes[5] = {};
    CVersion(2, 7, 9, 4, CVersion::kAlpha).WriteLong(bytes);
    const uint8_t expected[5] = {0xBC, 2, 7, 9, 0};
    EXPECT_EQ(std::memcmp(bytes, expected, 5), 0);
    EXPECT_EQ(CVersion::GetLongSize(), 5);

    // Reading sets the three numbers and keeps build and stage.
    CVersion read(0, 0, 0, 11, CVersion::kBeta);
    EXPECT_TRUE(read.ReadLong(bytes));
    EXPECT_EQ(read.GetPacked(), 0x020709u);
    EXPECT_EQ(read.GetBuild(), 11);
    EXPECT_EQ(read.GetStage(), CVersion::kBeta);

    const uint8_t unmarked[5] = {0xBD, 9, 9, 9, 0};
    EXPECT_FALSE(read.ReadLong(unmarked));
    EXPECT_EQ(read.GetPacked(), 0x020709u);
}

TEST(VersionTest, ShortFormHoldsMajorAndMinor)
{
    uint8_t bytes[2] = {};
    CVersion(3, 14, 15).WriteShort(bytes);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 14);

    CVersion read(9, 9, 9, 6, CVersion::kDevelopment);
    read.ReadShort(bytes);
    EXPECT_EQ(read.GetPacked(), 0x030E00u);
    EXPECT_EQ(read.GetStage(), CVersion::kRelease);
    EXPECT_EQ(read.GetBuild(), 6);
}
