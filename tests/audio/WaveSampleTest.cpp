#include "audio/WaveSample.h"

#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WaveSample, HoldsItsDataInOneMedium)
{
    CWaveSample sample("Snare.wav", 44100, 100);
    ASSERT_EQ(sample.GetMedia().GetSize(), 100 * 2 + 1024);
    EXPECT_EQ(std::vector<uint8_t>(sample.GetDataPointer(), sample.GetDataPointer() + 1224),
              std::vector<uint8_t>(1224, 0));
    EXPECT_THROW(CWaveSample("big", 44100, INT32_MAX / 2), XOutOfMemory);
    EXPECT_THROW(CWaveSample("negative", 44100, -1), XOutOfMemory);
    EXPECT_THROW(CWaveSample("none", 8000, 4, nullptr), XInternalError);
}
