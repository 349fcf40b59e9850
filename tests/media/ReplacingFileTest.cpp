// What the pack run's tests cannot see of a replacing file: its name, its
// permissions and its refusals. How it keeps a target whole is shown there.
#include "media/ReplacingFile.h"
#include "media/XBase.h"
#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

TEST(ReplacingFileTest, NamePermissionsAndCommit)
{
    const TempFolder folder;
    const std::string target = folder / "Mod.tdm";
    std::ofstream(target) << "old";
    const mode_t oldMask = umask(027);
    {
        CReplacingFile file(target);
        file.Write(3, "new");
        // Hidden, beside the target, with its name and extension.
        const std::string name = file.GetTemporaryPath().substr(folder.Path().size());
        EXPECT_EQ(name.substr(0, 9), ".Mod.tdm-");
        EXPECT_EQ(name.substr(15), ".tdm");
        file.Commit();
        EXPECT_EQ(file.GetTemporaryPath(), "");
    }
    umask(oldMask);
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
    // Read and write, less what the umask takes, as any new file.
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // However long the target's name, the new file's stays a name.
    CReplacingFile longest(folder / (std::string(251, 'n') + ".tdm"));
    const std::string name = longest.GetTemporaryPath().substr(folder.Path().size());
    EXPECT_EQ(name.size(), 255u);
    EXPECT_EQ(name.substr(251), ".tdm");
}

TEST(ReplacingFileTest, Refusals)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    EXPECT_THROW(CReplacingFile(folder / "sub"), XCreateFailed);
    EXPECT_THROW(CReplacingFile(folder / "missing/Mod.tdm"), XCreateFailed);
    // A target that became a folder meanwhile: the rename fails, the new file goes.
    CReplacingFile file(folder / "late");
    std::filesystem::create_directory(folder / "late");
    EXPECT_THROW(file.Commit(), XFile);
    EXPECT_EQ(file.GetTemporaryPath(), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}
