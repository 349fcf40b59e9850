// The seeds of the unpack and pack fuzz targets are made by our own writers. This
// test makes them again and compares them with the files kept in fuzz/corpus/;
// with MODSTOWER_WRITE_SEEDS=1 in the environment it writes the files instead.
#include "app/ModInfo.h"
#include "app/ModWriter.h"
#include "media/StringMedia.h"
#include "tests/app/PackTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Files = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// The unpack target's input: its two option bytes, then a mod of these files.
std::vector<uint8_t> UnpackSeed(uint8_t force, uint8_t obstacles, const Files& files)
{
    CStringMedia mod;
    CModWriter writer(mod);
    for (const auto& [name, bytes] : files)
        writer.AddComponent(name.c_str(), bytes.data(), int32_t(bytes.size()));
    CModInfo info;
    std::strcpy(info.GetModName(), "Seed");
    writer.Finish(info);
    std::vector<uint8_t> seed = {force, obstacles};
    seed.insert(seed.end(), mod.GetBytes().begin(), mod.GetBytes().end());
    return seed;
}

// The pack target's input: each file as a counted name and counted bytes.
std::vector<uint8_t> PackSeed(const Files& files)
{
    std::vector<uint8_t> seed;
    for (const auto& [name, bytes] : files) {
        seed.push_back(uint8_t(name.size()));
        seed.insert(seed.end(), name.begin(), name.end());
        seed.push_back(uint8_t(bytes.size() >> 8));
        seed.push_back(uint8_t(bytes.size()));
        seed.insert(seed.end(), bytes.begin(), bytes.end());
    }
    return seed;
}

} // namespace

TEST(FuzzSeeds, SeedsAreWhatOurWritersMake)
{
    const std::vector<int16_t> frames = {0, 900, -900, 32767, -32768, 5, 7, -7};
    const Files kit = {{"12015.jpg", MakeJPEGFile(109, 16)}, {"tr808bd.aif", MakeAiffFile(frames, 1, 44100)},
                       {"Demo.tds", Bytes("song")}};
    const Files folder = {{"ModName.txt", Bytes("Seed Mod\r\n")}, {"Comments.txt", Bytes("A comment\r\non two lines")},
                          {"www.txt", Bytes("www.example.org")}, {"notes.txt", Bytes("not a component")},
                          {"tr808sd1.wav", MakeWaveFile(frames, 1, 44100)}, {"12016.jpg", MakeJPEGFile(50, 20, 2)}};
    Files whole = kit;
    whole.insert(whole.end(), folder.begin(), folder.end());
    const std::pair<const char*, std::vector<uint8_t>> seeds[] = {
        {"unpack/kit.bin", UnpackSeed(0, 0, kit)},
        // Regular files under the first three names, to be replaced; then a regular
        // file, a link and a folder, which are not.
        {"unpack/forced-over-files.bin", UnpackSeed(1, 0x15, kit)},
        {"unpack/forced-over-obstacles.bin", UnpackSeed(1, 0x39, kit)},
        {"unpack/refused-names.bin", UnpackSeed(1, 0x55, {{"../up", Bytes("x")}, {"bell\a.jpg", Bytes("x")},
                                                           {"kit.tdm", Bytes("x")}, {std::string(256, 'n'), Bytes("x")},
                                                           {"Demo.tds", Bytes("a")}, {"Demo.tds", Bytes("b")}})},
        {"pack/mod-folder.bin", PackSeed(whole)},
        {"pack/no-mod-name.bin", PackSeed(kit)},
        {"pack/refused-components.bin",
         PackSeed({{"ModName.txt", Bytes("Refused")}, {"12015.jpg", Bytes("not a picture")},
                   {"tr808sd2.aif", MakeAiffFile({1, 2, 3, 4}, 2, 22050, 24)}, {"tr808sd4.wav", Bytes(std::string("RIFF\4\0\0\0WAVE", 12))},
                   {"TR808SD2.wav", MakeWaveFile(frames, 1, 44100)}, {"12015.JPG", MakeJPEGFile(109, 16)}})},
    };
    for (const auto& [name, bytes] : seeds) {
        const std::string path = std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/" + name;
        if (std::getenv("MODSTOWER_WRITE_SEEDS") != nullptr)
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        EXPECT_EQ(ReadFileBytes(path), bytes) << name;
    }
}
