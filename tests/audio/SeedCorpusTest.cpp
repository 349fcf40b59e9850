// The fuzz targets' seed files are made by our own writers. This test makes them
// again and compares them with the files kept in fuzz/corpus/, so the seeds can
// always be traced to our code. With MODSTOWER_WRITE_SEEDS=1 in the environment
// it writes the files instead.
#include "AudioTestSupport.h"
#include "audio/AIFFFormat.h"
#include "audio/AIFFReader.h"
#include "audio/AIFFWriter.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveReader.h"
#include "audio/WaveWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// 48 frames of a sawtooth, loop from 12 to 24.
std::unique_ptr<WAVE_SAMPLE> Saw()
{
    auto sample = std::make_unique<WAVE_SAMPLE>("seed", 44100, 48, 12, 24, true);
    for (uint32_t i = 0; i < 48; ++i)
        sample->GetData().SetSample(i, static_cast<int16_t>((int(i % 16) - 8) * 3000));
    return sample;
}

std::vector<uint8_t> MonoAIFF()
{
    auto sample = Saw();
    sample->SetHasInstrumentData(true);
    sample->SetBaseNote(64);
    sample->SetDetune(-3);
    CRecordingMedia media(1024);
    CAIFFWriter::SaveAIFF(media, *sample, "Tdrl", "seed", 4);
    return Written(media);
}

// 16 stereo frames, frame i being (i * left, i * right).
std::vector<int16_t> Ramps(int left, int right)
{
    std::vector<int16_t> frames;
    for (int i = 0; i < 16; ++i) {
        frames.push_back(static_cast<int16_t>(i * left));
        frames.push_back(static_cast<int16_t>(i * right));
    }
    return frames;
}

std::vector<uint8_t> StereoAIFF()
{
    CRecordingMedia media(1024);
    CAIFFWriter writer(media);
    writer.OpenGroup("FORM", "AIFF");
    writer.WriteCOMM(AIFFCommonChunk{2, 16, 16, 44100});
    writer.WriteSSND(AIFFSoundDataHeader(), Words(Ramps(2000, 2100), false).data(), 32); // sums past full scale
    writer.WriteINST(60, 0);
    writer.WriteMARK(2, 12);
    writer.CloseGroup();
    return Written(media);
}

std::vector<uint8_t> MonoWave()
{
    CRecordingMedia media(1024);
    CWaveWriter::SaveWave(media, *Saw());
    return Written(media);
}

std::vector<uint8_t> StereoWave()
{
    CRecordingMedia media(1024);
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.OpenGroup("RIFF", "WAVE");
    writer.WriteFmt(2, 16, 44100);
    writer.BeginData();
    writer.WriteBytes(64, Words(Ramps(-2000, 1000), true).data());
    writer.CloseChunk();
    writer.CloseGroup();
    return Written(media);
}

// The flat chunk target reads its settings from the first byte.
std::vector<uint8_t> WithFlags(uint8_t flags, std::vector<uint8_t> file)
{
    file.insert(file.begin(), flags);
    return file;
}

} // namespace

TEST(SeedCorpus, SeedsAreWhatOurWritersMake)
{
    const std::pair<const char*, std::vector<uint8_t>> seeds[] = {
        {"aiff/mono-loop.aif", MonoAIFF()},
        {"aiff/stereo-clipping.aif", StereoAIFF()},
        {"wave/mono.wav", MonoWave()},
        {"wave/stereo.wav", StereoWave()},
        {"flatchunks/form.bin", WithFlags(0x10, MonoAIFF())},
        {"flatchunks/riff.bin", WithFlags(0x01, StereoWave())},
    };
    const char* write = std::getenv("MODSTOWER_WRITE_SEEDS");
    for (const auto& [name, bytes] : seeds) {
        const std::string path = std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/" + name;
        if (write && std::string(write) == "1") {
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            ASSERT_TRUE(out.good()) << path;
        } else {
            EXPECT_EQ(FileBytes(path), bytes) << path;
        }
    }
}

TEST(SeedCorpus, SeedsLoadAllTheWay)
{
    // A seed that failed early would leave the fuzzer to find the deep code alone.
    EXPECT_EQ(Load(CAIFFReader::LoadAIFF, MonoAIFF())->GetLoopEnd(), 24);
    EXPECT_EQ(Load(CAIFFReader::LoadAIFF, StereoAIFF(), 2)->GetLength(), 16);
    EXPECT_EQ(Load(CWaveReader::LoadWave, MonoWave())->GetLength(), 48);
    EXPECT_EQ(Load(CWaveReader::LoadWave, StereoWave(), 2)->GetLength(), 16);
}
