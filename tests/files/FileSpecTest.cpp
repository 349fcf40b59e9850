// File and folder specifications and the folder iterator.
#include "files/DirEntry.h"
#include "files/DirIterator.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::basic_string<uint8_t>;

// The flattened form: F1 1E 54 EC, then the path and its terminating zero.
Bytes Flat(const std::string& path)
{
    return Bytes{0xF1, 0x1E, 0x54, 0xEC} + Bytes(path.begin(), path.end()) + Bytes(1, 0);
}

std::string Parts(const CFileSpec& spec)
{
    return std::string(spec.GetDirectory()) + "|" + spec.GetName() + "|" + spec.GetExtension();
}

// Every entry still to come as "name flags size type"; flags d(irectory), h(idden).
std::vector<std::string> Listing(CDirIterator& iterator)
{
    std::vector<std::string> lines;
    while (const std::unique_ptr<CDirEntry> entry{iterator.Next()})
        lines.push_back(std::string(entry->name) + " " + (entry->directory ? "d" : "-") +
                        (entry->hidden ? "h " : "- ") + std::to_string(entry->size) + " " + entry->type.GetText());
    return lines;
}

} // namespace

TEST(FileSpecTest, SplitsComparesAndMakesValid)
{
    // Kept as given: no case correction, no collapsing of "." or "//".
    const char* const cases[][2] = {
        {"/a/archive.tar.gz", "/a/|archive.tar|.gz"}, {"/a/README", "/a/|README|"},
        {"/a/.hidden", "/a/||.hidden"},               {"/a.d/file", "/a.d/|file|"},
        {"/a/folder/", "/a/folder/||"},               {"rel/Kick.AIF", "rel/|Kick|.AIF"},
        {"/x/./y//Z.Txt", "/x/./y//|Z|.Txt"},
    };
    for (const auto& [path, parts] : cases)
        EXPECT_EQ(Parts(CFileSpec(path)), parts);
    // The three-part form adds the folder's '/' and takes name and extension as given.
    EXPECT_EQ(Parts(CFileSpec("/tmp", "archive.tar", ".gz")), "/tmp/|archive.tar|.gz");
    EXPECT_EQ(CFileSpec("/tmp/", "a.b", "").GetBaseName(), "a");
    const std::unique_ptr<CFileSpec> made(CDirSpec("/tmp").MakeFileSpec("archive.tar.gz"));
    EXPECT_EQ(Parts(*made), "/tmp/|archive.tar|.gz");
    EXPECT_THROW(std::unique_ptr<CFileSpec>(CDirSpec("/tmp").MakeFileSpec("sub/x.txt")), XBase);

    EXPECT_FALSE(CFileSpec("/a/Kick.aif") == CFileSpec("/a/KICK.AIF"));
    EXPECT_TRUE(CFileSpec("/a/SPLASH.JPG").GetFileType().Equals(CFileSpec("/a/splash.jpg").GetFileType()));

    CFileSpec invalid("/a\x01*?<>\"|\\:b/", "n\x1f*?<>\"|\\/:m", ".e:x/t");
    invalid.MakeValid();
    // The folder keeps its separators, '\' and ':'.
    EXPECT_EQ(Parts(invalid), "/a_______\\:b/|n__________m|.e_x_t");
    CFileSpec clean("/a/Kick 1 (old).aif");
    clean.MakeValid();
    EXPECT_EQ(clean.GetFullPath(), "/a/Kick 1 (old).aif");
}

namespace {

// An absolute path of exactly `length` bytes, of names no longer than 255.
std::string LongPath(size_t length)
{
    std::string path;
    while (path.size() < length)
        path += "/" + std::string(std::min<size_t>(255, length - path.size() - 1), 'f');
    return path;
}

} // namespace

TEST(FileSpecTest, RefusesPathsWithoutSlashOrTooLong)
{
    for (const char* bad : {"README.txt", "", static_cast<const char*>(nullptr)})
        EXPECT_THROW(CFileSpec{bad}, XBase);
    // The system's limits: a path of 4095 bytes, each name in it of 255.
    const std::string name(255, 'n');
    EXPECT_EQ(CFileSpec(LongPath(4095).c_str()).GetFullPath(), LongPath(4095));
    EXPECT_EQ(CFileSpec(("/d/" + name).c_str()).GetName(), name);
    for (const std::string& tooLong : {LongPath(4096), "/d/" + name + "x", "/" + name + "x/file"})
        EXPECT_THROW(CFileSpec(tooLong.c_str()), XPathTooLong) << tooLong.size();
    // The three-part form counts the joined path and its names, the added '/' included.
    EXPECT_NO_THROW(CFileSpec("/d", std::string(251, 'n').c_str(), ".tdm"));
    EXPECT_THROW(CFileSpec("/d", std::string(252, 'n').c_str(), ".tdm"), XPathTooLong);
    CFileSpec spec("/a/Kick.wav");
    EXPECT_THROW(spec.SetExtension(std::string(252, 'e').c_str()), XPathTooLong);
    EXPECT_EQ(spec.GetFullPath(), "/a/Kick.wav");

    // A folder gets its '/'; with it within the limits, also when growing.
    EXPECT_TRUE(CDirSpec("/tmp") == CDirSpec("/tmp/"));
    EXPECT_THROW(CDirSpec(""), XBase);
    EXPECT_THROW(CDirSpec(LongPath(4095).c_str()), XPathTooLong);
    const std::string deep = LongPath(4086);
    CDirSpec folder(deep.c_str());
    EXPECT_THROW(folder.AppendFolder("12345678"), XPathTooLong); // 4087 + 9 bytes
    EXPECT_EQ(std::string(folder.GetPath()), deep + "/");
    folder.AppendFolder("1234567");
    EXPECT_EQ(std::string(folder.GetPath()), deep + "/1234567/");
    folder.GoUp();
    EXPECT_EQ(std::string(folder.GetPath()), deep + "/");
    // Up ends at the root, or at the first folder of a relative path.
    CDirSpec shallow("/a");
    for (int i = 0; i < 2; ++i) {
        shallow.GoUp();
        EXPECT_STREQ(shallow.GetPath(), "/");
    }
    CDirSpec relative("a/b");
    relative.GoUp();
    relative.GoUp();
    EXPECT_STREQ(relative.GetPath(), "a/");
}

TEST(FileSpecTest, FlattenRoundTripAndHostileBlocks)
{
    const CFileSpec spec("/mods/Sample Mod/", "Demo", ".tds");
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> block(spec.Flatten(size));
    const Bytes good = Flat("/mods/Sample Mod/Demo.tds");
    EXPECT_EQ(Bytes(block.get(), size), good);
    EXPECT_EQ(Parts(CFileSpec(block.get(), size)), "/mods/Sample Mod/|Demo|.tds");
    // Bytes after the terminator are not part of the path.
    const Bytes trailing = good + Bytes(3, 'q');
    EXPECT_EQ(CFileSpec(trailing.data(), static_cast<int32_t>(trailing.size())).GetFullPath(), spec.GetFullPath());

    // Bad magic, and blocks cut before the terminator: nothing past the end is read.
    Bytes badMagic = good;
    badMagic[3] = 0xED;
    const int32_t all = static_cast<int32_t>(good.size());
    EXPECT_THROW(CFileSpec(badMagic.data(), all), XBadFormat);
    for (const int32_t cut : {all - 1, 4, 3, 0, -1})
        EXPECT_THROW(CFileSpec(good.data(), cut), XBadFormat) << cut;
    EXPECT_THROW(CFileSpec(nullptr, 20), XBadFormat);
    const Bytes tooLong = Flat("/p/" + std::string(256, 'p'));
    EXPECT_THROW(CFileSpec(tooLong.data(), static_cast<int32_t>(tooLong.size())), XPathTooLong);
}

TEST(FileSpecTest, FilesAndFoldersOnDisk)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    for (const char* name : {"b", "A", "a", "_x", "B.txt", "Z", "~tilde", "aB", "Ab", "\xC3\xA9"})
        folder.WriteFile(name, "");
    folder.WriteFile("Kick.AIF", "0123456789");
    folder.WriteFile(".config", "xy");
    ASSERT_EQ(mkdir((folder / "Samples.d").c_str(), 0700), 0);
    ASSERT_EQ(symlink((folder / "Samples.d").c_str(), (folder / "link-to-folder").c_str()), 0);
    ASSERT_EQ(symlink((folder / "Kick.AIF").c_str(), (folder / "link-to-file").c_str()), 0);
    ASSERT_EQ(symlink((folder / "gone").c_str(), (folder / "dangling").c_str()), 0);

    CDirIterator iterator{CDirSpec(folder.Path().c_str())};
    // Letters fold to upper case, so "_" (0x5F) sorts after every letter and "~"
    // after it; equal folded names fall back to byte order ("A" before "a"); bytes
    // above 127 compare unsigned, after all ASCII. Links count by their targets.
    const std::vector<std::string> expected = {
        ". dh 0 .", ".. dh 0 .", ".config -h 2 .config", "A -- 0 ", "a -- 0 ", "Ab -- 0 ", "aB -- 0 ", "b -- 0 ",
        "B.txt -- 0 .txt", "dangling -- 0 ", "Kick.AIF -- 10 .AIF", "link-to-file -- 10 ", "link-to-folder d- 0 ",
        "Samples.d d- 0 .d", "Z -- 0 ", "_x -- 0 ", "~tilde -- 0 ", "\xC3\xA9 -- 0 ",
    };
    EXPECT_EQ(Listing(iterator), expected);
    EXPECT_EQ(iterator.Next(), nullptr);
    // A missing folder lists nothing; an entry removed after the folder was read
    // is passed over.
    EXPECT_EQ(CDirIterator(CDirSpec((folder / "missing").c_str())).Next(), nullptr);
    CDirIterator vanishing{CDirSpec(folder.Path().c_str())};
    EXPECT_STREQ(std::unique_ptr<CDirEntry>(vanishing.Next())->name, ".");
    ASSERT_EQ(unlink((folder / "b").c_str()), 0);
    std::vector<std::string> rest(expected.begin() + 1, expected.end());
    std::erase(rest, "b -- 0 ");
    EXPECT_EQ(Listing(vanishing), rest);

    // A folder is no file; a link counts by its target, so a dangling one is none.
    const CFileSpec file((folder / "Kick.AIF").c_str());
    for (const auto& [name, exists] : {std::pair{"link-to-file", true}, std::pair{"Samples.d", false},
                                       std::pair{"dangling", false}})
        EXPECT_EQ(CFileSpec((folder / name).c_str()).Exists(), exists) << name;
    EXPECT_EQ(std::unique_ptr<CMedia>(std::unique_ptr<CABCMediaSpec>(file.Clone())->OpenForReading())->GetSize(), 10);

    // 1 January 2000, 00:00:00.5 UTC; a time of 0 leaves the file's time alone.
    const uint64_t y2k = (946684800ull + 11644473600ull) * 10000000ull + 5000000ull;
    CDirEntry entry;
    entry.modified = y2k;
    file.SetInfo(entry);
    file.SetInfo(CDirEntry());
    EXPECT_EQ(std::unique_ptr<CDirEntry>(file.GetInfo())->modified, y2k);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(946684800, 500000000), y2k);
    entry.hidden = true; // hiding would need a rename
    EXPECT_THROW(file.SetInfo(entry), XFile);
    // Times before 1601 or beyond 64 bits are clamped, not wrapped.
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(-11644473601, 0), 0ull);
    EXPECT_EQ(SystemDirectory::FileTimeFromUnix(INT64_MAX, 0), UINT64_MAX);

    file.Delete();
    EXPECT_FALSE(file.Exists());
    EXPECT_THROW(file.Delete(), XFile);
    EXPECT_THROW(std::unique_ptr<CDirEntry>(file.GetInfo()), XFile);

    // A new folder, and the ones that cannot be made.
    const CDirSpec base(folder.Path().c_str());
    const std::unique_ptr<CDirSpec> made(base.CreateSubfolder("Sample Mod"));
    EXPECT_EQ(std::string(made->GetPath()), folder / "Sample Mod/");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Sample Mod"));
    const std::string tooLong(256, 'x');
    for (const std::string& name : {std::string("Sample Mod"), std::string("no/such/parent"), std::string(), tooLong})
        EXPECT_THROW(std::unique_ptr<CDirSpec>(base.CreateSubfolder(name.c_str())), XBase) << name;
}
