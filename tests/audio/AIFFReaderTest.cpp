#include "audio/AIFFReader.h"

#include "AudioTestSupport.h"
#include "audio/AIFFWriter.h"
#include "audio/WAVE_SAMPLE.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<int16_t> kMono = {10, -20, 30, -40};
const std::vector<int16_t> kStereo = {20000, 100, 20000, -100, -5, 5};

// FORM/AIFF with "COMM" and, unless `samples` is null, "SSND" holding them
// big-endian. More chunks can be added before CloseGroup.
CBytes AIFF(int16_t channels, uint32_t frames, const std::vector<int16_t>* samples, uint16_t bits = 16,
            double rate = 44100)
{
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF");
    b.BeginChunk("COMM").U16(static_cast<uint16_t>(channels)).U32(frames).U16(bits).Rate(rate).EndChunk();
    if (samples)
        b.BeginChunk("SSND").U32(0).U32(0).Raw(Words(*samples, false)).EndChunk();
    return b;
}

// 4 frames of `samples` and an "INST" whose sustain loop runs from marker 1 to marker `endMarker`.
CBytes Instrument(int8_t baseNote, int8_t detune, int16_t playMode, int16_t endMarker = 2,
                  const std::vector<int16_t>& samples = kMono)
{
    CBytes b = AIFF(1, 4, &samples);
    b.BeginChunk("INST").U8(static_cast<uint8_t>(baseNote)).U8(static_cast<uint8_t>(detune)).U8(0).U8(127);
    b.U8(1).U8(127).U16(0).U16(static_cast<uint16_t>(playMode)).U16(1).U16(static_cast<uint16_t>(endMarker));
    return std::move(b.U16(0).U16(3).U16(4).EndChunk());
}

// Adds a "MARK" with ids 1, 2, ... at these positions; names of 4 and 5
// characters take turns, so markers with and without a pad byte follow one another.
CBytes Markers(CBytes b, const std::vector<int32_t>& positions)
{
    b.BeginChunk("MARK").U16(static_cast<uint16_t>(positions.size()));
    for (size_t i = 0; i < positions.size(); ++i) {
        const std::string name(4 + i % 2, 'm');
        b.U16(static_cast<uint16_t>(i + 1)).U32(static_cast<uint32_t>(positions[i]));
        b.U8(static_cast<uint8_t>(name.size())).Text(name.c_str()).Fill(1 - i % 2, 0);
    }
    return std::move(b.EndChunk());
}

} // namespace

TEST(AIFFReader, ReportsTheFormatAndRestoresThePosition)
{
    CBytesMedia media(AIFF(2, 3, &kStereo, 16, 22050.75).CloseGroup().Get());
    media.SetPosition(7);
    SampleFileInfo info;
    CAIFFReader::ReadAIFFInfo(media, info);
    EXPECT_EQ(media.GetPosition(), 7);
    EXPECT_EQ(Describe(info), "2 channels, 16 bits, 22050 Hz, 3 frames, plain");
    // 24 bits pass the format check but are not plain, so loading refuses them.
    EXPECT_EQ(Describe(Info(CAIFFReader::ReadAIFFInfo, AIFF(1, 4, &kMono, 24).CloseGroup().Get())),
              "1 channels, 24 bits, 44100 Hz, 4 frames, not plain");
}

TEST(AIFFReader, LoadsPicksAndMixesChannels)
{
    auto mono = Load(CAIFFReader::LoadAIFF, AIFF(1, 4, &kMono).CloseGroup().Get());
    EXPECT_STREQ(mono->GetName(), "Test");
    EXPECT_EQ(Describe(*mono), "44100 Hz, 4 frames, loop 0..4 off, no instrument");
    EXPECT_EQ(Samples(*mono), kMono);

    const std::vector<uint8_t> stereo = AIFF(2, 3, &kStereo).CloseGroup().Get();
    EXPECT_EQ(Samples(*Load(CAIFFReader::LoadAIFF, stereo, 1)), (std::vector<int16_t>{100, -100, 5}));
    EXPECT_EQ(Samples(*Load(CAIFFReader::LoadAIFF, stereo, 2)), (std::vector<int16_t>{20100, 19900, 0}));

    // The sound data offset skips bytes before the first frame.
    CBytes offset = AIFF(1, 2, nullptr);
    offset.BeginChunk("SSND").U32(3).U32(0).Fill(3, 0xAA).Raw(Words({7, -7}, false)).EndChunk();
    EXPECT_EQ(Samples(*Load(CAIFFReader::LoadAIFF, offset.CloseGroup().Get())), (std::vector<int16_t>{7, -7}));
}

TEST(AIFFReader, FailureClasses)
{
    const CBytes inst = Instrument(60, 0, 1);
    ExpectFailures(CAIFFReader::ReadAIFFInfo, CAIFFReader::LoadAIFF, {
        // Not an AIFF file, or a "COMM" that cannot be right: refused before any data is read.
        {"RIFF outer group", CBytes(true).Text("RIFF").U32(0).Text("AIFF"), kBad, kBad},
        {"no COMM", CBytes().Text("FORM").U32(0).Text("AIFF").Text("SSND").U32(0), kBad, kBad},
        {"COMM of 8 bytes", CBytes().Text("FORM").U32(0).Text("AIFF").BeginChunk("COMM").U16(1).U32(4).U16(16)
                                .EndChunk().BeginChunk("SSND").Fill(16, 0).EndChunk(), kBad, kBad},
        {"0 channels", AIFF(0, 4, nullptr), kBad, kBad},
        {"-1 channels", AIFF(-1, 4, nullptr), kBad, kBad},
        {"256 channels", AIFF(256, 4, nullptr), kBad, kBad},
        {"0 frames", AIFF(1, 0, nullptr), kBad, kBad},
        {"4 bits", AIFF(1, 4, nullptr, 4), kBad, kBad},
        {"33 bits", AIFF(1, 4, nullptr, 33), kBad, kBad},
        {"rate 0", AIFF(1, 4, nullptr, 16, 0), kBad, kBad},
        {"rate 2^31", AIFF(1, 4, nullptr, 16, 2147483648.0), kBad, kBad},
        {"negative rate", AIFF(1, 4, nullptr, 16, -44100), kBad, kBad},
        {"rate 1e300", AIFF(1, 4, nullptr, 16, 1e300), kBad, kBad},
        // A good format the loader cannot take.
        {"8 bits", AIFF(1, 4, &kMono, 8), kNone, kUnsupported},
        {"24 bits", AIFF(1, 4, &kMono, 24), kNone, kUnsupported},
        {"channel 3 of 2", AIFF(2, 3, &kStereo), kNone, kUnsupported, 3},
        // Sound data missing or shorter than claimed; the chunk behind must not be read as frames.
        {"no SSND", AIFF(1, 4, nullptr), kNone, kBad},
        {"3 of 4 frames, INST behind", Instrument(60, 0, 0, 2, {1, 2, 3}), kNone, kRead},
        {"SSND shorter than its header", AIFF(1, 1, nullptr).BeginChunk("SSND").U32(0).EndChunk(), kNone, kRead},
        {"offset past SSND", AIFF(1, 1, nullptr).BeginChunk("SSND").U32(0xFFFFFFF0).U32(0).U16(1).EndChunk(), kNone,
         kRead},
        {"file ends inside SSND", AIFF(1, 4, nullptr).Text("SSND").U32(16).Fill(14, 0), kNone, kRead},
        // More frames than a sample holds: refused before the short "SSND" is looked at or memory taken.
        {"40 million frames", AIFF(1, 40000000, &kMono), kNone, kMemory},
        {"2^32-1 frames", AIFF(1, 0xFFFFFFFF, &kMono), kNone, kMemory},
        {"33 million frames in 8 bytes", AIFF(1, 33000000, &kMono), kNone, kRead},
        // Damaged loop data.
        {"short INST", AIFF(1, 4, &kMono).BeginChunk("INST").U8(60).U8(0).EndChunk(), kNone, kBad},
        {"loop end marker 9 missing", Markers(Instrument(60, 0, 1, 9), {0, 2}), kNone, kBad},
        {"marker name past MARK", CBytes(inst).BeginChunk("MARK").U16(2).U16(1).U32(0).U8(0).U8(0).U16(2).U32(3)
                                      .U8(200).Text("abc").EndChunk().BeginChunk("JUNK").Fill(300, 'j').EndChunk(),
         kNone, kBad},
        {"65535 markers in 8 bytes", CBytes(inst).BeginChunk("MARK").U16(65535).U16(1).U32(0).U8(0).U8(0).EndChunk(),
         kNone, kBad},
        {"MARK size past the medium", CBytes(inst).Text("MARK").U32(0x7FFFFFF0).U16(2), kNone, kBad},
    });
}

TEST(AIFFReader, ReadsInstrumentAndLoop)
{
    const std::pair<CBytes, const char*> cases[] = {
        {Markers(Instrument(36, -7, 1), {1, 3}), "44100 Hz, 4 frames, loop 1..3 on, note 36 detune -7"},
        // Base note 0 means none: 60, and the detune is dropped.
        {Instrument(0, 5, 0), "44100 Hz, 4 frames, loop 0..4 off, note 60 detune 0"},
        // Markers outside the sample are moved inside and switch the loop off.
        {Markers(Instrument(60, 0, 1), {1, 99}), "44100 Hz, 4 frames, loop 1..4 off, note 60 detune 0"},
        {Markers(Instrument(60, 0, 1), {1, 4}), "44100 Hz, 4 frames, loop 1..4 on, note 60 detune 0"}, // the last frame
        {Markers(Instrument(60, 0, 1), {-3, 2}), "44100 Hz, 4 frames, loop 0..2 off, note 60 detune 0"},
        // One marker is no loop, and no failure.
        {Markers(Instrument(60, 0, 1), {2}), "44100 Hz, 4 frames, loop 0..4 off, note 60 detune 0"},
    };
    for (auto [file, expected] : cases)
        EXPECT_EQ(Describe(*Load(CAIFFReader::LoadAIFF, file.CloseGroup().Get())), expected);
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
    auto loaded = Load(CAIFFReader::LoadAIFF, Written(media));
    EXPECT_TRUE(loaded->GetData().Equals(original.GetData()));
    // The writer writes play mode 0, so the loop comes back off.
    EXPECT_EQ(Describe(*loaded), "44100 Hz, 5000 frames, loop 1200..4000 off, note 72 detune -20");
}
