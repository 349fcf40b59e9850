#include "audio/AIFFWriter.h"

#include "AudioTestSupport.h"
#include "audio/AIFFReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveReader.h"
#include "files/FileSpec.h"
#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>
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

// Interleaved frames over four pages of a sample, each channel its own ramp.
std::vector<int16_t> Interleaved(int32_t frames, int32_t channels)
{
    std::vector<int16_t> samples;
    for (int32_t frame = 0; frame < frames; ++frame)
        for (int32_t channel = 0; channel < channels; ++channel)
            samples.push_back(static_cast<int16_t>(frame * 13 + channel * 1000 - 20000));
    return samples;
}

std::vector<int16_t> Channel(const std::vector<int16_t>& samples, int32_t channels, int32_t channel)
{
    std::vector<int16_t> picked;
    for (size_t i = static_cast<size_t>(channel); i < samples.size(); i += static_cast<size_t>(channels))
        picked.push_back(samples[i]);
    return picked;
}

std::vector<uint8_t> WaveFile(const std::vector<int16_t>& samples, uint16_t channels)
{
    CBytes b(true);
    b.Text("RIFF").U32(0).Text("WAVE");
    b.BeginChunk("fmt ").U16(1).U16(channels).U32(44100).U32(44100 * 2 * channels).U16(2 * channels).U16(16);
    b.EndChunk().BeginChunk("data").Raw(Words(samples, true)).EndChunk();
    return b.CloseGroup().Get();
}

std::vector<uint8_t> AiffFile(const std::vector<int16_t>& samples, uint16_t channels)
{
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF");
    b.BeginChunk("COMM").U16(channels).U32(static_cast<uint32_t>(samples.size() / channels)).U16(16).Rate(44100);
    b.EndChunk().BeginChunk("SSND").U32(0).U32(0).Raw(Words(samples, false)).EndChunk();
    return b.CloseGroup().Get();
}

} // namespace

TEST(AIFFWriter, FramesSurviveTheDirectReadAndTheSwap)
{
    // Mono frames are read straight into the sample's pages (and swapped there for
    // AIFF); a picked channel is converted into them. Saving swaps them from the
    // pages into a memory block, or through pieces into a file: the same bytes.
    constexpr int32_t kFrames = 3 * 8192 + 1001;
    using Loader = void (*)(const CFileSpec&, uint8_t, std::unique_ptr<WAVE_SAMPLE>&);
    const std::tuple<const char*, uint16_t, uint8_t> cases[] = {
        {"mono.wav", 1, 0}, {"left.wav", 2, 0}, {"right.wav", 2, 1},
        {"mono.aif", 1, 0}, {"right.aif", 2, 1},
    };
    TempFolder folder;
    for (const auto& [name, channels, choice] : cases) {
        const std::vector<int16_t> samples = Interleaved(kFrames, channels);
        const bool wave = std::string(name).ends_with(".wav");
        const std::vector<uint8_t> file = wave ? WaveFile(samples, channels) : AiffFile(samples, channels);
        folder.WriteFile(name, std::string(file.begin(), file.end()));
        const Loader load = wave ? Loader{CWaveReader::LoadWave} : Loader{CAIFFReader::LoadAIFF};
        std::unique_ptr<WAVE_SAMPLE> sample;
        load(CFileSpec((folder / name).c_str()), choice, sample);
        ASSERT_NE(sample, nullptr) << name;
        const std::vector<int16_t> expected = Channel(samples, channels, choice);
        EXPECT_EQ(Samples(*sample), expected) << name;

        const int64_t size = CAIFFWriter::GetSavedSize(*sample);
        ASSERT_EQ(size, 126 + 2 * kFrames);
        CMemoryMedia memory(static_cast<int32_t>(size));
        CAIFFWriter::SaveAIFF(memory, *sample);
        EXPECT_EQ(memory.GetPosition(), size) << name;
        const std::vector<uint8_t> saved = Written(memory);
        const std::vector<uint8_t> bigEndian = Words(expected, false);
        // The frames follow FORM (12), COMM (26) and the SSND headers (16).
        EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 54, saved.begin() + 54 + 2 * kFrames), bigEndian) << name;
        const CFileSpec copy((folder / "copy.aif").c_str());
        CAIFFWriter::SaveAIFF(copy, "    ", *sample);
        EXPECT_EQ(FileBytes(copy.GetFullPath()), saved) << name;
        EXPECT_EQ(Samples(*sample), expected) << name; // saving left the pages alone
    }
}

TEST(AIFFWriter, SavedSizeIsWhatSavingWrites)
{
    for (const int32_t frames : {0, 3, 20001}) {
        WAVE_SAMPLE sample("Size.aif", 44100, frames, 1, 2, true);
        CRecordingMedia media(200000);
        CAIFFWriter::SaveAIFF(media, sample);
        EXPECT_EQ(CAIFFWriter::GetSavedSize(sample), media.GetPosition()) << frames;
    }
    // A whole odd-sized buffer keeps its last byte as it is, in memory as elsewhere.
    BAT odd(16385);
    odd.SetByte(16384, 0x77);
    odd.SetSample(8191, 0x1234);
    CMemoryMedia memory(16402);
    CRecordingMedia other(16402);
    CAIFFWriter(memory).WriteSSND(odd);
    CAIFFWriter(other).WriteSSND(odd);
    EXPECT_EQ(Written(memory), Written(other));
    EXPECT_EQ(Written(memory).size(), 8u + 8 + 16385 + 1);
    EXPECT_EQ(memory.GetBuffer()[16 + 16382], 0x12);
    EXPECT_EQ(memory.GetBuffer()[16 + 16384], 0x77);
}

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
