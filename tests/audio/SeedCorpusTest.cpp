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
#include <iterator>
#include <string>
#include <vector>

namespace {

std::unique_ptr<WAVE_SAMPLE> SineSample(int32_t frames)
{
    auto sample = std::make_unique<WAVE_SAMPLE>("seed", 44100, frames, frames / 4, frames / 2, true);
    for (int32_t i = 0; i < frames; ++i)
        sample->GetData().SetSample(static_cast<uint32_t>(i), static_cast<int16_t>((i % 16 - 8) * 3000));
    return sample;
}

std::vector<uint8_t> MonoAIFF()
{
    auto sample = SineSample(48);
    sample->SetHasInstrumentData(true);
    sample->SetBaseNote(64);
    sample->SetDetune(-3);
    CRecordingMedia media(1024);
    CAIFFWriter::SaveAIFF(media, *sample, "Tdrl", "seed", 4);
    return Written(media);
}

std::vector<uint8_t> StereoAIFF()
{
    CRecordingMedia media(1024);
    CAIFFWriter writer(media);
    writer.OpenGroup("FORM", "AIFF");
    AIFFCommonChunk common;
    common.channels = 2;
    common.frames = 16;
    common.bits = 16;
    common.rate = 44100;
    writer.WriteCOMM(common);
    std::vector<int16_t> frames;
    for (int i = 0; i < 16; ++i) {
        frames.push_back(static_cast<int16_t>(i * 2000));
        frames.push_back(static_cast<int16_t>(i * 2100)); // the two sum past full scale
    }
    writer.WriteSSND(AIFFSoundDataHeader(), Words(frames, false).data(), 32);
    writer.WriteINST(60, 0);
    writer.WriteMARK(2, 12);
    writer.CloseGroup();
    return Written(media);
}

std::vector<uint8_t> MonoWave()
{
    auto sample = SineSample(48);
    CRecordingMedia media(1024);
    CWaveWriter::SaveWave(media, *sample);
    return Written(media);
}

std::vector<uint8_t> StereoWave()
{
    CRecordingMedia media(1024);
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.OpenGroup("RIFF", "WAVE");
    writer.WriteFmt(2, 16, 44100);
    std::vector<int16_t> frames;
    for (int i = 0; i < 16; ++i) {
        frames.push_back(static_cast<int16_t>(-i * 2000));
        frames.push_back(static_cast<int16_t>(i * 1000));
    }
    writer.BeginData();
    const std::vector<uint8_t> bytes = Words(frames, true);
    writer.WriteBytes(static_cast<int32_t>(bytes.size()), bytes.data());
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

struct Seed {
    const char* path;
    std::vector<uint8_t> bytes;
};

std::vector<Seed> Seeds()
{
    return {
        {"aiff/mono-loop.aif", MonoAIFF()},
        {"aiff/stereo-clipping.aif", StereoAIFF()},
        {"wave/mono.wav", MonoWave()},
        {"wave/stereo.wav", StereoWave()},
        {"flatchunks/form.bin", WithFlags(0x10, MonoAIFF())},
        {"flatchunks/riff.bin", WithFlags(0x01, StereoWave())},
    };
}

} // namespace

TEST(SeedCorpus, SeedsAreWhatOurWritersMake)
{
    const std::string corpus = std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/";
    const char* write = std::getenv("MODSTOWER_WRITE_SEEDS");
    for (const Seed& seed : Seeds()) {
        const std::string path = corpus + seed.path;
        if (write && std::string(write) == "1") {
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(seed.bytes.data()), std::streamsize(seed.bytes.size()));
            ASSERT_TRUE(out.good()) << path;
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in.good()) << path;
        const std::vector<uint8_t> kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(kept, seed.bytes) << path;
    }
}

TEST(SeedCorpus, SeedsLoadAllTheWay)
{
    // A seed that failed early would leave the fuzzer to find the deep code alone.
    std::unique_ptr<WAVE_SAMPLE> sample;
    CBytesMedia mono(MonoAIFF());
    CAIFFReader::LoadAIFF(mono, "mono", 0, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetBaseNote(), 64);
    EXPECT_EQ(sample->GetLoopEnd(), 24);
    CBytesMedia stereo(StereoAIFF());
    CAIFFReader::LoadAIFF(stereo, "stereo", 2, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetLength(), 16);
    // The loudest frame, (30000, 31500), sums to 61500: gain 17458 brings it to 15983 + 16782.
    EXPECT_EQ(sample->GetData().GetSample(15), 32765);
    CBytesMedia monoWave(MonoWave());
    CWaveReader::LoadWave(monoWave, "mono", 0, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetLength(), 48);
    CBytesMedia stereoWave(StereoWave());
    CWaveReader::LoadWave(stereoWave, "stereo", 2, sample);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetLength(), 16);
    EXPECT_EQ(sample->GetData().GetSample(15), -15000);
}
