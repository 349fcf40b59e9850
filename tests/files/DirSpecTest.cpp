#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TEST(DirSpecTest, PathAlwaysEndsInSlash)
{
    EXPECT_STREQ(CDirSpec("/tmp").GetPath(), "/tmp/");
    EXPECT_TRUE(CDirSpec("/tmp") == CDirSpec("/tmp/"));
    EXPECT_STREQ(CDirSpec("/").GetPath(), "/");
    EXPECT_STREQ(CDirSpec("rel").GetPath(), "rel/");
    EXPECT_FALSE(CDirSpec("/Tmp") == CDirSpec("/tmp"));

    EXPECT_THROW(CDirSpec(""), XBase);
    EXPECT_THROW(CDirSpec(nullptr), XBase);
    // 259 characters and the added '/' fit; one more does not.
    const std::string longest = "/" + std::string(258, 'd');
    EXPECT_EQ(std::string(CDirSpec(longest.c_str()).GetPath()), longest + "/");
    EXPECT_THROW(CDirSpec((longest + "d").c_str()), XBase);
}

TEST(DirSpecTest, AppendFolderAndGoUp)
{
    CDirSpec folder("/tmp");
    folder.AppendFolder("mods");
    EXPECT_STREQ(folder.GetPath(), "/tmp/mods/");
    folder.GoUp();
    EXPECT_STREQ(folder.GetPath(), "/tmp/");
    folder.GoUp();
    EXPECT_STREQ(folder.GetPath(), "/");
    folder.GoUp();
    EXPECT_STREQ(folder.GetPath(), "/");

    CDirSpec relative("a/b");
    relative.GoUp();
    EXPECT_STREQ(relative.GetPath(), "a/");
    relative.GoUp();
    EXPECT_STREQ(relative.GetPath(), "a/");

    CDirSpec full(("/" + std::string(250, 'f')).c_str());
    // 252 characters now; a name of 8 and its '/' would make 261.
    EXPECT_THROW(full.AppendFolder("12345678"), XBase);
    EXPECT_EQ(std::string(full.GetPath()), "/" + std::string(250, 'f') + "/");
    full.AppendFolder("1234567");
    EXPECT_EQ(std::string(full.GetPath()).size(), 260u);
}

TEST(DirSpecTest, MakeFileSpecSplitsAtTheLastDot)
{
    const CDirSpec folder("/mods/Sample");
    std::unique_ptr<CFileSpec> spec(folder.MakeFileSpec("archive.tar.gz"));
    EXPECT_STREQ(spec->GetDirectory(), "/mods/Sample/");
    EXPECT_STREQ(spec->GetName(), "archive.tar");
    EXPECT_STREQ(spec->GetExtension(), ".gz");

    spec.reset(folder.MakeFileSpec("README"));
    EXPECT_STREQ(spec->GetName(), "README");
    EXPECT_STREQ(spec->GetExtension(), "");

    EXPECT_THROW(std::unique_ptr<CFileSpec>(folder.MakeFileSpec("sub/x.txt")), XBase);
    EXPECT_THROW(std::unique_ptr<CFileSpec>(folder.MakeFileSpec(std::string(250, 'n').c_str())), XBase);

    std::unique_ptr<CDirSpec> back(CDirSpec::FromFile(*spec));
    EXPECT_TRUE(*back == folder);
}

TEST(DirSpecTest, CreateSubfolder)
{
    TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    const CDirSpec folder(temp.Path().c_str());
    std::unique_ptr<CDirSpec> sub(folder.CreateSubfolder("Sample Mod"));
    EXPECT_EQ(std::string(sub->GetPath()), temp / "Sample Mod/");
    struct stat status {};
    ASSERT_EQ(stat(sub->GetPath(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));

    EXPECT_THROW(std::unique_ptr<CDirSpec>(folder.CreateSubfolder("Sample Mod")), XBase);
    EXPECT_THROW(std::unique_ptr<CDirSpec>(folder.CreateSubfolder("no/such/parent")), XBase);
    EXPECT_THROW(std::unique_ptr<CDirSpec>(folder.CreateSubfolder("")), XBase);
    // A name too long for the path is refused before anything is made.
    const std::string tooLong(260 - temp.Path().size(), 'x');
    EXPECT_THROW(std::unique_ptr<CDirSpec>(folder.CreateSubfolder(tooLong.c_str())), XBase);
    EXPECT_NE(stat((temp / tooLong).c_str(), &status), 0);
}

TEST(DirSpecTest, Factories)
{
    TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(temp.Path().c_str()), 0);
    std::unique_ptr<CDirSpec> current(CDirSpec::GetCurrentDirectory());
    ASSERT_EQ(chdir(previous), 0);
    char resolved[4096];
    ASSERT_NE(realpath(temp.Path().c_str(), resolved), nullptr);
    EXPECT_EQ(std::string(current->GetPath()), std::string(resolved) + "/");

    std::unique_ptr<CDirSpec> system(CDirSpec::GetSystemDirectory());
    EXPECT_STREQ(system->GetPath(), "/usr/");
    std::unique_ptr<CDirSpec> root(CDirSpec::GetRootDirectory());
    EXPECT_STREQ(root->GetPath(), "/");

    for (char letter : {'A', 'C', 'c', 'Z'})
        EXPECT_THROW(std::unique_ptr<CDirSpec>(CDirSpec::GetDriveRoot(letter)), XFile) << letter;
}
