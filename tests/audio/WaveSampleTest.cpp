#include "audio/WaveSample.h"

#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

TEST(WaveSample, MakesAZeroFilledMediumWithSpareBytes)
{
    CWaveSample sample("Snare.wav", 44100, 100);
    EXPECT_STREQ(sample.GetName(), "Snare.wav");
    EXPECT_EQ(sample.GetRate(), 44100);
    EXPECT_EQ(sample.GetLength(), 100);
    EXPECT_EQ(sample.GetMedia().GetSize(), 100 * 2 + 1024);
    for (int i = 0; i < 1224; ++i)
        ASSERT_EQ(sample.GetDataPointer()[i], 0) << i;
    EXPECT_EQ(sample.GetSecondMedia(), nullptr);

    EXPECT_THROW(CWaveSample("big", 44100, INT32_MAX / 2), XOutOfMemory);
    EXPECT_THROW(CWaveSample("negative", 44100, -1), XOutOfMemory);
}

TEST(WaveSample, AdoptsTheMediaItIsGiven)
{
    auto media = std::make_unique<CMemoryMedia>(8);
    CMemoryMedia* raw = media.get();
    CWaveSample sample("x", 8000, 4, std::move(media));
    EXPECT_EQ(&sample.GetMedia(), raw);
    EXPECT_EQ(sample.GetDataPointer(), raw->GetBuffer());

    auto second = std::make_unique<CMemoryMedia>(2);
    CMedia* secondRaw = second.get();
    sample.SetSecondMedia(std::move(second));
    EXPECT_EQ(sample.GetSecondMedia(), secondRaw);

    EXPECT_THROW(CWaveSample("none", 8000, 4, nullptr), XInternalError);
}
