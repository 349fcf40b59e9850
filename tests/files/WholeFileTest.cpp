#include "files/FileSpec.h"
#include "files/WholeFile.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

// Lowers the file-size limit of this process for one scope, so writes beyond it
// fail with EFBIG (the signal that would otherwise end the process is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        mOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &mOld);
        rlimit lowered = mOld;
        lowered.rlim_cur = bytes;
        mSet = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mOld);
        std::signal(SIGXFSZ, mOldHandler);
    }
    bool IsSet() const { return mSet; }

private:
    rlimit mOld {};
    void (*mOldHandler)(int) = nullptr;
    bool mSet = false;
};

} // namespace

TEST(WholeFileTest, WritesAndReadsBack)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const CFileSpec spec((folder / "out.txt").c_str());
    WriteWholeFile(spec, "TEXT", "Tdrl", "hello world", 11);
    EXPECT_EQ(spec.GetSize(), 11);

    char bytes[11] = {};
    ReadWholeFile(spec, bytes, 11);
    EXPECT_EQ(std::string(bytes, 11), "hello world");
    char more[12];
    EXPECT_THROW(ReadWholeFile(spec, more, 12), XRead);

    CMemoryMedia* out = nullptr;
    std::unique_ptr<CMemoryMedia> loaded(LoadFileIntoMemory(spec, out));
    EXPECT_EQ(out, loaded.get());
    EXPECT_EQ(loaded->GetSize(), 11);
    EXPECT_EQ(loaded->GetPosition(), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded->GetBuffer()), 11), "hello world");

    // Writing again replaces the old contents whole.
    WriteWholeFile(spec, "TEXT", "Tdrl", "hi", 2);
    loaded.reset(LoadFileIntoMemory(spec));
    EXPECT_EQ(loaded->GetSize(), 2);

    WriteWholeFile(spec, "TEXT", "Tdrl", "", 0);
    loaded.reset(LoadFileIntoMemory(spec));
    EXPECT_EQ(loaded->GetSize(), 0);
}

TEST(WholeFileTest, FailedWriteDeletesThePartialFile)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const CFileSpec spec((folder / "partial.bin").c_str());
    const std::string data(4096, 'd');
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.IsSet());
        EXPECT_THROW(WriteWholeFile(spec, "BINA", "Tdrl", data.data(), 4096), XWrite);
    }
    EXPECT_FALSE(spec.Exists());

    EXPECT_THROW(WriteWholeFile(spec, "BINA", "Tdrl", data.data(), -1), XWrite);
    EXPECT_FALSE(spec.Exists());
}

TEST(WholeFileTest, FailedCreateLeavesTheFolderAlone)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const CFileSpec nowhere((folder / "missing/out.txt").c_str());
    EXPECT_THROW(WriteWholeFile(nowhere, "TEXT", "Tdrl", "x", 1), XCreateFailed);
    EXPECT_THROW(std::unique_ptr<CMemoryMedia>(LoadFileIntoMemory(nowhere)), XCreateFailed);
    char byte;
    EXPECT_THROW(ReadWholeFile(nowhere, &byte, 1), XCreateFailed);
}
