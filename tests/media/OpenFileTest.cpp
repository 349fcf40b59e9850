#include "media/OpenFile.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class OpenFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/openfile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        mFolder = pattern;
        mPath = mFolder + "/data.bin";
    }
    void TearDown() override
    {
        std::remove(mPath.c_str());
        rmdir(mFolder.c_str());
    }
    std::string mFolder;
    std::string mPath;
};

} // namespace

TEST_F(OpenFileTest, WritesThenReadsBack)
{
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(5, "hello");
        out.WriteAt(0, 1, "J");
        EXPECT_EQ(out.GetPosition(), 1);
        EXPECT_EQ(out.GetSize(), 5);
    }
    COpenFile in(mPath.c_str());
    EXPECT_EQ(in.GetSize(), 5);
    char text[5];
    in.Read(5, text);
    EXPECT_EQ(std::string(text, 5), "Jello");
}

TEST_F(OpenFileTest, ShortReadThrowsAfterMovingToTheEnd)
{
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(3, "abc");
    }
    COpenFile in(mPath.c_str());
    in.SetPosition(1);
    char text[8];
    EXPECT_THROW(in.Read(8, text), XRead);
    EXPECT_EQ(in.GetPosition(), 3);
}

TEST_F(OpenFileTest, CreatingReplacesAnExistingFile)
{
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(6, "longer");
    }
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(2, "ab");
    }
    EXPECT_EQ(COpenFile(mPath.c_str()).GetSize(), 2);
}

TEST_F(OpenFileTest, OpenFailuresAreCreateFailed)
{
    EXPECT_THROW(COpenFile((mFolder + "/missing").c_str()), XCreateFailed);
    EXPECT_THROW(COpenFile(mFolder.c_str()), XCreateFailed); // a folder is no file
    EXPECT_THROW(COpenFile((mFolder + "/no/such/dir").c_str(), "TEXT", "Tdrl"), XCreateFailed);
    // Nor is a device, or a pipe: refused at once, even one that no writer holds,
    // where waiting for one would last for ever.
    alarm(60);
    EXPECT_THROW(COpenFile("/dev/zero"), XCreateFailed);
    ASSERT_EQ(mkfifo(mPath.c_str(), 0600), 0);
    EXPECT_THROW(COpenFile(mPath.c_str()), XCreateFailed);
    alarm(0);
}

TEST_F(OpenFileTest, FilesOf2GiBAreTooLargeForTheFormats)
{
    COpenFile(mPath.c_str(), "TEXT", "Tdrl").Close();
    // Sparse: no byte of it is written.
    ASSERT_EQ(truncate(mPath.c_str(), INT32_MAX), 0);
    EXPECT_EQ(COpenFile(mPath.c_str()).GetSize(), INT32_MAX);
    ASSERT_EQ(truncate(mPath.c_str(), int64_t{INT32_MAX} + 1), 0);
    EXPECT_THROW(COpenFile(mPath.c_str()).GetSize(), XTooLarge);
}

TEST_F(OpenFileTest, NegativePositionIsRefused)
{
    COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
    EXPECT_THROW(out.SetPosition(-1), XPosition);
}
