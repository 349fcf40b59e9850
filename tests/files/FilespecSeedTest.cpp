// The fuzz target's seed corpus is what CFileSpec::Flatten writes; with
// MODSTOWER_WRITE_SEEDS=1 in the environment the seeds are written afresh.
#include "files/FileSpec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace {

// 4095 bytes, the most the system takes: 15 folders and a file, each name of 254
// or 255 bytes.
std::string LongestPath()
{
    std::string path;
    for (int i = 0; i < 15; ++i)
        path += "/" + std::string(255, 'f');
    return path + "/" + std::string(250, 'n') + ".tdm";
}

} // namespace

TEST(FilespecSeedTest, SeedsAreFlattenedSpecifications)
{
    const std::pair<const char*, CFileSpec> seeds[] = {
        {"mod-folder-component.bin", CFileSpec("/home/artist/Mods/Sample Mod/12015.jpg")},
        {"double-extension.bin", CFileSpec("/tmp/", "archive.tar", ".gz")},
        {"no-extension.bin", CFileSpec("/a/README")},
        {"hidden-name.bin", CFileSpec("rel/.hidden")},
        {"longest-path.bin", CFileSpec(LongestPath().c_str())},
    };
    const std::string folder = std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/filespec/";
    for (const auto& [file, spec] : seeds) {
        int32_t size = 0;
        const std::unique_ptr<uint8_t[]> block(spec.Flatten(size));
        const std::string bytes(reinterpret_cast<const char*>(block.get()), size);
        if (std::getenv("MODSTOWER_WRITE_SEEDS") != nullptr)
            std::ofstream(folder + file, std::ios::binary) << bytes;
        std::ifstream in(folder + file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes) << file;
    }
}
