#include "audio/WaveWriter.h"

#include "AudioTestSupport.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveReader.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WaveWriter, SavesASampleByteForByte)
{
    CBytes expected(true);
    expected.Text("RIFF").U32(4 + 24 + 14).Text("WAVE");
    expected.Text("fmt ").U32(16).U16(1).U16(1).U32(44100).U32(88200).U16(2).U16(16);
    expected.Text("data").U32(6).Raw({0x01, 0x00, 0xFE, 0xFF, 0x34, 0x12});
    EXPECT_EQ(SaveThroughFiles(CWaveWriter::SaveWave, CWaveReader::ReadWaveInfo, CWaveReader::LoadWave, "Hat.wav"),
              expected.Get());

    // Bytes per second and block align follow from the other fields.
    CRecordingMedia media(64);
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.WriteFmt(2, 24, 48000);
    CBytes fmt(true);
    EXPECT_EQ(Written(media), fmt.Text("fmt ").U32(16).U16(1).U16(2).U32(48000).U32(288000).U16(6).U16(24).Get());

    // The medium fails at the header, at "fmt " and inside the data.
    for (int writes : {0, 2, 4}) {
        CRecordingMedia failing(100000, writes);
        EXPECT_THROW(CWaveWriter::SaveWave(failing, WAVE_SAMPLE("s", 44100, 20000, 0, 0, false)), XWrite);
    }
}
