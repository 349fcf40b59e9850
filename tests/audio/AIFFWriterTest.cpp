#include "audio/AIFFWriter.h"

#include "AudioTestSupport.h"
#include "audio/AIFFReader.h"
#include "audio/WAVE_SAMPLE.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The frames 1, -2, 0x1234 at 44100 Hz with the loop from 1 to 3.
std::vector<uint8_t> ExpectedFile(uint8_t baseNote, uint8_t detune)
{
    CBytes b;
    b.Text("FORM").U32(124).Text("AIFF");
    b.Text("COMM").U32(18).U16(1).U32(3).U16(16);
    b.Raw({0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}); // 44100 Hz as an 80-bit number
    b.Text("SSND").U32(14).U32(0).U32(0).Raw({0x00, 0x01, 0xFF, 0xFE, 0x12, 0x34});
    b.Text("INST").U32(20).U8(baseNote).U8(detune).U8(0).U8(127).U8(1).U8(127).U16(0);
    b.U16(0).U16(1).U16(2); // sustain loop: play mode 0, markers 1 and 2
    b.U16(0).U16(3).U16(4); // release loop
    b.Text("MARK").U32(36).U16(2);
    b.U16(1).U32(1).U8(10).Text("Loop start").U8(0); // 7 + 10 is odd: padded
    b.U16(2).U32(3).U8(8).Text("Loop end").U8(0);
    return b.Get();
}

} // namespace

TEST(AIFFWriter, SavesASampleByteForByte)
{
    // Without instrument data the base note is 60.
    EXPECT_EQ(SaveThroughFiles(CAIFFWriter::SaveAIFF, CAIFFReader::ReadAIFFInfo, CAIFFReader::LoadAIFF, "Tom.aif"),
              ExpectedFile(60, 0));

    WAVE_SAMPLE sample("Tom.aif", 44100, 3, 1, 3, true);
    sample.GetData().Write(0, 6, Words({1, -2, 0x1234}, true).data());
    sample.SetHasInstrumentData(true);
    sample.SetBaseNote(48);
    sample.SetDetune(-5);
    CRecordingMedia media(256);
    CAIFFWriter::SaveAIFF(media, sample, "Tdrl", "abc", 3);
    CBytes expected;
    expected.Raw(ExpectedFile(48, 0xFB)).Text("APPL").U32(7).Text("Tdrlabc").U8(0).CloseGroup(); // 16 bytes more
    EXPECT_EQ(Written(media), expected.Get());
    // The data went out big-endian without being changed in memory.
    EXPECT_EQ(Samples(sample), (std::vector<int16_t>{1, -2, 0x1234}));
}

TEST(AIFFWriter, AWriteFailurePassesOnAndLeavesTheSampleAlone)
{
    WAVE_SAMPLE sample("Big.aif", 44100, 20000, 0, 0, false);
    for (uint32_t i = 0; i < 20000; ++i)
        sample.GetData().SetSample(i, static_cast<int16_t>(i * 3));
    // Header, COMM, SSND header and two pieces of data get through, then the medium fails.
    for (int writes : {0, 3, 6}) {
        CRecordingMedia media(100000, writes);
        EXPECT_THROW(CAIFFWriter::SaveAIFF(media, sample), XWrite);
        for (uint32_t i = 0; i < 20000; i += 997)
            ASSERT_EQ(sample.GetData().GetSample(i), static_cast<int16_t>(i * 3)) << writes;
    }
}
