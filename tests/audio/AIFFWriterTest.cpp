#include "audio/AIFFWriter.h"

#include "AudioTestSupport.h"
#include "audio/AIFFFormat.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::unique_ptr<WAVE_SAMPLE> ThreeFrames()
{
    auto sample = std::make_unique<WAVE_SAMPLE>("Tom.aif", 44100, 3, 1, 3, true);
    sample->GetData().SetSample(0, 1);
    sample->GetData().SetSample(1, -2);
    sample->GetData().SetSample(2, 0x1234);
    return sample;
}

std::vector<uint8_t> ExpectedFile(uint8_t baseNote, uint8_t detune)
{
    CBytes b;
    b.Text("FORM").U32(124).Text("AIFF");
    b.Text("COMM").U32(18).U16(1).U32(3).U16(16);
    b.Raw({0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}); // 44100 Hz as an 80-bit number
    b.Text("SSND").U32(14).U32(0).U32(0).Raw({0x00, 0x01, 0xFF, 0xFE, 0x12, 0x34});
    b.Text("INST").U32(20).U8(baseNote).U8(detune).U8(0).U8(127).U8(1).U8(127).U16(0);
    b.U16(0).U16(1).U16(2);  // sustain loop: play mode 0, markers 1 and 2
    b.U16(0).U16(3).U16(4);  // release loop
    b.Text("MARK").U32(36).U16(2);
    b.U16(1).U32(1).U8(10).Text("Loop start").U8(0); // 7 + 10 is odd: padded
    b.U16(2).U32(3).U8(8).Text("Loop end").U8(0);
    return b.Get();
}

} // namespace

TEST(AIFFWriter, SavesASampleByteForByte)
{
    auto sample = ThreeFrames();
    sample->SetHasInstrumentData(true);
    sample->SetBaseNote(48);
    sample->SetDetune(-5);
    CRecordingMedia media(256);
    CAIFFWriter::SaveAIFF(media, *sample);
    EXPECT_EQ(Written(media), ExpectedFile(48, 0xFB));

    // The data went out big-endian without being changed in memory.
    EXPECT_EQ(sample->GetData().GetSample(1), -2);
    EXPECT_EQ(sample->GetData().GetByte(4), 0x34);
}

TEST(AIFFWriter, WithoutInstrumentDataTheBaseNoteIs60)
{
    auto sample = ThreeFrames();
    sample->SetBaseNote(12); // not flagged as instrument data: not written
    CRecordingMedia media(256);
    CAIFFWriter::SaveAIFF(media, *sample);
    EXPECT_EQ(Written(media), ExpectedFile(60, 0));
}

TEST(AIFFWriter, AddsAnApplicationChunkWhenGivenData)
{
    auto sample = ThreeFrames();
    CRecordingMedia media(256);
    CAIFFWriter::SaveAIFF(media, *sample, "Tdrl", "abc", 3);
    std::vector<uint8_t> expected = ExpectedFile(60, 0);
    CBytes appl;
    appl.Text("APPL").U32(7).Text("Tdrlabc").U8(0);
    expected.insert(expected.end(), appl.Get().begin(), appl.Get().end());
    SetBE32(&expected[4], 124 + 16);
    EXPECT_EQ(Written(media), expected);
}

TEST(AIFFWriter, ChunkWritersOnTheirOwn)
{
    CRecordingMedia media(256);
    CAIFFWriter writer(media);

    AIFFCommonChunk common;
    common.channels = 2;
    common.frames = 0x01020304;
    common.bits = 24;
    common.rate = 22050;
    writer.WriteCOMM(common);
    CBytes comm;
    comm.Text("COMM").U32(18).U16(2).U32(0x01020304).U16(24).Raw({0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Written(media), comm.Get());

    media.SetPosition(0);
    writer.WriteSSND(AIFFSoundDataHeader{4, 9}, "\x01\x02\x03\x04", 2);
    CBytes ssnd;
    ssnd.Text("SSND").U32(12).U32(4).U32(9).Raw({1, 2, 3, 4});
    EXPECT_EQ(Written(media), ssnd.Get());

    media.SetPosition(0);
    writer.BeginSSND(AIFFSoundDataHeader());
    writer.WriteBytes(1, "\x7F");
    writer.CloseChunk();
    CBytes begun;
    begun.Text("SSND").U32(9).U32(0).U32(0).U8(0x7F).U8(0);
    EXPECT_EQ(Written(media), begun.Get());

    media.SetPosition(0);
    writer.WriteMARK(-1, 70000);
    CBytes mark;
    mark.Text("MARK").U32(36).U16(2).U16(1).U32(0xFFFFFFFF).U8(10).Text("Loop start").U8(0);
    mark.U16(2).U32(70000).U8(8).Text("Loop end").U8(0);
    EXPECT_EQ(Written(media), mark.Get());

    media.SetPosition(0);
    writer.WriteINST(-3, 7);
    EXPECT_EQ(media.GetBuffer()[8], 0xFD);
    EXPECT_EQ(media.GetBuffer()[9], 7);
}

TEST(AIFFWriter, AWriteFailurePassesOnAndLeavesTheSampleAlone)
{
    auto sample = std::make_unique<WAVE_SAMPLE>("Big.aif", 44100, 20000, 0, 0, false);
    for (uint32_t i = 0; i < 20000; ++i)
        sample->GetData().SetSample(i, static_cast<int16_t>(i * 3));
    // Header, COMM, SSND header and two pieces of data get through, then the medium fails.
    for (int writes : {0, 3, 6}) {
        CRecordingMedia media(100000, writes);
        EXPECT_THROW(CAIFFWriter::SaveAIFF(media, *sample), XWrite);
        for (uint32_t i = 0; i < 20000; i += 997)
            ASSERT_EQ(sample->GetData().GetSample(i), static_cast<int16_t>(i * 3)) << writes;
    }
}

TEST(AIFFWriter, SavesToAFile)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    auto sample = ThreeFrames();
    const CFileSpec file((folder / "Tom.aif").c_str());
    CAIFFWriter::SaveAIFF(file, "    ", *sample);
    EXPECT_EQ(FileBytes(file.GetFullPath()), ExpectedFile(60, 0));

    // Saving again replaces the file; this time with an "APPL" chunk.
    CAIFFWriter::SaveAIFF(file, "AIFF", "Tdrl", *sample, "Tdrl", "abcd", 4);
    const std::vector<uint8_t> bytes = FileBytes(file.GetFullPath());
    ASSERT_EQ(bytes.size(), 132u + 16);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 16, bytes.end()),
              (std::vector<uint8_t>{'A', 'P', 'P', 'L', 0, 0, 0, 8, 'T', 'd', 'r', 'l', 'a', 'b', 'c', 'd'}));
}

TEST(AIFFWriter, AFailedSaveLeavesNoFile)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    WAVE_SAMPLE sample("Long.aif", 44100, 20000, 0, 0, false);
    const CFileSpec file((folder / "Long.aif").c_str());
    {
        CFileSizeLimit limit(1000);
        EXPECT_THROW(CAIFFWriter::SaveAIFF(file, "    ", sample), XWrite);
    }
    EXPECT_FALSE(file.Exists());

    const CFileSpec nowhere((folder / "missing/Long.aif").c_str());
    EXPECT_THROW(CAIFFWriter::SaveAIFF(nowhere, "    ", sample), XCreateFailed);
}
