#include "audio/AIFFReader.h"

#include "AudioTestSupport.h"
#include "audio/AIFFWriter.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// FORM/AIFF with "COMM" and, unless `samples` is null, "SSND" holding them
// big-endian. More chunks can be added before CloseGroup.
CBytes AIFF(int16_t channels, uint32_t frames, uint16_t bits, uint32_t rate, const std::vector<int16_t>* samples)
{
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF");
    b.BeginChunk("COMM").U16(static_cast<uint16_t>(channels)).U32(frames).U16(bits).Rate(rate).EndChunk();
    if (samples)
        b.BeginChunk("SSND").U32(0).U32(0).Raw(Words(*samples, false)).EndChunk();
    return b;
}

CBytes& Instrument(CBytes& b, int8_t baseNote, int8_t detune, int16_t playMode, int16_t begin = 1, int16_t end = 2)
{
    b.BeginChunk("INST").U8(static_cast<uint8_t>(baseNote)).U8(static_cast<uint8_t>(detune));
    b.U8(0).U8(127).U8(1).U8(127).U16(0);
    b.U16(static_cast<uint16_t>(playMode)).U16(static_cast<uint16_t>(begin)).U16(static_cast<uint16_t>(end));
    return b.U16(0).U16(3).U16(4).EndChunk();
}

CBytes& Markers(CBytes& b, int32_t start, int32_t end)
{
    b.BeginChunk("MARK").U16(2);
    b.U16(1).U32(static_cast<uint32_t>(start)).U8(5).Text("start");
    b.U16(2).U32(static_cast<uint32_t>(end)).U8(4).Text("end.").U8(0);
    return b.EndChunk();
}

std::unique_ptr<WAVE_SAMPLE> Load(std::vector<uint8_t> bytes, uint8_t choice = 0)
{
    CBytesMedia media(std::move(bytes));
    std::unique_ptr<WAVE_SAMPLE> sample;
    CAIFFReader::LoadAIFF(media, "Test.aif", choice, sample);
    return sample;
}

// Loads and expects the failure class; the out pointer must come back empty.
template <typename X>
void ExpectLoadFails(std::vector<uint8_t> bytes, uint8_t choice = 0)
{
    CBytesMedia media(std::move(bytes));
    auto sample = std::make_unique<WAVE_SAMPLE>("old", 1, 1, 0, 0, false);
    EXPECT_THROW(CAIFFReader::LoadAIFF(media, "x", choice, sample), X);
    EXPECT_EQ(sample, nullptr);
}

std::vector<int16_t> Data(const WAVE_SAMPLE& sample)
{
    std::vector<int16_t> out;
    for (int32_t i = 0; i < sample.GetLength(); ++i)
        out.push_back(sample.GetData().GetSample(static_cast<uint32_t>(i)));
    return out;
}

const std::vector<int16_t> kMono = {10, -20, 30, -40};
const std::vector<int16_t> kStereo = {20000, 100, 20000, -100, -5, 5};

} // namespace

TEST(AIFFReader, ReportsTheFormatAndRestoresThePosition)
{
    CBytes b = AIFF(2, 3, 16, 22050, &kStereo);
    CBytesMedia media(b.CloseGroup().Get());
    media.SetPosition(7);
    SampleFileInfo info;
    info.spare32[0] = 99;
    CAIFFReader::ReadAIFFInfo(media, info);
    EXPECT_EQ(media.GetPosition(), 7);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.bits, 16);
    EXPECT_EQ(info.sampleRate, 22050u);
    EXPECT_EQ(info.frames, 3u);
    EXPECT_EQ(info.spare32[0], 0u);
    EXPECT_TRUE(info.plain);

    // 8 and 24 bits pass the format check but are not plain, and are not loaded.
    for (uint16_t bits : {8, 24}) {
        CBytesMedia other(AIFF(1, 4, bits, 44100, &kMono).CloseGroup().Get());
        CAIFFReader::ReadAIFFInfo(other, info);
        EXPECT_EQ(info.bits, bits);
        EXPECT_FALSE(info.plain);
        ExpectLoadFails<XUnsupportedFormat>(AIFF(1, 4, bits, 44100, &kMono).CloseGroup().Get());
    }
}

TEST(AIFFReader, RatesAreWholeHertz)
{
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF").BeginChunk("COMM").U16(1).U32(1).U16(16);
    uint8_t rate[10];
    SetExtended(rate, 44100.75);
    b.Raw(std::vector<uint8_t>(rate, rate + 10)).EndChunk();
    CBytesMedia media(b.CloseGroup().Get());
    SampleFileInfo info;
    CAIFFReader::ReadAIFFInfo(media, info);
    EXPECT_EQ(info.sampleRate, 44100u);
}

TEST(AIFFReader, RefusesAnInvalidFormatBeforeReadingData)
{
    const std::vector<int16_t> none;
    auto refused = [](std::vector<uint8_t> bytes) {
        CBytesMedia media(std::move(bytes));
        SampleFileInfo info;
        EXPECT_THROW(CAIFFReader::ReadAIFFInfo(media, info), XBadFormat);
    };
    refused(AIFF(0, 4, 16, 44100, nullptr).CloseGroup().Get());
    refused(AIFF(1, 0, 16, 44100, nullptr).CloseGroup().Get());
    refused(AIFF(1, 4, 4, 44100, nullptr).CloseGroup().Get());
    refused(AIFF(1, 4, 33, 44100, nullptr).CloseGroup().Get());
    refused(AIFF(1, 4, 16, 0, nullptr).CloseGroup().Get());
    // Channel counts a SampleFileInfo cannot report.
    refused(AIFF(-1, 4, 16, 44100, nullptr).CloseGroup().Get());
    refused(AIFF(256, 4, 16, 44100, nullptr).CloseGroup().Get());

    // No "COMM", a short one, or not a FORM at all.
    CBytes noComm;
    noComm.Text("FORM").U32(0).Text("AIFF").BeginChunk("SSND").U32(0).U32(0).EndChunk();
    refused(noComm.CloseGroup().Get());
    CBytes shortComm;
    shortComm.Text("FORM").U32(0).Text("AIFF").BeginChunk("COMM").U16(1).U32(4).U16(16).EndChunk();
    shortComm.BeginChunk("SSND").U32(0).U32(0).Fill(8, 0).EndChunk();
    refused(shortComm.CloseGroup().Get());
    CBytes riff(true);
    riff.Text("RIFF").U32(0).Text("AIFF");
    refused(riff.CloseGroup().Get());

    // Rates of 2^31 Hz and more, and negative ones.
    for (double hertz : {2147483648.0, -44100.0, 1e300}) {
        CBytes b;
        b.Text("FORM").U32(0).Text("AIFF").BeginChunk("COMM").U16(1).U32(1).U16(16);
        uint8_t rate[10];
        SetExtended(rate, hertz);
        b.Raw(std::vector<uint8_t>(rate, rate + 10)).EndChunk();
        refused(b.CloseGroup().Get());
    }
}

TEST(AIFFReader, LoadsMonoData)
{
    auto sample = Load(AIFF(1, 4, 16, 44100, &kMono).CloseGroup().Get());
    ASSERT_NE(sample, nullptr);
    EXPECT_STREQ(sample->GetName(), "Test.aif");
    EXPECT_EQ(sample->GetRate(), 44100);
    EXPECT_EQ(sample->GetLength(), 4);
    EXPECT_EQ(Data(*sample), kMono);
    // No "INST": default instrument, loop over the whole sample, off.
    EXPECT_FALSE(sample->HasInstrumentData());
    EXPECT_EQ(sample->GetLoopStart(), 0);
    EXPECT_EQ(sample->GetLoopEnd(), 4);
    EXPECT_FALSE(sample->IsLoopOn());
}

TEST(AIFFReader, PicksOrMixesChannels)
{
    auto left = Load(AIFF(2, 3, 16, 44100, &kStereo).CloseGroup().Get(), 0);
    EXPECT_EQ(Data(*left), (std::vector<int16_t>{20000, 20000, -5}));
    auto right = Load(AIFF(2, 3, 16, 44100, &kStereo).CloseGroup().Get(), 1);
    EXPECT_EQ(Data(*right), (std::vector<int16_t>{100, -100, 5}));
    auto mixed = Load(AIFF(2, 3, 16, 44100, &kStereo).CloseGroup().Get(), 2);
    EXPECT_EQ(Data(*mixed), (std::vector<int16_t>{20100, 19900, 0}));
    ExpectLoadFails<XUnsupportedFormat>(AIFF(2, 3, 16, 44100, &kStereo).CloseGroup().Get(), 3);
}

TEST(AIFFReader, HonoursTheSoundDataOffset)
{
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF");
    b.BeginChunk("COMM").U16(1).U32(2).U16(16).Rate(44100).EndChunk();
    b.BeginChunk("SSND").U32(3).U32(0).Fill(3, 0xAA).Raw(Words({7, -7}, false)).EndChunk();
    auto sample = Load(b.CloseGroup().Get());
    EXPECT_EQ(Data(*sample), (std::vector<int16_t>{7, -7}));
}

TEST(AIFFReader, MissingOrShortSoundData)
{
    ExpectLoadFails<XBadFormat>(AIFF(1, 4, 16, 44100, nullptr).CloseGroup().Get());

    // "SSND" holds 3 of the 4 frames; the "INST" behind it must not be read as the 4th.
    const std::vector<int16_t> three = {1, 2, 3};
    CBytes b = AIFF(1, 4, 16, 44100, &three);
    ExpectLoadFails<XRead>(Instrument(b, 60, 0, 0).CloseGroup().Get());

    // An "SSND" too small for its own header, and one whose offset points past it.
    CBytes tiny = AIFF(1, 1, 16, 44100, nullptr);
    tiny.BeginChunk("SSND").U32(0).EndChunk();
    ExpectLoadFails<XRead>(tiny.CloseGroup().Get());
    CBytes offset = AIFF(1, 1, 16, 44100, nullptr);
    offset.BeginChunk("SSND").U32(0xFFFFFFF0).U32(0).U16(1).EndChunk();
    ExpectLoadFails<XRead>(offset.CloseGroup().Get());

    // The file ends inside "SSND": its size field claims more than there is.
    CBytes cut = AIFF(1, 4, 16, 44100, &kMono);
    std::vector<uint8_t> bytes = cut.CloseGroup().Get();
    bytes.resize(bytes.size() - 2);
    ExpectLoadFails<XRead>(bytes);
}

TEST(AIFFReader, RefusesTooManyFramesBeforeAllocating)
{
    // 40 million frames claimed over 4 bytes: refused as memory that cannot be had,
    // before the short "SSND" is even looked at.
    ExpectLoadFails<XOutOfMemory>(AIFF(1, 40000000, 16, 44100, &kMono).CloseGroup().Get());
    ExpectLoadFails<XOutOfMemory>(AIFF(1, 0xFFFFFFFF, 16, 44100, &kMono).CloseGroup().Get());
    // Within the limit but short: the read failure, still before allocating.
    ExpectLoadFails<XRead>(AIFF(1, 33000000, 16, 44100, &kMono).CloseGroup().Get());
}

TEST(AIFFReader, ReadsInstrumentAndLoop)
{
    CBytes b = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(b, 36, -7, 1);
    auto sample = Load(Markers(b, 1, 3).CloseGroup().Get());
    EXPECT_TRUE(sample->HasInstrumentData());
    EXPECT_EQ(sample->GetBaseNote(), 36);
    EXPECT_EQ(sample->GetDetune(), -7);
    EXPECT_EQ(sample->GetLoopStart(), 1);
    EXPECT_EQ(sample->GetLoopEnd(), 3);
    EXPECT_TRUE(sample->IsLoopOn());

    // Base note 0 means none given: 60, and the detune is dropped.
    CBytes zero = AIFF(1, 4, 16, 44100, &kMono);
    auto defaulted = Load(Instrument(zero, 0, 5, 0).CloseGroup().Get());
    EXPECT_TRUE(defaulted->HasInstrumentData());
    EXPECT_EQ(defaulted->GetBaseNote(), 60);
    EXPECT_EQ(defaulted->GetDetune(), 0);
}

TEST(AIFFReader, LoopMarkersOutsideTheSampleSwitchTheLoopOff)
{
    CBytes past = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(past, 60, 0, 1);
    auto cut = Load(Markers(past, 1, 99).CloseGroup().Get());
    EXPECT_EQ(cut->GetLoopStart(), 1);
    EXPECT_EQ(cut->GetLoopEnd(), 4);
    EXPECT_FALSE(cut->IsLoopOn());

    CBytes before = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(before, 60, 0, 1);
    auto started = Load(Markers(before, -3, 2).CloseGroup().Get());
    EXPECT_EQ(started->GetLoopStart(), 0);
    EXPECT_EQ(started->GetLoopEnd(), 2);
    EXPECT_FALSE(started->IsLoopOn());
}

TEST(AIFFReader, DamagedMarkers)
{
    // The loop names marker 9, which is not there.
    CBytes missing = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(missing, 60, 0, 1, 1, 9);
    ExpectLoadFails<XBadFormat>(Markers(missing, 0, 2).CloseGroup().Get());

    // The second marker's name runs past the chunk.
    CBytes overrun = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(overrun, 60, 0, 1);
    overrun.BeginChunk("MARK").U16(2).U16(1).U32(0).U8(0).U8(0).U16(2).U32(3).U8(200).Text("abc").EndChunk();
    overrun.BeginChunk("JUNK").Fill(300, 'j').EndChunk();
    ExpectLoadFails<XBadFormat>(overrun.CloseGroup().Get());

    // A count of 65535 markers in 12 bytes.
    CBytes counted = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(counted, 60, 0, 1);
    counted.BeginChunk("MARK").U16(65535).U16(1).U32(0).U8(0).U8(0).EndChunk();
    ExpectLoadFails<XBadFormat>(counted.CloseGroup().Get());

    // A "MARK" whose size runs past the end of the medium.
    CBytes huge = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(huge, 60, 0, 1);
    huge.Text("MARK").U32(0x7FFFFFF0).U16(2);
    ExpectLoadFails<XBadFormat>(huge.CloseGroup().Get());

    // A short "INST".
    CBytes shortInst = AIFF(1, 4, 16, 44100, &kMono);
    shortInst.BeginChunk("INST").U8(60).U8(0).EndChunk();
    ExpectLoadFails<XBadFormat>(shortInst.CloseGroup().Get());

    // One marker only: no loop, and no failure.
    CBytes single = AIFF(1, 4, 16, 44100, &kMono);
    Instrument(single, 60, 0, 1);
    single.BeginChunk("MARK").U16(1).U16(1).U32(2).U8(1).Text("x").EndChunk();
    auto sample = Load(single.CloseGroup().Get());
    EXPECT_EQ(sample->GetLoopStart(), 0);
    EXPECT_EQ(sample->GetLoopEnd(), 4);
}

TEST(AIFFReader, RoundTripKeepsInstrumentAndLoopPoints)
{
    WAVE_SAMPLE original("Kick.aif", 44100, 5000, 1200, 4000, true);
    for (uint32_t i = 0; i < 5000; ++i)
        original.GetData().SetSample(i, static_cast<int16_t>(i * 13 - 30000));
    original.SetHasInstrumentData(true);
    original.SetBaseNote(72);
    original.SetDetune(-20);

    CRecordingMedia media(20000);
    CAIFFWriter::SaveAIFF(media, original);
    media.SetPosition(0);
    std::unique_ptr<WAVE_SAMPLE> loaded;
    CAIFFReader::LoadAIFF(media, "Kick.aif", 0, loaded);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRate(), 44100);
    EXPECT_EQ(loaded->GetLength(), 5000);
    EXPECT_TRUE(loaded->GetData().Equals(original.GetData()));
    EXPECT_TRUE(loaded->HasInstrumentData());
    EXPECT_EQ(loaded->GetBaseNote(), 72);
    EXPECT_EQ(loaded->GetDetune(), -20);
    EXPECT_EQ(loaded->GetLoopStart(), 1200);
    EXPECT_EQ(loaded->GetLoopEnd(), 4000);
    EXPECT_FALSE(loaded->IsLoopOn()); // written with play mode 0
}

TEST(AIFFReader, ReadsAndLoadsFiles)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::vector<uint8_t> bytes = AIFF(2, 3, 16, 44100, &kStereo).CloseGroup().Get();
    folder.WriteFile("Stereo.aif", std::string(bytes.begin(), bytes.end()));
    const CFileSpec file((folder / "Stereo.aif").c_str());

    SampleFileInfo info;
    CAIFFReader::ReadAIFFInfo(file, info);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frames, 3u);

    std::unique_ptr<WAVE_SAMPLE> sample;
    CAIFFReader::LoadAIFF(file, 1, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_STREQ(sample->GetName(), "Stereo.aif");
    EXPECT_EQ(Data(*sample), (std::vector<int16_t>{100, -100, 5}));

    const CFileSpec missing((folder / "None.aif").c_str());
    EXPECT_THROW(CAIFFReader::ReadAIFFInfo(missing, info), XCreateFailed);
    EXPECT_THROW(CAIFFReader::LoadAIFF(missing, 0, sample), XCreateFailed);
    EXPECT_EQ(sample, nullptr);
}
