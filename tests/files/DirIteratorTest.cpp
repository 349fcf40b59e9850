#include "files/DirEntry.h"
#include "files/DirIterator.h"
#include "files/DirSpec.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> ListedNames(CDirIterator& iterator)
{
    std::vector<std::string> names;
    while (CDirEntry* entry = iterator.Next()) {
        names.emplace_back(entry->name);
        delete entry;
    }
    return names;
}

std::unique_ptr<CDirEntry> FindEntry(const std::string& folder, const std::string& name)
{
    CDirIterator iterator{CDirSpec(folder.c_str())};
    while (CDirEntry* entry = iterator.Next()) {
        std::unique_ptr<CDirEntry> owned(entry);
        if (name == entry->name)
            return owned;
    }
    return nullptr;
}

} // namespace

TEST(DirIteratorTest, ListsInFoldedNameOrder)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    for (const char* name : {"b", "A", "a", "_x", ".hidden", "B.txt", "12015.jpg", "Z", "~tilde", "a.b", "aB", "Ab"})
        folder.WriteFile(name, "");
    ASSERT_EQ(mkdir((folder / "Sub").c_str(), 0700), 0);

    CDirIterator iterator{CDirSpec(folder.Path().c_str())};
    // Letters fold to upper case, so "_" (0x5F) sorts after every letter and "~"
    // after it; equal folded names fall back to byte order ("A" before "a").
    const std::vector<std::string> expected = {
        ".", "..", ".hidden", "12015.jpg", "A", "a", "a.b", "Ab", "aB", "b", "B.txt", "Sub", "Z", "_x", "~tilde",
    };
    EXPECT_EQ(ListedNames(iterator), expected);
    EXPECT_EQ(iterator.GetCount(), static_cast<int32_t>(expected.size()));
    // The end stays the end.
    EXPECT_EQ(iterator.Next(), nullptr);
}

TEST(DirIteratorTest, OrderRule)
{
    EXPECT_TRUE(CDirIterator::ComesBefore("A", "a"));
    EXPECT_FALSE(CDirIterator::ComesBefore("a", "A"));
    EXPECT_FALSE(CDirIterator::ComesBefore("a", "a"));
    EXPECT_TRUE(CDirIterator::ComesBefore("b", "B.txt"));
    EXPECT_TRUE(CDirIterator::ComesBefore("Z", "_"));
    EXPECT_TRUE(CDirIterator::ComesBefore("z", "_"));
    // Bytes above 127 compare unsigned, after all ASCII.
    EXPECT_TRUE(CDirIterator::ComesBefore("~", "\xC3\xA9"));
}

TEST(DirIteratorTest, EntriesCarryFlagsSizeAndType)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.WriteFile("Kick.AIF", "0123456789");
    folder.WriteFile(".config", "xy");
    ASSERT_EQ(mkdir((folder / "Samples.d").c_str(), 0700), 0);
    ASSERT_EQ(symlink((folder / "Samples.d").c_str(), (folder / "link-to-folder").c_str()), 0);
    ASSERT_EQ(symlink((folder / "Kick.AIF").c_str(), (folder / "link-to-file").c_str()), 0);
    ASSERT_EQ(symlink((folder / "gone").c_str(), (folder / "dangling").c_str()), 0);

    auto kick = FindEntry(folder.Path(), "Kick.AIF");
    ASSERT_NE(kick, nullptr);
    EXPECT_EQ(kick->size, 10u);
    EXPECT_FALSE(kick->directory);
    EXPECT_FALSE(kick->hidden);
    EXPECT_STREQ(kick->type.GetText(), ".AIF");
    EXPECT_GT(kick->modified, 116444736000000000ull);

    auto config = FindEntry(folder.Path(), ".config");
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(config->hidden);
    EXPECT_EQ(config->size, 2u);

    auto sub = FindEntry(folder.Path(), "Samples.d");
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->directory);
    EXPECT_EQ(sub->size, 0u);
    EXPECT_STREQ(sub->type.GetText(), ".d");

    auto linkedFolder = FindEntry(folder.Path(), "link-to-folder");
    ASSERT_NE(linkedFolder, nullptr);
    EXPECT_TRUE(linkedFolder->directory);

    auto linkedFile = FindEntry(folder.Path(), "link-to-file");
    ASSERT_NE(linkedFile, nullptr);
    EXPECT_FALSE(linkedFile->directory);
    EXPECT_EQ(linkedFile->size, 10u);

    auto dangling = FindEntry(folder.Path(), "dangling");
    ASSERT_NE(dangling, nullptr);
    EXPECT_FALSE(dangling->directory);
    EXPECT_EQ(dangling->size, 0u);

    auto dot = FindEntry(folder.Path(), ".");
    ASSERT_NE(dot, nullptr);
    EXPECT_TRUE(dot->directory);
    EXPECT_TRUE(dot->hidden);
    auto dotdot = FindEntry(folder.Path(), "..");
    ASSERT_NE(dotdot, nullptr);
    EXPECT_TRUE(dotdot->directory);
}

TEST(DirIteratorTest, MissingFolderAndClose)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CDirIterator missing{CDirSpec((folder / "missing").c_str())};
    EXPECT_EQ(missing.Next(), nullptr);
    EXPECT_EQ(missing.GetCount(), 0);

    folder.WriteFile("one", "");
    CDirIterator closed{CDirSpec(folder.Path().c_str())};
    std::unique_ptr<CDirEntry> first(closed.Next());
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->name, ".");
    closed.Close();
    EXPECT_EQ(closed.Next(), nullptr);
    EXPECT_EQ(closed.GetCount(), 1);
}

TEST(DirIteratorTest, FileRemovedAfterListingIsPassedOver)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.WriteFile("a", "");
    folder.WriteFile("b", "");
    CDirIterator iterator{CDirSpec(folder.Path().c_str())};
    std::unique_ptr<CDirEntry> dot(iterator.Next());
    ASSERT_NE(dot, nullptr);
    ASSERT_EQ(unlink((folder / "a").c_str()), 0);
    std::vector<std::string> rest = ListedNames(iterator);
    EXPECT_EQ(rest, (std::vector<std::string>{"..", "b"}));
}
