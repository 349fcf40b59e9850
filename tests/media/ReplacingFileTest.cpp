#include "media/ReplacingFile.h"
#include "media/XBase.h"
#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class ReplacingFileTest : public ::testing::Test {
protected:
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(mFolder.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static std::string TextOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder mFolder;
    const std::string mTarget = mFolder / "Mod.tdm";
};

} // namespace

TEST_F(ReplacingFileTest, TheTargetChangesOnlyOnCommit)
{
    std::ofstream(mTarget) << "old";
    {
        CReplacingFile file(mTarget);
        file.Write(3, "new");
        // Written beside the target, hidden, with the target's name and extension.
        const std::string name = file.GetTemporaryPath().substr(mFolder.Path().size());
        EXPECT_EQ(name.substr(0, 9), ".Mod.tdm-");
        EXPECT_EQ(name.substr(15), ".tdm");
        EXPECT_EQ(TextOf(mTarget), "old");
    }
    // Not committed: gone, and the target as it was.
    EXPECT_EQ(Names(), std::vector<std::string>{"Mod.tdm"});
    EXPECT_EQ(TextOf(mTarget), "old");

    const mode_t oldMask = umask(027);
    {
        CReplacingFile file(mTarget);
        file.Write(3, "new");
        file.Commit();
        EXPECT_EQ(file.GetTemporaryPath(), "");
    }
    umask(oldMask);
    EXPECT_EQ(Names(), std::vector<std::string>{"Mod.tdm"});
    EXPECT_EQ(TextOf(mTarget), "new");
    // Permissions as any new file's: read and write, less what the umask takes.
    struct stat info {};
    ASSERT_EQ(stat(mTarget.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ReplacingFileTest, LongNamesAndRefusals)
{
    // The new file's name stays within 255 bytes however long the target's is.
    const std::string longTarget = mFolder / (std::string(251, 'n') + ".tdm");
    {
        CReplacingFile file(longTarget);
        const std::string name = file.GetTemporaryPath().substr(mFolder.Path().size());
        EXPECT_EQ(name.size(), 255u);
        EXPECT_EQ(name.substr(name.size() - 4), ".tdm");
        file.Commit();
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(longTarget));

    // A folder is no target, and a folder that is missing holds no new file.
    std::filesystem::create_directory(mFolder / "sub");
    EXPECT_THROW(CReplacingFile(mFolder / "sub"), XCreateFailed);
    EXPECT_THROW(CReplacingFile(mFolder / "missing/Mod.tdm"), XCreateFailed);
    // A target that becomes a folder before the commit: the rename fails, and the new file goes.
    CReplacingFile file(mFolder / "late");
    std::filesystem::create_directory(mFolder / "late");
    EXPECT_THROW(file.Commit(), XFile);
    EXPECT_EQ(file.GetTemporaryPath(), "");
    EXPECT_EQ(Names().size(), 3u); // the long target, "sub" and "late"
}
