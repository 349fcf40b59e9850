// Loading a WAVE file and saving it as AIFF, the conversion every WAVE drum sample
// goes through when a mod is packed. The input is 30 seconds of 16-bit stereo at
// 44.1 kHz, mixed down to mono on loading; throughput is counted in input bytes.
#include "audio/AIFFWriter.h"
#include "audio/FrameReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveReader.h"
#include "audio/WaveWriter.h"
#include "files/FileSpec.h"
#include "media/MemoryMedia.h"
#include "media/OpenFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t kRate = 44100;
constexpr int32_t kFrames = 30 * kRate;

enum class Level { Quiet, Clipping };

// The WAVE file's bytes: a tone on the left, another on the right. Loud enough,
// the sum of the two clips and the mixdown reads the frames a second time.
std::vector<uint8_t> MakeStereoWave(Level level)
{
    const int32_t size = 44 + kFrames * 4;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    CMemoryMedia media(size, bytes.data());
    CWaveWriter writer;
    writer.SetMedia(media);
    writer.OpenGroup("RIFF", "WAVE");
    writer.WriteFmt(2, 16, kRate);
    writer.BeginData();
    const double amplitude = level == Level::Quiet ? 12000.0 : 30000.0;
    std::vector<uint8_t> block(4096 * 4);
    for (int32_t done = 0; done < kFrames;) {
        const int32_t n = std::min<int32_t>(4096, kFrames - done);
        for (int32_t k = 0; k < n; ++k) {
            const double t = double(done + k) / kRate;
            const auto left = static_cast<int16_t>(amplitude * std::sin(2 * std::numbers::pi * 220.0 * t));
            const auto right = static_cast<int16_t>(amplitude * std::sin(2 * std::numbers::pi * 330.0 * t));
            block[4 * k] = static_cast<uint8_t>(left);
            block[4 * k + 1] = static_cast<uint8_t>(left >> 8);
            block[4 * k + 2] = static_cast<uint8_t>(right);
            block[4 * k + 3] = static_cast<uint8_t>(right >> 8);
        }
        writer.WriteBytes(n * 4, block.data());
        done += n;
    }
    writer.CloseChunk();
    writer.CloseGroup();
    return bytes;
}

void ConvertInMemory(benchmark::State& state, Level level)
{
    std::vector<uint8_t> wave = MakeStereoWave(level);
    CMemoryMedia input(static_cast<int32_t>(wave.size()), wave.data());
    CMemoryMedia output(kFrames * 2 + 1024);
    for (auto _ : state) {
        input.SetPosition(0);
        output.SetPosition(0);
        std::unique_ptr<WAVE_SAMPLE> sample;
        CWaveReader::LoadWave(input, "Bench.wav", 2, sample); // 2 of 2 channels: mix down
        CAIFFWriter::SaveAIFF(output, *sample);
        benchmark::DoNotOptimize(output.GetBuffer());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(wave.size()));
}

void BM_WaveToAiffInMemory(benchmark::State& state)
{
    ConvertInMemory(state, Level::Quiet);
}

void BM_WaveToAiffInMemoryClipping(benchmark::State& state)
{
    ConvertInMemory(state, Level::Clipping);
}

// The same from one file into another: the file system's cache serves the
// reads, so this measures our code plus the system calls. (The pack run reads
// its WAVE files so, but builds their AIFF files in memory.)
void BM_WaveToAiffFiles(benchmark::State& state)
{
    const std::vector<uint8_t> wave = MakeStereoWave(Level::Clipping);
    std::string folder = (std::filesystem::temp_directory_path() / "bench-audio-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const CFileSpec input((folder + "/Bench.wav").c_str());
    const CFileSpec output((folder + "/Bench.aif").c_str());
    {
        COpenFile file(input.GetFullPath().c_str(), "WAVE", "    ");
        file.Write(static_cast<int32_t>(wave.size()), wave.data());
    }
    for (auto _ : state) {
        std::unique_ptr<WAVE_SAMPLE> sample;
        CWaveReader::LoadWave(input, 2, sample);
        CAIFFWriter::SaveAIFF(output, "    ", *sample);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(wave.size()));
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_WaveToAiffInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WaveToAiffInMemoryClipping)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WaveToAiffFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    CScratchBuffers scratchBuffers;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
