// The fuzz target's seed corpus is made by CFileSpec::Flatten. This test proves
// each committed seed is exactly what Flatten writes today; run it with
// MODSTOWER_WRITE_SEEDS=1 to write the seeds afresh.
#include "files/FileSpec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Seed {
    const char* file;
    CFileSpec spec;
};

std::vector<Seed> Seeds()
{
    return {
        {"mod-folder-component.bin", CFileSpec("/home/artist/Mods/Sample Mod/12015.jpg")},
        {"double-extension.bin", CFileSpec("/tmp/", "archive.tar", ".gz")},
        {"no-extension.bin", CFileSpec("/a/README")},
        {"hidden-name.bin", CFileSpec("rel/.hidden")},
        {"longest-path.bin", CFileSpec(("/" + std::string(255, 'n') + ".tdm").c_str())},
    };
}

} // namespace

TEST(FilespecSeedTest, SeedsAreFlattenedSpecifications)
{
    const std::string folder = std::string(MODSTOWER_SOURCE_DIR) + "/fuzz/corpus/filespec/";
    const bool write = std::getenv("MODSTOWER_WRITE_SEEDS") != nullptr;
    for (const Seed& seed : Seeds()) {
        int32_t size = 0;
        const std::unique_ptr<uint8_t[]> block(seed.spec.Flatten(size));
        const std::string bytes(reinterpret_cast<const char*>(block.get()), size);
        if (write) {
            std::ofstream out(folder + seed.file, std::ios::binary);
            out << bytes;
        }
        std::ifstream in(folder + seed.file, std::ios::binary);
        ASSERT_TRUE(in.good()) << seed.file;
        const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(stored, bytes) << seed.file;
    }
}
