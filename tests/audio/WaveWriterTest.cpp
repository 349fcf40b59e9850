#include "audio/WaveWriter.h"

#include "AudioTestSupport.h"
#include "audio/RIFF_READER.h"
#include "audio/RIFF_WRITER.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WaveWriter, SavesASampleByteForByte)
{
    WAVE_SAMPLE sample("Hat.wav", 44100, 3, 0, 0, false);
    sample.GetData().SetSample(0, 1);
    sample.GetData().SetSample(1, -2);
    sample.GetData().SetSample(2, 0x1234);
    CRecordingMedia media(128);
    CWaveWriter::SaveWave(media, sample);

    CBytes expected(true);
    expected.Text("RIFF").U32(4 + 24 + 14).Text("WAVE");
    expected.Text("fmt ").U32(16).U16(1).U16(1).U32(44100).U32(88200).U16(2).U16(16);
    expected.Text("data").U32(6).Raw({0x01, 0x00, 0xFE, 0xFF, 0x34, 0x12});
    EXPECT_EQ(Written(media), expected.Get());
}

TEST(WaveWriter, FormatFields)
{
    CRecordingMedia media(64);
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.WriteFmt(2, 24, 48000);
    CBytes expected(true);
    expected.Text("fmt ").U32(16).U16(1).U16(2).U32(48000).U32(288000).U16(6).U16(24);
    EXPECT_EQ(Written(media), expected.Get());

    media.SetPosition(0);
    BAT data(3);
    data.SetByte(2, 0x77);
    writer.WriteData(data); // the whole buffer, as stored
    CBytes dataChunk(true);
    dataChunk.Text("data").U32(3).Raw({0, 0, 0x77, 0});
    EXPECT_EQ(Written(media), dataChunk.Get());

    media.SetPosition(0);
    writer.BeginData();
    writer.WriteBytes(2, "ab");
    writer.CloseChunk();
    CBytes begun(true);
    begun.Text("data").U32(2).Text("ab");
    EXPECT_EQ(Written(media), begun.Get());
}

TEST(WaveWriter, AWriteFailurePassesOn)
{
    WAVE_SAMPLE sample("s", 44100, 20000, 0, 0, false);
    for (int writes : {0, 2, 4}) {
        CRecordingMedia media(100000, writes);
        EXPECT_THROW(CWaveWriter::SaveWave(media, sample), XWrite);
    }
}

TEST(RIFF, ReaderAndWriterAreLittleEndianRIFF)
{
    CRecordingMedia media(64);
    RIFF_WRITER writer(media);
    EXPECT_TRUE(writer.IsLittleEndian());
    writer.OpenGroup("RIFF", "TEST");
    writer.WriteChunk("abcd", "xyz", 3);
    writer.CloseGroup();
    EXPECT_EQ(media.GetBuffer()[4], 4 + 12);
    EXPECT_EQ(media.GetBuffer()[16], 3);

    RIFF_READER reader(media);
    uint32_t size = 0;
    EXPECT_TRUE(reader.FindChunk("abcd", size));
    EXPECT_EQ(size, 3u);

    RIFF_READER unattached;
    unattached.SetMedia(media);
    EXPECT_TRUE(unattached.FindChunk("abcd", size));

    // A FORM is no RIFF.
    media.SetPosition(0);
    media.Write(4, "FORM");
    EXPECT_THROW(reader.FindChunk("abcd", size), XBadFormat);
}

TEST(WaveWriter, AFailedSaveLeavesNoFile)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    WAVE_SAMPLE sample("Long.wav", 44100, 20000, 0, 0, false);
    const CFileSpec file((folder / "Long.wav").c_str());
    {
        CFileSizeLimit limit(1000);
        EXPECT_THROW(CWaveWriter::SaveWave(file, "    ", sample), XWrite);
    }
    EXPECT_FALSE(file.Exists());
    CWaveWriter::SaveWave(file, "    ", sample);
    EXPECT_EQ(FileBytes(file.GetFullPath()).size(), 44u + 40000);
}
