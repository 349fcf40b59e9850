#include "audio/AudioFileTypes.h"

#include "files/FileSpec.h"

#include <gtest/gtest.h>

TEST(AudioFileTypes, DescribeAIFFAndWaveFiles)
{
    EXPECT_STREQ(kAIFFFileType.GetDescription(), "Audio IFF");
    EXPECT_STREQ(kAIFFFileType.GetExtension(), ".AIF");
    EXPECT_STREQ(kAIFFFileType.GetTypeCode(), "AIFF");
    EXPECT_STREQ(kWaveFileType.GetDescription(), "Wave File");
    EXPECT_STREQ(kWaveFileType.GetExtension(), ".WAV");
    EXPECT_STREQ(kWaveFileType.GetTypeCode(), "WAVE");
    // Files are recognised by extension, whatever its letter case.
    EXPECT_TRUE(kAIFFFileType.Matches(CFileSpec("/mods/Kick.aif")));
    EXPECT_FALSE(kAIFFFileType.Matches(CFileSpec("/mods/Kick.wav")));
    EXPECT_TRUE(kWaveFileType.Matches(CFileSpec("/mods/Kick.Wav")));
}
