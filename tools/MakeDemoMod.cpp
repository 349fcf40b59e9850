// Makes a complete mod folder from nothing but arithmetic, so the bundled example
// and the benchmark inputs are our own and come out byte for byte the same on
// every run:
//
//   modstower_mkdemomod OUTPUT_DIR [--seconds N] [--wave-only] [--song-bytes N]
//
// Every skin image at its standard size, every sample slot filled with a short
// drum-like sound (even rows as WAVE, odd rows as AIFF, or all WAVE with
// --wave-only), a demo song of deterministic bytes and the four text files.
// --seconds sets the length of every sample (default 0.25), --song-bytes the size
// of "Demo.tds" (default 4096). Exit status: 0 done, 1 failed, 2 usage.
#include "app/Catalogue.h"
#include "audio/AIFFWriter.h"
#include "audio/FrameReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveWriter.h"
#include "files/FileSpec.h"
#include "media/XBase.h"
#include "tools/ImageSynth.h"
#include "tools/JPEGWriter.h"
#include "tools/XorShift.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int32_t kRate = 44100;
constexpr int kJPEGQuality = 85;
constexpr uint32_t kImageSeedBase = 1000;
constexpr uint32_t kSongSeed = 0x7D5u;
constexpr int64_t kMaxSongBytes = int64_t{512} << 20;
// Samples are written with the same four blanks the pack run gives its own AIFF files.
constexpr const char* kCreator = "    ";

const char kUsage[] = "usage: modstower_mkdemomod OUTPUT_DIR [--seconds N] [--wave-only] [--song-bytes N]\n";

struct SUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SOptions {
    std::filesystem::path folder;
    int32_t frames = kRate / 4;
    bool waveOnly = false;
    int64_t songBytes = 4096;
};

// One drum sound, described the way a drum machine's voice is set up: a sine
// that may sweep in pitch, a pair of square waves for the metallic voices, and
// noise, plain or brightened; each part has its own level (percent of full
// scale) and decay time.
struct SVoice {
    int toneStartHz = 0;
    int toneEndHz = 0;
    int sweepMs = 1;
    int toneDecayMs = 1;
    int toneLevel = 0;
    int squareHz1 = 0;
    int squareHz2 = 0;
    int squareDecayMs = 1;
    int squareLevel = 0;
    int noiseDecayMs = 1;
    int noiseLevel = 0;
    bool brightNoise = false;
    int bursts = 0;         // a hand clap's quick repeats before the tail
    bool arpeggio = false;  // three rising notes instead of one
};

// "TR909sdn2.aif" -> kind "sdn", variant 2; "startup.aif" -> "startup", 0.
void SplitSampleName(const char* name, std::string& kind, int& variant)
{
    std::string stem(name, std::strchr(name, '.'));
    for (char& c : stem)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (stem.rfind("tr808", 0) == 0 || stem.rfind("tr909", 0) == 0)
        stem.erase(0, 5);
    variant = 0;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back()))) {
        variant = stem.back() - '0';
        stem.pop_back();
    }
    kind = stem;
}

SVoice VoiceFor(const std::string& kind, int variant)
{
    SVoice v;
    if (kind == "bd") {
        v = {.toneStartHz = 150 + 12 * variant, .toneEndHz = 46, .sweepMs = 70, .toneDecayMs = 320, .toneLevel = 95,
             .noiseDecayMs = 8, .noiseLevel = 20};
    } else if (kind == "sd" || kind == "sdn") {
        v = {.toneStartHz = 200 + 10 * variant, .toneEndHz = 175, .sweepMs = 30, .toneDecayMs = 110, .toneLevel = 55,
             .noiseDecayMs = 150 + 15 * variant, .noiseLevel = kind == "sdn" ? 80 : 45 + 5 * variant,
             .brightNoise = true};
    } else if (kind == "ht" || kind == "mt" || kind == "lt") {
        const int base = kind == "ht" ? 220 : kind == "mt" ? 160 : 115;
        v = {.toneStartHz = base + base / 5, .toneEndHz = base, .sweepMs = 90, .toneDecayMs = 300, .toneLevel = 90,
             .noiseDecayMs = 15, .noiseLevel = 10};
    } else if (kind == "hc" || kind == "mc" || kind == "lc") {
        v = {.toneStartHz = kind == "hc" ? 370 : kind == "mc" ? 250 : 165, .sweepMs = 1, .toneDecayMs = 180,
             .toneLevel = 85};
        v.toneEndHz = v.toneStartHz;
    } else if (kind == "cb") {
        v = {.squareHz1 = 540, .squareHz2 = 800, .squareDecayMs = 250, .squareLevel = 40};
    } else if (kind == "ch" || kind == "chh" || kind == "ma") {
        v = {.squareHz1 = 3150, .squareHz2 = 4710, .squareDecayMs = 40, .squareLevel = kind == "ma" ? 0 : 12,
             .noiseDecayMs = kind == "ma" ? 35 : 55, .noiseLevel = 70, .brightNoise = true};
    } else if (kind == "oh" || kind == "ohh") {
        v = {.squareHz1 = 3150, .squareHz2 = 4710, .squareDecayMs = 250, .squareLevel = 12, .noiseDecayMs = 350,
             .noiseLevel = 65, .brightNoise = true};
    } else if (kind == "cy" || kind == "ccy" || kind == "rcy") {
        v = {.squareHz1 = kind == "rcy" ? 2950 : 3700, .squareHz2 = 5230, .squareDecayMs = 900, .squareLevel = 15,
             .noiseDecayMs = kind == "rcy" ? 700 : 1000, .noiseLevel = 60, .brightNoise = true};
    } else if (kind == "cl" || kind == "rs") {
        v = {.toneStartHz = kind == "cl" ? 2500 : 1700, .sweepMs = 1, .toneDecayMs = kind == "cl" ? 45 : 30,
             .toneLevel = 80, .noiseDecayMs = 10, .noiseLevel = kind == "rs" ? 35 : 0, .brightNoise = true};
        v.toneEndHz = v.toneStartHz;
    } else if (kind == "cp") {
        v = {.noiseDecayMs = 200, .noiseLevel = 80, .brightNoise = true, .bursts = 3};
    } else if (kind == "n") {
        // Plain noise shots, darker or brighter by number.
        v = {.noiseDecayMs = 80 + 40 * variant, .noiseLevel = 75, .brightNoise = variant % 2 == 0};
    } else if (kind == "startup") {
        v = {.toneStartHz = 523, .sweepMs = 1, .toneDecayMs = 1, .toneLevel = 70, .squareHz1 = 1046,
             .squareDecayMs = 1, .squareLevel = 6, .arpeggio = true};
        v.toneEndHz = v.toneStartHz;
    } else {
        throw std::runtime_error("no voice for sample kind '" + kind + "'");
    }
    return v;
}

int32_t MsToFrames(int ms)
{
    return std::max<int32_t>(1, int32_t(int64_t{ms} * kRate / 1000));
}

// Q15 decay from 1 at frame 0 to 0 at `length`: the fourth power of a falling
// line, which sounds like an exponential tail and needs no floating point.
int32_t Decay(int32_t frame, int32_t length)
{
    if (frame >= length)
        return 0;
    const int64_t line = (int64_t{length - frame} << 15) / length;
    const int64_t square = (line * line) >> 15;
    return int32_t((square * square) >> 15);
}

// sin(2 pi phase / 2^32) in Q15 from a parabola with one correction term; close
// enough for a drum and exactly the same everywhere.
int32_t Sine(uint32_t phase)
{
    const int32_t p = int16_t(uint16_t(phase >> 16));
    int32_t y = (p * (32768 - std::abs(p))) >> 13;
    y = ((y * 25395) >> 15) + ((((y * std::abs(y)) >> 15) * 7373) >> 15);
    return y;
}

uint32_t PhaseStep(int64_t milliHertz)
{
    return uint32_t((milliHertz << 32) / (int64_t{kRate} * 1000));
}

int16_t Clip(int64_t value)
{
    return int16_t(std::clamp<int64_t>(value, -32767, 32767));
}

void Synthesise(const SVoice& v, uint32_t seed, BAT& data, int32_t frames)
{
    // A decay longer than the sample is fitted to it, so the sound never stops with a click.
    const auto fit = [&](int ms) { return std::min(MsToFrames(ms), frames); };
    const int32_t toneDecay = fit(v.toneDecayMs);
    const int32_t sweep = fit(v.sweepMs);
    const int32_t squareDecay = fit(v.squareDecayMs);
    const int32_t noiseDecay = fit(v.noiseDecayMs);
    const int32_t noteLength = std::max<int32_t>(1, frames / 3);

    CXorShift noise(seed);
    uint32_t tonePhase = 0, squarePhase1 = 0, squarePhase2 = 0;
    const uint32_t squareStep1 = PhaseStep(int64_t{v.squareHz1} * 1000);
    const uint32_t squareStep2 = PhaseStep(int64_t{v.squareHz2} * 1000);
    int32_t previousNoise = 0;
    for (int32_t n = 0; n < frames; ++n) {
        int64_t mix = 0; // Q15 times percent

        int32_t toneEnvelope = Decay(n, toneDecay);
        int64_t milliHertz = int64_t{v.toneEndHz} * 1000 +
                             (int64_t{v.toneStartHz - v.toneEndHz} * 1000 * Decay(n, sweep) >> 15);
        if (v.arpeggio) {
            // A rising major triad; each note decays within its third.
            static const int kSteps[3] = {4, 5, 6};
            const int32_t note = std::min<int32_t>(n / noteLength, 2);
            milliHertz = int64_t{v.toneStartHz} * 1000 * kSteps[note] / 4;
            toneEnvelope = Decay(n - note * noteLength, note == 2 ? frames - 2 * noteLength : noteLength);
        }
        tonePhase += PhaseStep(milliHertz);
        mix += int64_t{Sine(tonePhase)} * toneEnvelope / 32768 * v.toneLevel;

        squarePhase1 += squareStep1;
        squarePhase2 += squareStep2;
        const int32_t squares = ((squarePhase1 >> 31) ? -16384 : 16384) + ((squarePhase2 >> 31) ? -16384 : 16384);
        const int32_t squareEnvelope = v.arpeggio ? toneEnvelope : Decay(n, squareDecay);
        mix += int64_t{squares} * squareEnvelope / 32768 * v.squareLevel;

        const int32_t white = noise.Sample();
        const int32_t coloured = v.brightNoise ? (white - previousNoise) / 2 : white;
        previousNoise = white;
        int32_t noiseEnvelope = Decay(n, noiseDecay);
        if (v.bursts > 0) {
            // Quick repeats of 10 ms each before the tail.
            const int32_t burst = MsToFrames(10);
            if (n < burst * v.bursts)
                noiseEnvelope = Decay(n % burst, burst);
            else
                noiseEnvelope = Decay(n - burst * v.bursts, std::max<int32_t>(1, noiseDecay - burst * v.bursts));
        }
        mix += int64_t{coloured} * noiseEnvelope / 32768 * v.noiseLevel;

        data.SetSample(uint32_t(n), Clip(mix * 70 / 10000)); // 70 % of full scale keeps the sum from clipping
    }
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const std::filesystem::path& path, const std::string& text)
{
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void WriteImages(const std::filesystem::path& folder)
{
    SJPEGWriteOptions options;
    options.quality = kJPEGQuality;
    for (int32_t row = 0; row < kSkinImageCount; ++row) {
        const SImageSize& size = SkinImageSizes[row];
        const SRGBImage image = MakePhotoLikeImage(size.width, size.height, kImageSeedBase + uint32_t(row));
        WriteBytes(folder / SkinImageNames[row], WriteJPEG(image, options));
    }
}

void WriteSamples(const SOptions& options)
{
    for (int32_t row = 0; row < kSampleCount; ++row) {
        const bool wave = options.waveOnly || row % 2 == 0;
        const char* name = wave ? WaveSampleNames[row] : AiffSampleNames[row];
        // A file of the other format left from an earlier run would compete for the slot.
        std::filesystem::remove(options.folder / (wave ? AiffSampleNames[row] : WaveSampleNames[row]));

        std::string kind;
        int variant = 0;
        SplitSampleName(name, kind, variant);
        const std::string baseName(name, std::strchr(name, '.'));
        WAVE_SAMPLE sample(baseName.c_str(), kRate, options.frames, 0, options.frames, false);
        Synthesise(VoiceFor(kind, variant), uint32_t(row) + 1, sample.GetData(), options.frames);

        const std::string path = (options.folder / name).string();
        try {
            const CFileSpec spec(path.c_str());
            if (wave)
                CWaveWriter::SaveWave(spec, kCreator, sample);
            else
                CAIFFWriter::SaveAIFF(spec, kCreator, sample);
        } catch (const XBase&) {
            throw std::runtime_error("cannot write " + path);
        }
    }
}

// A stand-in for a song: a line that says what it is, then noise.
void WriteSong(const std::filesystem::path& path, int64_t size)
{
    const std::string header = "ModStower demo song: generated filler, not a playable song.\n";
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    std::copy_n(header.begin(), std::min<size_t>(header.size(), bytes.size()), bytes.begin());
    CXorShift random(kSongSeed);
    for (size_t i = header.size(); i < bytes.size(); ++i)
        bytes[i] = uint8_t(random.Next() >> 24);
    WriteBytes(path, bytes);
}

void WriteTexts(const std::filesystem::path& folder)
{
    WriteText(folder / "ModName.txt", "ModStower Demo Mod\r\n");
    WriteText(folder / "Comments.txt",
              "A demonstration mod made entirely by ModStower's own generator.\r\n"
              "Skins are synthetic photographs; the drum samples are arithmetic.\r\n"
              "Free to use for testing.\r\n");
    WriteText(folder / "www.txt", "http://www.example.com/modstower/demo/\r\n");
    WriteText(folder / "ftp.txt", "ftp://ftp.example.org/pub/modstower/demo/\r\n");
}

int64_t WholeNumber(const std::string& option, const std::string& text, int64_t limit)
{
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || value < 0 || value > limit)
        throw SUsageError(option + " needs a size from 0 to " + std::to_string(limit) + ": '" + text + "'");
    return value;
}

int32_t SecondsToFrames(const std::string& text)
{
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    const double limit = double(WAVE_SAMPLE::kMaxFrames) / kRate;
    if (text.empty() || *end != 0 || !(seconds > 0) || seconds > limit)
        throw SUsageError("--seconds needs a length above 0 and at most " + std::to_string(int(limit)) + ": '" + text +
                          "'");
    return std::max<int32_t>(1, int32_t(std::llround(seconds * kRate)));
}

struct SHelpWanted {};

SOptions ParseArguments(int argc, char** argv)
{
    SOptions options;
    bool haveFolder = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw SUsageError(argument + " needs a value");
            return argv[++i];
        };
        if (argument == "--help")
            throw SHelpWanted();
        if (argument == "--seconds")
            options.frames = SecondsToFrames(value());
        else if (argument == "--song-bytes")
            options.songBytes = WholeNumber(argument, value(), kMaxSongBytes);
        else if (argument == "--wave-only")
            options.waveOnly = true;
        else if (!argument.empty() && argument[0] != '-' && !haveFolder) {
            options.folder = argument;
            haveFolder = true;
        } else
            throw SUsageError("unexpected argument '" + argument + "'");
    }
    if (!haveFolder)
        throw SUsageError("an OUTPUT_DIR is needed");
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    SOptions options;
    try {
        options = ParseArguments(argc, argv);
    } catch (const SHelpWanted&) {
        std::fputs(kUsage, stdout);
        return 0;
    } catch (const SUsageError& problem) {
        std::fprintf(stderr, "modstower_mkdemomod: %s\n%s", problem.what(), kUsage);
        return 2;
    }
    try {
        InstallOutOfMemoryHandler();
        const CScratchBuffers scratchBuffers;
        // Sample files are named by full paths.
        options.folder = std::filesystem::absolute(options.folder);
        std::filesystem::create_directories(options.folder);
        WriteImages(options.folder);
        WriteSamples(options);
        WriteSong(options.folder / "Demo.tds", options.songBytes);
        WriteTexts(options.folder);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "modstower_mkdemomod: %s\n", failure.what());
        return 1;
    }
    return 0;
}
