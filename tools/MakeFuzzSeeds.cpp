// Makes the seed inputs of the unpack and pack fuzz targets with our own writers:
//
//   modstower_mkfuzzseeds CORPUS_DIR
//
// writes CORPUS_DIR/unpack/*.bin (two option bytes, then a mod file) and
// CORPUS_DIR/pack/*.bin (files of a mod folder, each a counted name and counted
// bytes); fuzz/fuzz_unpack.cpp and fuzz/fuzz_pack.cpp say what the bytes mean.
#include "app/ModInfo.h"
#include "app/ModWriter.h"
#include "audio/AIFFWriter.h"
#include "audio/FrameReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveWriter.h"
#include "media/StringMedia.h"
#include "media/XBase.h"
#include "tools/ImageSynth.h"
#include "tools/JPEGWriter.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Files = std::vector<std::pair<std::string, Bytes>>;

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// Eight frames of a loud click, saved as AIFF or WAVE by the audio layer.
Bytes Sample(int32_t rate, bool wave)
{
    WAVE_SAMPLE sample("seed", rate, 8, 2, 6, true);
    const int16_t frames[] = {0, 900, -900, 32767, -32768, 5, 7, -7};
    for (uint32_t i = 0; i < 8; ++i)
        sample.GetData().SetSample(i, frames[i]);
    CStringMedia file;
    wave ? CWaveWriter::SaveWave(file, sample) : CAIFFWriter::SaveAIFF(file, sample);
    return Text(file.GetBytes());
}

Bytes Picture(int width, int height, uint32_t seed)
{
    return WriteJPEG(MakePhotoLikeImage(width, height, seed));
}

Bytes Mod(const Files& files)
{
    CStringMedia mod;
    CModWriter writer(mod);
    for (const auto& [name, bytes] : files)
        writer.AddComponent(name.c_str(), bytes.data(), int32_t(bytes.size()));
    CModInfo info;
    std::strcpy(info.GetModName(), "Seed");
    writer.Finish(info);
    return Text(mod.GetBytes());
}

Bytes UnpackSeed(uint8_t force, uint8_t obstacles, const Files& files)
{
    Bytes seed = {force, obstacles};
    const Bytes mod = Mod(files);
    seed.insert(seed.end(), mod.begin(), mod.end());
    return seed;
}

Bytes PackSeed(const Files& files)
{
    Bytes seed;
    for (const auto& [name, bytes] : files) {
        seed.push_back(uint8_t(name.size()));
        seed.insert(seed.end(), name.begin(), name.end());
        seed.push_back(uint8_t(bytes.size() >> 8));
        seed.push_back(uint8_t(bytes.size()));
        seed.insert(seed.end(), bytes.begin(), bytes.end());
    }
    return seed;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void WriteSeeds(const std::filesystem::path& corpus)
{
    const Files kit = {{"12015.jpg", Picture(109, 16, 1)}, {"tr808bd.aif", Sample(44100, false)}, {"Demo.tds", Text("song")}};
    WriteFile(corpus / "unpack/kit.bin", UnpackSeed(0, 0, kit));
    // Regular files under the first three names, to be replaced; then a regular
    // file, a link and a folder, which are not.
    WriteFile(corpus / "unpack/forced-over-files.bin", UnpackSeed(1, 0x15, kit));
    WriteFile(corpus / "unpack/forced-over-obstacles.bin", UnpackSeed(1, 0x39, kit));
    WriteFile(corpus / "unpack/refused-names.bin",
              UnpackSeed(1, 0x55, {{"../up", Text("x")}, {"bell\a.jpg", Text("x")}, {"kit.tdm", Text("x")},
                                   {std::string(256, 'n'), Text("x")}, {"Demo.tds", Text("a")}, {"Demo.tds", Text("b")}}));

    Files folder = kit;
    folder.insert(folder.end(), {{"ModName.txt", Text("Seed Mod\r\n")}, {"Comments.txt", Text("A comment\r\non two lines")},
                                 {"www.txt", Text("www.example.org")}, {"notes.txt", Text("not a component")},
                                 {"tr808sd1.wav", Sample(44100, true)}, {"12016.jpg", Picture(50, 20, 2)}});
    WriteFile(corpus / "pack/mod-folder.bin", PackSeed(folder));
    WriteFile(corpus / "pack/no-mod-name.bin", PackSeed(kit));
    WriteFile(corpus / "pack/refused-components.bin",
              PackSeed({{"ModName.txt", Text("Refused")}, {"12015.jpg", Text("not a picture")},
                        {"tr808sd2.aif", Sample(22050, false)}, {"tr808sd4.wav", Text(std::string("RIFF\4\0\0\0WAVE", 12))},
                        {"TR808SD2.wav", Sample(44100, true)}, {"12015.JPG", Picture(109, 16, 1)}}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    try {
        InstallOutOfMemoryHandler();
        const CScratchBuffers scratchBuffers;
        WriteSeeds(argv[1]);
    } catch (const std::exception& failure) { // our writers' failures too: XBase is one
        std::fprintf(stderr, "modstower_mkfuzzseeds: %s\n", failure.what());
        return 1;
    }
    return 0;
}
