#include "audio/AudioFileTypes.h"

#include "files/FileSpec.h"

#include <gtest/gtest.h>

TEST(AudioFileTypes, RecogniseAIFFAndWaveFiles)
{
    // Files are recognised by extension, whatever its letter case.
    EXPECT_TRUE(kAIFFFileType.Matches(CFileSpec("/mods/Kick.aif")));
    EXPECT_FALSE(kAIFFFileType.Matches(CFileSpec("/mods/Kick.wav")));
    EXPECT_TRUE(kWaveFileType.Matches(CFileSpec("/mods/Kick.Wav")));
}
