#include "audio/WaveReader.h"

#include "AudioTestSupport.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// RIFF/WAVE with a "fmt " of these fields and, unless `data` is null, "data" holding
// it. More chunks can be added before CloseGroup.
CBytes Wave(int16_t channels, const std::vector<uint8_t>* data, uint16_t bits = 16, uint16_t tag = 1,
            uint32_t rate = 44100, uint32_t bytesPerSecond = 88200)
{
    CBytes b(true);
    b.Text("RIFF").U32(0).Text("WAVE").BeginChunk("fmt ").U16(tag).U16(static_cast<uint16_t>(channels));
    b.U32(rate).U32(bytesPerSecond).U16(static_cast<uint16_t>(channels * bits / 8)).U16(bits).EndChunk();
    if (data)
        b.BeginChunk("data").Raw(*data).EndChunk();
    return b;
}

std::vector<uint8_t> WaveFile(int16_t channels, const std::vector<uint8_t>& data, uint16_t bits = 16, uint16_t tag = 1)
{
    return Wave(channels, &data, bits, tag).CloseGroup().Get();
}

} // namespace

TEST(WaveReader, CountsFramesFromTheDataSize)
{
    const std::vector<uint8_t> data(88200, 0);
    CBytesMedia media(WaveFile(1, data));
    media.SetPosition(9);
    SampleFileInfo info;
    CWaveReader::ReadWaveInfo(media, info);
    EXPECT_EQ(media.GetPosition(), 9);
    EXPECT_EQ(Describe(info), "1 channels, 16 bits, 44100 Hz, 44100 frames, plain");
    EXPECT_EQ(Info(CWaveReader::ReadWaveInfo, WaveFile(2, data)).frames, 22050u);
    // Only whole frames count.
    EXPECT_EQ(Info(CWaveReader::ReadWaveInfo, WaveFile(1, {1, 2, 3})).frames, 1u);
    EXPECT_EQ(Info(CWaveReader::ReadWaveInfo, WaveFile(1, {1, 2, 3}, 8)).frames, 3u);
    // A compressed file has a good format, but not a plain one.
    EXPECT_EQ(Describe(Info(CWaveReader::ReadWaveInfo, WaveFile(1, {0, 0}, 16, 3))),
              "1 channels, 16 bits, 44100 Hz, 1 frames, not plain");
}

TEST(WaveReader, LoadsPicksAndMixes)
{
    // An odd chunk and its pad byte before "data".
    CBytes b = Wave(1, nullptr);
    b.BeginChunk("LIST").Text("abcde").EndChunk().BeginChunk("data").Raw(Words({5, -6, 7}, true)).EndChunk();
    auto mono = Load(CWaveReader::LoadWave, b.CloseGroup().Get());
    EXPECT_EQ(Samples(*mono), (std::vector<int16_t>{5, -6, 7}));
    EXPECT_EQ(Describe(*mono), "44100 Hz, 3 frames, loop 0..3 off, no instrument");

    const std::vector<uint8_t> stereo = WaveFile(2, Words({20000, 20000, -20000, 10000}, true));
    EXPECT_EQ(Samples(*Load(CWaveReader::LoadWave, stereo, 1)), (std::vector<int16_t>{20000, 10000}));
    // Mixed: 40000 clips, so everything is scaled by 26842 / 32768.
    EXPECT_EQ(Samples(*Load(CWaveReader::LoadWave, stereo, 2)), (std::vector<int16_t>{32766, -8193}));
    // No whole frame still makes a sample.
    EXPECT_EQ(Load(CWaveReader::LoadWave, WaveFile(1, {9}))->GetLength(), 0);
}

TEST(WaveReader, FailureClasses)
{
    const std::vector<uint8_t> four = Words({1, 2}, true);
    ExpectFailures(CWaveReader::ReadWaveInfo, CWaveReader::LoadWave, {
        // A missing or short chunk is a damaged file.
        {"FORM outer group", CBytes().Text("FORM").U32(0).Text("WAVE"), kBad, kBad},
        {"no fmt", CBytes(true).Text("RIFF").U32(0).Text("WAVE").BeginChunk("data").U16(0).EndChunk(), kBad, kBad},
        {"no data", Wave(1, nullptr).BeginChunk("junk").U16(0).EndChunk(), kBad, kBad},
        {"fmt of 8 bytes", CBytes(true).Text("RIFF").U32(0).Text("WAVE").BeginChunk("fmt ").U16(1).U16(1).U32(44100)
                               .EndChunk().BeginChunk("data").Fill(16, 0).EndChunk(), kBad, kBad},
        // A "fmt " that cannot be right is an unsupported file; so is one the loader cannot take.
        {"0 bytes per second", Wave(1, &four, 16, 1, 44100, 0), kUnsupported, kUnsupported},
        {"rate 0", Wave(1, &four, 16, 1, 0), kUnsupported, kUnsupported},
        {"rate 2^31", Wave(1, &four, 16, 1, 0x80000000u), kUnsupported, kUnsupported},
        {"0 channels", Wave(0, &four), kUnsupported, kUnsupported},
        {"-1 channels", Wave(-1, &four), kUnsupported, kUnsupported},
        {"256 channels, a 0 byte", Wave(256, &four), kUnsupported, kUnsupported},
        {"0 bits", Wave(1, &four, 0), kUnsupported, kUnsupported},
        {"7 bits", Wave(1, &four, 7), kUnsupported, kUnsupported},
        {"33 bits", Wave(1, &four, 33), kUnsupported, kUnsupported},
        {"compressed", Wave(1, &four, 16, 3), kNone, kUnsupported},
        {"8 bits", Wave(1, &four, 8), kNone, kUnsupported},
        {"channel 3 of 2", Wave(2, &four), kNone, kUnsupported, 3},
        // Sizes that the data does not back: refused before the sample's memory is taken.
        {"1000 bytes claimed, 4 there", Wave(1, nullptr).Text("data").U32(1000).Raw(four), kNone, kRead},
        {"2^32-2 bytes claimed", Wave(1, nullptr).Text("data").U32(0xFFFFFFFE).Raw(four), kNone, kMemory},
    });
}

TEST(WaveReader, RoundTripThroughOurWriter)
{
    WAVE_SAMPLE original("Clap.wav", 22050, 30000, 0, 0, false);
    for (uint32_t i = 0; i < 30000; ++i)
        original.GetData().SetSample(i, static_cast<int16_t>(i * 7));
    CRecordingMedia media(70000);
    CWaveWriter::SaveWave(media, original);
    auto loaded = Load(CWaveReader::LoadWave, Written(media));
    EXPECT_EQ(Describe(*loaded), "22050 Hz, 30000 frames, loop 0..30000 off, no instrument");
    EXPECT_TRUE(loaded->GetData().Equals(original.GetData()));
}
