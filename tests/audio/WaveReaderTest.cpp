#include "audio/WaveReader.h"

#include "AudioTestSupport.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveWriter.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Format {
    uint16_t tag = 1;
    int16_t channels = 1;
    uint32_t rate = 44100;
    uint32_t bytesPerSecond = 88200;
    uint16_t blockAlign = 2;
    uint16_t bits = 16;
};

CBytes& FmtChunk(CBytes& b, const Format& f)
{
    b.BeginChunk("fmt ").U16(f.tag).U16(static_cast<uint16_t>(f.channels)).U32(f.rate).U32(f.bytesPerSecond);
    return b.U16(f.blockAlign).U16(f.bits).EndChunk();
}

// RIFF/WAVE with "fmt " and "data" holding `data`.
std::vector<uint8_t> Wave(const Format& f, const std::vector<uint8_t>& data)
{
    CBytes b(true);
    b.Text("RIFF").U32(0).Text("WAVE");
    FmtChunk(b, f);
    b.BeginChunk("data").Raw(data).EndChunk();
    return b.CloseGroup().Get();
}

SampleFileInfo Info(std::vector<uint8_t> bytes)
{
    CBytesMedia media(std::move(bytes));
    SampleFileInfo info;
    CWaveReader::ReadWaveInfo(media, info);
    return info;
}

template <typename X>
void ExpectInfoFails(std::vector<uint8_t> bytes)
{
    CBytesMedia media(std::move(bytes));
    SampleFileInfo info;
    EXPECT_THROW(CWaveReader::ReadWaveInfo(media, info), X);
}

std::unique_ptr<WAVE_SAMPLE> Load(std::vector<uint8_t> bytes, uint8_t choice = 0)
{
    CBytesMedia media(std::move(bytes));
    std::unique_ptr<WAVE_SAMPLE> sample;
    CWaveReader::LoadWave(media, "Test.wav", choice, sample);
    return sample;
}

template <typename X>
void ExpectLoadFails(std::vector<uint8_t> bytes, uint8_t choice = 0)
{
    CBytesMedia media(std::move(bytes));
    auto sample = std::make_unique<WAVE_SAMPLE>("old", 1, 1, 0, 0, false);
    EXPECT_THROW(CWaveReader::LoadWave(media, "x", choice, sample), X);
    EXPECT_EQ(sample, nullptr);
}

std::vector<int16_t> Data(const WAVE_SAMPLE& sample)
{
    std::vector<int16_t> out;
    for (int32_t i = 0; i < sample.GetLength(); ++i)
        out.push_back(sample.GetData().GetSample(static_cast<uint32_t>(i)));
    return out;
}

Format Stereo()
{
    Format f;
    f.channels = 2;
    f.bytesPerSecond = 176400;
    f.blockAlign = 4;
    return f;
}

} // namespace

TEST(WaveReader, CountsFramesFromTheDataSize)
{
    const std::vector<uint8_t> data(88200, 0);
    const SampleFileInfo mono = Info(Wave(Format(), data));
    EXPECT_EQ(mono.channels, 1);
    EXPECT_EQ(mono.bits, 16);
    EXPECT_EQ(mono.sampleRate, 44100u);
    EXPECT_EQ(mono.frames, 44100u);
    EXPECT_TRUE(mono.plain);

    const SampleFileInfo stereo = Info(Wave(Stereo(), data));
    EXPECT_EQ(stereo.channels, 2);
    EXPECT_EQ(stereo.frames, 22050u);

    // 3 bytes of 16-bit mono: one whole frame.
    EXPECT_EQ(Info(Wave(Format(), {1, 2, 3})).frames, 1u);
}

TEST(WaveReader, ThePositionIsRestored)
{
    CBytesMedia media(Wave(Format(), {1, 2}));
    media.SetPosition(9);
    SampleFileInfo info;
    CWaveReader::ReadWaveInfo(media, info);
    EXPECT_EQ(media.GetPosition(), 9);
}

TEST(WaveReader, FindsDataAfterAnOddChunk)
{
    CBytes b(true);
    b.Text("RIFF").U32(0).Text("WAVE");
    FmtChunk(b, Format());
    b.BeginChunk("LIST").Text("abcde").EndChunk(); // 5 bytes and a pad byte
    b.BeginChunk("data").Raw(Words({1000, -1000}, true)).EndChunk();
    auto sample = Load(b.CloseGroup().Get());
    EXPECT_EQ(Data(*sample), (std::vector<int16_t>{1000, -1000}));
}

TEST(WaveReader, FailureClassesOfTheFormat)
{
    // A missing chunk is a damaged file; a bad "fmt " an unsupported one.
    CBytes noFmt(true);
    noFmt.Text("RIFF").U32(0).Text("WAVE").BeginChunk("data").U16(0).EndChunk();
    ExpectInfoFails<XBadFormat>(noFmt.CloseGroup().Get());
    CBytes noData(true);
    noData.Text("RIFF").U32(0).Text("WAVE");
    FmtChunk(noData, Format());
    noData.BeginChunk("junk").U16(0).EndChunk();
    ExpectInfoFails<XBadFormat>(noData.CloseGroup().Get());
    CBytes shortFmt(true);
    shortFmt.Text("RIFF").U32(0).Text("WAVE").BeginChunk("fmt ").U16(1).U16(1).U32(44100).EndChunk();
    shortFmt.BeginChunk("data").Fill(16, 0).EndChunk();
    ExpectInfoFails<XBadFormat>(shortFmt.CloseGroup().Get());
    CBytes form;
    form.Text("FORM").U32(0).Text("WAVE");
    ExpectInfoFails<XBadFormat>(form.CloseGroup().Get());

    Format f;
    f.bytesPerSecond = 0;
    ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0}));
    f = Format();
    f.channels = 0;
    ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0}));
    f = Format();
    f.rate = 0;
    ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0}));
    f = Format();
    f.rate = 0x80000000u;
    ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0}));
    for (uint16_t bits : {7, 33, 0}) {
        f = Format();
        f.bits = bits;
        ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0}));
    }
    // Channel counts that are negative or do not fit the info (256 would read as 0
    // and divide by zero).
    for (int16_t channels : {-1, -256, 256, 32767}) {
        f = Format();
        f.channels = channels;
        ExpectInfoFails<XUnsupportedFormat>(Wave(f, {0, 0, 0, 0}));
    }
}

TEST(WaveReader, OnlyPlain16BitPCMIsLoaded)
{
    Format compressed;
    compressed.tag = 3;
    const SampleFileInfo info = Info(Wave(compressed, {0, 0, 0, 0}));
    EXPECT_FALSE(info.plain);
    EXPECT_EQ(info.frames, 2u);
    ExpectLoadFails<XUnsupportedFormat>(Wave(compressed, {0, 0, 0, 0}));

    Format eight;
    eight.bits = 8;
    eight.blockAlign = 1;
    EXPECT_EQ(Info(Wave(eight, {1, 2, 3})).frames, 3u);
    ExpectLoadFails<XUnsupportedFormat>(Wave(eight, {1, 2, 3}));
}

TEST(WaveReader, LoadsPicksAndMixes)
{
    auto mono = Load(Wave(Format(), Words({5, -6, 7}, true)));
    EXPECT_STREQ(mono->GetName(), "Test.wav");
    EXPECT_EQ(mono->GetRate(), 44100);
    EXPECT_EQ(Data(*mono), (std::vector<int16_t>{5, -6, 7}));
    EXPECT_FALSE(mono->HasInstrumentData());
    EXPECT_FALSE(mono->IsLoopOn());

    const std::vector<uint8_t> stereo = Words({20000, 20000, -20000, 10000}, true);
    EXPECT_EQ(Data(*Load(Wave(Stereo(), stereo), 0)), (std::vector<int16_t>{20000, -20000}));
    EXPECT_EQ(Data(*Load(Wave(Stereo(), stereo), 1)), (std::vector<int16_t>{20000, 10000}));
    // Mixed: 40000 clips, so everything is scaled by 26842 / 32768.
    EXPECT_EQ(Data(*Load(Wave(Stereo(), stereo), 2)), (std::vector<int16_t>{32766, -8193}));
    ExpectLoadFails<XUnsupportedFormat>(Wave(Stereo(), stereo), 3);

    // No frames at all still makes a sample.
    auto empty = Load(Wave(Format(), {9}));
    EXPECT_EQ(empty->GetLength(), 0);
}

TEST(WaveReader, ShortOrHugeDataIsRefusedBeforeAllocating)
{
    // "data" claims 1000 bytes, the file ends after 4.
    CBytes cut(true);
    cut.Text("RIFF").U32(0).Text("WAVE");
    FmtChunk(cut, Format());
    cut.Text("data").U32(1000).Raw(Words({1, 2}, true));
    ExpectLoadFails<XRead>(cut.CloseGroup().Get());

    // 2^32 - 2 bytes of data claimed: more frames than any sample holds.
    CBytes huge(true);
    huge.Text("RIFF").U32(0).Text("WAVE");
    FmtChunk(huge, Format());
    huge.Text("data").U32(0xFFFFFFFE).Raw(Words({1, 2}, true));
    ExpectLoadFails<XOutOfMemory>(huge.CloseGroup().Get());
}

TEST(WaveReader, RoundTripThroughOurWriter)
{
    WAVE_SAMPLE original("Clap.wav", 22050, 30000, 0, 0, false);
    for (uint32_t i = 0; i < 30000; ++i)
        original.GetData().SetSample(i, static_cast<int16_t>(i * 7));
    CRecordingMedia media(70000);
    CWaveWriter::SaveWave(media, original);
    media.SetPosition(0);
    std::unique_ptr<WAVE_SAMPLE> loaded;
    CWaveReader::LoadWave(media, "Clap.wav", 0, loaded);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRate(), 22050);
    EXPECT_EQ(loaded->GetLength(), 30000);
    EXPECT_TRUE(loaded->GetData().Equals(original.GetData()));
}

TEST(WaveReader, ReadsAndLoadsFiles)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    WAVE_SAMPLE original("x", 44100, 3, 0, 0, false);
    original.GetData().SetSample(2, -77);
    const CFileSpec file((folder / "Rim.wav").c_str());
    CWaveWriter::SaveWave(file, "    ", original);

    SampleFileInfo info;
    CWaveReader::ReadWaveInfo(file, info);
    EXPECT_EQ(info.frames, 3u);
    EXPECT_TRUE(info.plain);

    std::unique_ptr<WAVE_SAMPLE> sample;
    CWaveReader::LoadWave(file, 0, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_STREQ(sample->GetName(), "Rim.wav");
    EXPECT_EQ(Data(*sample), (std::vector<int16_t>{0, 0, -77}));

    const CFileSpec missing((folder / "None.wav").c_str());
    EXPECT_THROW(CWaveReader::ReadWaveInfo(missing, info), XCreateFailed);
    EXPECT_THROW(CWaveReader::LoadWave(missing, 0, sample), XCreateFailed);
    EXPECT_EQ(sample, nullptr);
}
