#include "app/Catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

TEST(Catalogue, TablesAsTheSynthesizerKnowsThem)
{
    EXPECT_STREQ(SkinImageNames[0], "12015.jpg");
    EXPECT_STREQ(SkinImageNames[28], "12507.jpg");
    EXPECT_EQ(SkinImageSizes[28].width, 1674);
    EXPECT_EQ(SkinImageSizes[28].height, 30);
    EXPECT_STREQ(SkinImageNames[kSplashImageRow], "splash.jpg");
    EXPECT_EQ(SkinImageSizes[kSplashImageRow].width, 256);
    EXPECT_EQ(SkinImageSizes[53].width, 6);

    EXPECT_STREQ(AiffSampleNames[0], "tr808bd.aif");
    EXPECT_STREQ(AiffSampleNames[24], "TR909bd1.aif");
    EXPECT_STREQ(AiffSampleNames[kStartupSampleRow], "startup.aif");
    std::set<std::string> names;
    for (int32_t row = 0; row < kSampleCount; ++row) {
        std::string aiff = AiffSampleNames[row];
        ASSERT_LE(aiff.size(), 13u);
        EXPECT_EQ(aiff.substr(0, aiff.size() - 4) + ".wav", WaveSampleNames[row]);
        names.insert(aiff);
    }
    for (int32_t row = 0; row < kSkinImageCount; ++row) {
        ASSERT_LE(std::strlen(SkinImageNames[row]), 10u);
        names.insert(SkinImageNames[row]);
    }
    EXPECT_EQ(names.size(), size_t(kSampleCount + kSkinImageCount)); // no name twice
}

TEST(Catalogue, LookupsIgnoreCaseButWantWholeNames)
{
    int32_t row = -1;
    EXPECT_TRUE(FindAiffSample("TR909BD1.AIF", row));
    EXPECT_EQ(row, 24);
    EXPECT_TRUE(FindWaveSample("tr808bd.WAV", row));
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(FindSkinImage("SPLASH.JPG", row));
    EXPECT_EQ(row, 58);
    EXPECT_TRUE(FindSkinImage("12015.JPG", row));
    EXPECT_EQ(row, 0);

    row = 77;
    EXPECT_FALSE(FindSkinImage("12015.jpeg", row));
    EXPECT_FALSE(FindSkinImage("12015.jp", row));
    EXPECT_FALSE(FindSkinImage("x12015.jpg", row));
    EXPECT_FALSE(FindAiffSample("tr808bd.wav", row));
    EXPECT_FALSE(FindWaveSample("tr808bd.aif", row));
    EXPECT_EQ(row, 77); // untouched when nothing matches

    EXPECT_TRUE(EqualsIgnoringCase("modname.TXT", "ModName.txt"));
    EXPECT_FALSE(EqualsIgnoringCase("ModName.txt ", "ModName.txt"));
    // Only ASCII letters fold: other bytes must be equal.
    EXPECT_FALSE(EqualsIgnoringCase("\xE4.txt", "\xC4.txt"));
}
