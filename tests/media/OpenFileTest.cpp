#include "media/OpenFile.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

TEST_F(OpenFileTest, ScatteredReadFillsSpansInTurn)
{
    // 3000 bytes, each its offset's low byte.
    std::string bytes(3000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(static_cast<int32_t>(bytes.size()), bytes.data());
    }
    COpenFile in(mPath.c_str());
    in.SetPosition(10);
    // More spans than one system call takes (IOV_MAX is 1024 here), some empty.
    std::string filled(2100, '\0');
    std::vector<SMediaSpan> spans;
    for (int32_t at = 0; at < 2100;) {
        const int32_t size = spans.size() % 3 == 1 ? 0 : 1 + static_cast<int32_t>(spans.size() % 4);
        spans.push_back({filled.data() + at, std::min(size, 2100 - at)});
        at += spans.back().size;
    }
    ASSERT_GT(spans.size(), 1024u);
    in.ReadScattered(spans.data(), static_cast<int32_t>(spans.size()));
    EXPECT_EQ(filled, bytes.substr(10, 2100));
    EXPECT_EQ(in.GetPosition(), 2110);

    // Past the end: XRead, with the position moved by what was read, as Read does.
    std::string rest(1000, '\0');
    const SMediaSpan tooMuch[] = {{rest.data(), 500}, {rest.data() + 500, 500}};
    EXPECT_THROW(in.ReadScattered(tooMuch, 2), XRead);
    EXPECT_EQ(in.GetPosition(), 3000);
    EXPECT_EQ(rest.substr(0, 890), bytes.substr(2110));
}

TEST_F(OpenFileTest, ShortAndLongReadsAnywhere)
{
    // Short reads come from a block read ahead of them; they must give the file's
    // bytes wherever they fall, across the block's end and after moving back.
    std::string bytes(10000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 256);
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(static_cast<int32_t>(bytes.size()), bytes.data());
    }
    COpenFile in(mPath.c_str());
    const std::pair<int32_t, int32_t> reads[] = {{0, 12}, {12, 8}, {4090, 12}, {100, 512}, {4000, 513},
                                                 {9990, 10}, {3, 1}, {8190, 4}, {0, 10000}};
    for (const auto& [position, size] : reads) {
        std::string got(static_cast<size_t>(size), '\0');
        in.SetPosition(position);
        in.Read(size, got.data());
        EXPECT_EQ(got, bytes.substr(static_cast<size_t>(position), static_cast<size_t>(size))) << position;
        EXPECT_EQ(in.GetPosition(), position + size);
    }
    in.Read(0, nullptr); // nothing to read, nowhere to put it
    EXPECT_EQ(in.GetPosition(), 10000);
}

TEST_F(OpenFileTest, AFileForReadingKeepsTheSizeItWasOpenedWith)
{
    {
        COpenFile out(mPath.c_str(), "TEXT", "Tdrl");
        out.Write(6000, std::string(6000, 'a').data());
    }
    COpenFile in(mPath.c_str());
    EXPECT_EQ(in.GetSize(), 6000);
    // Cut short behind its back, it reports the size its readers were bounded by,
    // and a read past the new end fails as at any end.
    ASSERT_EQ(truncate(mPath.c_str(), 5000), 0);
    EXPECT_EQ(in.GetSize(), 6000);
    std::string tail(1000, '\0');
    in.SetPosition(4500);
    EXPECT_THROW(in.Read(1000, tail.data()), XRead);
    EXPECT_EQ(in.GetPosition(), 5000);
}
