#include "files/DirEntry.h"
#include "files/FileSpec.h"
#include "media/Media.h"
#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Split {
    const char* path;
    const char* directory;
    const char* name;
    const char* extension;
};

std::basic_string<uint8_t> Bytes(const uint8_t* data, int32_t size)
{
    return std::basic_string<uint8_t>(data, size);
}

std::basic_string<uint8_t> Flat(const std::string& path)
{
    std::basic_string<uint8_t> block = {0xF1, 0x1E, 0x54, 0xEC};
    block.append(reinterpret_cast<const uint8_t*>(path.c_str()), path.size() + 1);
    return block;
}

} // namespace

TEST(FileSpecTest, SplitsAtLastSlashAndLastDot)
{
    const Split cases[] = {
        {"/mods/Sample Mod/Splash.jpg", "/mods/Sample Mod/", "Splash", ".jpg"},
        {"/a/archive.tar.gz", "/a/", "archive.tar", ".gz"},
        {"/a/README", "/a/", "README", ""},
        {"/a/.hidden", "/a/", "", ".hidden"},
        {"/a.d/file", "/a.d/", "file", ""},
        {"/top", "/", "top", ""},
        {"/a/folder/", "/a/folder/", "", ""},
        {"rel/Kick.AIF", "rel/", "Kick", ".AIF"},
        // Kept as given: no case correction, no collapsing of "." or "//".
        {"/x/./y//Z.Txt", "/x/./y//", "Z", ".Txt"},
    };
    for (const Split& c : cases) {
        const CFileSpec spec(c.path);
        EXPECT_STREQ(spec.GetDirectory(), c.directory) << c.path;
        EXPECT_STREQ(spec.GetName(), c.name) << c.path;
        EXPECT_STREQ(spec.GetExtension(), c.extension) << c.path;
        EXPECT_EQ(spec.GetFullPath(), c.path);
    }
}

TEST(FileSpecTest, RefusesPathsWithoutSlashOrTooLong)
{
    EXPECT_THROW(CFileSpec("README.txt"), XBase);
    EXPECT_THROW(CFileSpec(""), XBase);
    EXPECT_THROW(CFileSpec(static_cast<const char*>(nullptr)), XBase);

    const std::string longest = "/" + std::string(259, 'n');
    EXPECT_EQ(CFileSpec(longest.c_str()).GetFullPath(), longest);
    const std::string tooLong = longest + "x";
    EXPECT_THROW(CFileSpec(tooLong.c_str()), XBase);

    // The three-part form counts the joined path, the added '/' included.
    EXPECT_NO_THROW(CFileSpec("/d", std::string(257, 'n').c_str(), ""));
    EXPECT_THROW(CFileSpec("/d", std::string(257, 'n').c_str(), "."), XBase);
}

TEST(FileSpecTest, PartsFormTakesNameAndExtensionAsGiven)
{
    const CFileSpec spec("/tmp", "archive.tar", ".gz");
    EXPECT_STREQ(spec.GetDirectory(), "/tmp/");
    EXPECT_EQ(spec.GetFullPath(), "/tmp/archive.tar.gz");
    EXPECT_EQ(spec.GetFileName(), "archive.tar.gz");
    EXPECT_EQ(spec.GetBaseName(), "archive.tar");

    const CFileSpec dotted("/tmp/", "a.b", "");
    EXPECT_STREQ(dotted.GetName(), "a.b");
    EXPECT_EQ(dotted.GetBaseName(), "a");
    EXPECT_EQ(CFileSpec("/tmp/", "README", "").GetBaseName(), "README");
}

TEST(FileSpecTest, SetExtensionRefusesTooLongAndKeepsTheOld)
{
    CFileSpec spec("/a/Kick.wav");
    spec.SetExtension(".aif");
    EXPECT_EQ(spec.GetFullPath(), "/a/Kick.aif");
    spec.SetExtension("");
    EXPECT_EQ(spec.GetFullPath(), "/a/Kick");

    spec.SetExtension(".x");
    const std::string huge(255, 'e');
    EXPECT_THROW(spec.SetExtension(huge.c_str()), XBase);
    EXPECT_STREQ(spec.GetExtension(), ".x");
}

TEST(FileSpecTest, PathsCompareExactly)
{
    EXPECT_TRUE(CFileSpec("/a/Kick.aif") == CFileSpec("/a/", "Kick", ".aif"));
    EXPECT_TRUE(CFileSpec("/a/x.tar.gz") == CFileSpec("/a", "x", ".tar.gz"));
    EXPECT_FALSE(CFileSpec("/a/Kick.aif") == CFileSpec("/a/KICK.AIF"));
    EXPECT_FALSE(CFileSpec("/a/Kick.aif") == CFileSpec("/A/Kick.aif"));
}

TEST(FileSpecTest, TypeIsTheExtension)
{
    const CFileSpec upper("/a/SPLASH.JPG");
    const CFileSpec lower("/a/splash.jpg");
    EXPECT_STREQ(upper.GetFileType().GetText(), ".JPG");
    EXPECT_TRUE(upper.GetFileType().Equals(lower.GetFileType()));
    EXPECT_STREQ(CFileSpec("/a/README").GetFileType().GetText(), "");
}

TEST(FileSpecTest, MakeValidReplacesForbiddenCharacters)
{
    CFileSpec spec("/a\x01*?<>\"|\\:b/", "n\x1f*?<>\"|\\/:m", ".e:x/t");
    spec.MakeValid();
    // The folder keeps its separators, '\' and ':'.
    EXPECT_STREQ(spec.GetDirectory(), "/a_______\\:b/");
    EXPECT_STREQ(spec.GetName(), "n__________m");
    EXPECT_STREQ(spec.GetExtension(), ".e_x_t");

    CFileSpec clean("/a/Kick 1 (old).aif");
    clean.MakeValid();
    EXPECT_EQ(clean.GetFullPath(), "/a/Kick 1 (old).aif");
}

TEST(FileSpecTest, FlattenRoundTrip)
{
    const CFileSpec spec("/mods/Sample Mod/", "Demo", ".tds");
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> block(spec.Flatten(size));
    EXPECT_EQ(Bytes(block.get(), size), Flat("/mods/Sample Mod/Demo.tds"));
    EXPECT_EQ(size, 25 + 5);

    const CFileSpec back(block.get(), size);
    EXPECT_STREQ(back.GetDirectory(), "/mods/Sample Mod/");
    EXPECT_STREQ(back.GetName(), "Demo");
    EXPECT_STREQ(back.GetExtension(), ".tds");
    EXPECT_TRUE(back == spec);
}

TEST(FileSpecTest, FlattenedBlockIsCheckedBeforeUse)
{
    std::basic_string<uint8_t> good = Flat("/a/b.c");
    EXPECT_NO_THROW(CFileSpec(good.data(), static_cast<int32_t>(good.size())));
    // Bytes after the terminator are not part of the path.
    std::basic_string<uint8_t> trailing = good + std::basic_string<uint8_t>(3, 'q');
    EXPECT_EQ(CFileSpec(trailing.data(), static_cast<int32_t>(trailing.size())).GetFullPath(), "/a/b.c");

    std::basic_string<uint8_t> badMagic = good;
    badMagic[3] = 0xED;
    EXPECT_THROW(CFileSpec(badMagic.data(), static_cast<int32_t>(badMagic.size())), XBadFormat);
    std::basic_string<uint8_t> littleEndian = good;
    std::swap(littleEndian[0], littleEndian[3]);
    std::swap(littleEndian[1], littleEndian[2]);
    EXPECT_THROW(CFileSpec(littleEndian.data(), static_cast<int32_t>(littleEndian.size())), XBadFormat);

    // No terminator inside the block: the reader must not look past its end.
    EXPECT_THROW(CFileSpec(good.data(), static_cast<int32_t>(good.size()) - 1), XBadFormat);
    EXPECT_THROW(CFileSpec(good.data(), 4), XBadFormat);
    EXPECT_THROW(CFileSpec(good.data(), 3), XBadFormat);
    EXPECT_THROW(CFileSpec(good.data(), 0), XBadFormat);
    EXPECT_THROW(CFileSpec(good.data(), -1), XBadFormat);
    EXPECT_THROW(CFileSpec(nullptr, 20), XBadFormat);

    const std::basic_string<uint8_t> noSlash = Flat("b.c");
    EXPECT_THROW(CFileSpec(noSlash.data(), static_cast<int32_t>(noSlash.size())), XBase);
    const std::basic_string<uint8_t> empty = Flat("");
    EXPECT_THROW(CFileSpec(empty.data(), static_cast<int32_t>(empty.size())), XBase);
    const std::basic_string<uint8_t> tooLong = Flat("/" + std::string(260, 'p'));
    EXPECT_THROW(CFileSpec(tooLong.data(), static_cast<int32_t>(tooLong.size())), XBase);
}

TEST(FileSpecTest, CloneAndOpenForReading)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.WriteFile("data.bin", "12345");
    const CFileSpec spec((folder / "data.bin").c_str());

    std::unique_ptr<CABCMediaSpec> clone(spec.Clone());
    auto* copy = dynamic_cast<CFileSpec*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(*copy == spec);

    std::unique_ptr<CMedia> media(clone->OpenForReading());
    EXPECT_EQ(media->GetSize(), 5);
    char bytes[5];
    media->Read(5, bytes);
    EXPECT_EQ(std::string(bytes, 5), "12345");

    EXPECT_THROW(std::unique_ptr<CMedia>(CFileSpec((folder / "none").c_str()).OpenForReading()), XCreateFailed);
}

TEST(FileSpecTest, ExistsSizeAndDelete)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.WriteFile("seven.txt", "1234567");
    const CFileSpec file((folder / "seven.txt").c_str());
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.GetSize(), 7);

    // A folder is not a file.
    ASSERT_EQ(mkdir((folder / "sub").c_str(), 0700), 0);
    EXPECT_FALSE(CFileSpec((folder / "sub").c_str()).Exists());
    EXPECT_THROW(CFileSpec((folder / "sub").c_str()).GetSize(), XCreateFailed);

    ASSERT_EQ(symlink((folder / "seven.txt").c_str(), (folder / "link").c_str()), 0);
    ASSERT_EQ(symlink((folder / "gone").c_str(), (folder / "dangling").c_str()), 0);
    EXPECT_TRUE(CFileSpec((folder / "link").c_str()).Exists());
    EXPECT_FALSE(CFileSpec((folder / "dangling").c_str()).Exists());

    file.Delete();
    EXPECT_FALSE(file.Exists());
    EXPECT_THROW(file.Delete(), XFile);
    EXPECT_THROW(file.GetSize(), XCreateFailed);
}

TEST(FileSpecTest, GetInfoAndSetInfo)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.WriteFile("Kick.AIF", "abc");
    folder.WriteFile(".secret", "");
    const CFileSpec file((folder / "Kick.AIF").c_str());

    std::unique_ptr<CDirEntry> info(file.GetInfo());
    EXPECT_STREQ(info->name, "Kick.AIF");
    EXPECT_STREQ(info->type.GetText(), ".AIF");
    EXPECT_EQ(info->size, 3u);
    EXPECT_FALSE(info->hidden);
    EXPECT_FALSE(info->directory);
    EXPECT_GT(info->modified, 0u);
    EXPECT_GT(info->created, 0u);

    std::unique_ptr<CDirEntry> hidden(CFileSpec((folder / ".secret").c_str()).GetInfo());
    EXPECT_TRUE(hidden->hidden);
    EXPECT_STREQ(hidden->type.GetText(), ".secret");

    // 1 January 2000, 00:00:00.5 UTC.
    const uint64_t y2k = (946684800ull + 11644473600ull) * 10000000ull + 5000000ull;
    CDirEntry entry;
    entry.modified = y2k;
    file.SetInfo(entry);
    struct stat status {};
    ASSERT_EQ(stat(file.GetFullPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mtim.tv_sec, 946684800);
    EXPECT_EQ(status.st_mtim.tv_nsec, 500000000);
    EXPECT_EQ(std::unique_ptr<CDirEntry>(file.GetInfo())->modified, y2k);

    // A time of 0 leaves the file's time alone.
    file.SetInfo(CDirEntry());
    EXPECT_EQ(std::unique_ptr<CDirEntry>(file.GetInfo())->modified, y2k);

    // Hiding would need a rename.
    entry.hidden = true;
    EXPECT_THROW(file.SetInfo(entry), XFile);

    const CFileSpec missing((folder / "missing").c_str());
    EXPECT_THROW(std::unique_ptr<CDirEntry>(missing.GetInfo()), XFile);
    EXPECT_THROW(missing.SetInfo(CDirEntry()), XFile);
}

TEST(FileSpecTest, FileTimesCountFrom1601)
{
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(0, 0), 116444736000000000ull);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(1, 999999999), 116444736019999999ull);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(-11644473600, 0), 0ull);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(-11644473601, 0), 0ull);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(INT64_MAX, 0), UINT64_MAX);

    int64_t seconds = 0;
    int64_t nanoseconds = 0;
    SystemDirectory::UnixFromFileTime(116444736019999999ull, seconds, nanoseconds);
    EXPECT_EQ(seconds, 1);
    EXPECT_EQ(nanoseconds, 999999900);
    SystemDirectory::UnixFromFileTime(0, seconds, nanoseconds);
    EXPECT_EQ(seconds, -11644473600);
    EXPECT_EQ(nanoseconds, 0);
}
