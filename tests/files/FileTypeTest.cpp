// File types, descriptors and lists, the dialog filter, and the whole-file helpers.
#include "files/DialogFilter.h"
#include "files/FileSpec.h"
#include "files/FileType.h"
#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "files/WholeFile.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Made before any code runs, as the layers above make their global descriptors.
constinit const CFileTypeDescriptor kAudio("Audio IFF", ".AIF", "AIFF");
constinit const CFileTypeDescriptor kWave("Wave File", ".WAV", "WAVE");

} // namespace

TEST(FileTypeTest, TypesIgnoreCaseDescriptorsCompareExactly)
{
    const CUnknownFileType jpg(".jpg");
    EXPECT_TRUE(jpg.Equals(CUnknownFileType(".JpG")));
    for (const char* other : {".jpeg", ".jp", ""})
        EXPECT_FALSE(jpg.Equals(other)) << other;

    const CFileTypeDescriptor lowerAudio("Audio IFF", ".aif", "AIFF");
    EXPECT_TRUE(kAudio == CFileTypeDescriptor("Audio IFF", ".AIF", "AIFF"));
    EXPECT_FALSE(kAudio == lowerAudio);
    EXPECT_FALSE(kAudio == CFileTypeDescriptor("Audio iff", ".AIF", "AIFF"));
    for (const CFileTypeDescriptor* descriptor : {&kAudio, &lowerAudio}) {
        EXPECT_TRUE(descriptor->Matches(CFileSpec("/m/Kick.aif")));
        EXPECT_TRUE(descriptor->Matches(CFileSpec("/m/KICK.AIF")));
        EXPECT_FALSE(descriptor->Matches(CFileSpec("/m/Kick.aiff")));
        EXPECT_FALSE(descriptor->Matches(CFileSpec("/m/Kick")));
    }
    // No extension: an empty type, matched only by a descriptor without one.
    EXPECT_TRUE(CFileTypeDescriptor("Anything", "", "????").Matches(CFileSpec("/m/README")));

    // Texts too long for their fields are refused rather than cut.
    CUnknownFileType type(".aif");
    EXPECT_THROW(type.SetText(std::string(256, 'x')), XBase); // no name is longer than 255
    EXPECT_STREQ(type.GetText(), ".aif");
    EXPECT_THROW(CFileTypeDescriptor(std::string(65, 'd'), ".x", "X"), XBase);
    EXPECT_THROW(CFileTypeDescriptor("d", ".x", "TOOLONG"), XBase);
}

TEST(FileTypeTest, ListFindsTheFirstAndMakesTheDialogFilter)
{
    CFileTypeList one;
    one.Add(kAudio);
    one.SetOfferAllTypes();
    // One descriptor: no "All files" entry even when asked for.
    EXPECT_EQ(MakeDialogFilter(one), std::string("Audio IFF (*.AIF)\0*.AIF\0", 24));

    CFileTypeList list;
    list.Add(kAudio);
    list.Add(kWave);
    list.Add(CFileTypeDescriptor("Second AIFF", ".aif", "AIFF"));
    EXPECT_THROW(list.Get(3), XBase);
    const std::unique_ptr<CFileTypeDescriptor> found(list.FindByExtension(".aif"));
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(*found == kAudio);
    EXPECT_EQ(list.FindByExtension(".tdm"), nullptr);
    EXPECT_EQ(list.FindByExtension(nullptr), nullptr);

    const std::string plain = MakeDialogFilter(list);
    EXPECT_EQ(plain, std::string("Audio IFF (*.AIF)\0*.AIF\0Wave File (*.WAV)\0*.WAV\0"
                                 "Second AIFF (*.aif)\0*.aif\0",
                                 74));
    list.SetOfferAllTypes();
    EXPECT_EQ(MakeDialogFilter(list), std::string("All files (*.AIF;*.WAV;*.aif)\0*.AIF;*.WAV;*.aif\0", 48) + plain);
    EXPECT_EQ(MakeDialogFilter(CFileTypeList()), "");
}

TEST(WholeFileTest, WritesReplacesAndDeletesOnlyItsOwnFailedFile)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const CFileSpec spec((folder / "out.txt").c_str());
    WriteWholeFile(spec, "TEXT", "Tdrl", "hello world", 11);
    WriteWholeFile(spec, "TEXT", "Tdrl", "hi", 2); // replaces the old contents whole
    const std::unique_ptr<CMemoryMedia> loaded(LoadFileIntoMemory(spec));
    EXPECT_EQ(loaded->GetPosition(), 0);
    ASSERT_EQ(loaded->GetSize(), 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded->GetBuffer()), 2), "hi");
    char bytes[3] = {};
    EXPECT_THROW(ReadWholeFile(spec, bytes, 3), XRead);

    EXPECT_THROW(WriteWholeFile(spec, "TEXT", "Tdrl", "data", -1), XWrite);
    EXPECT_FALSE(spec.Exists());
    // A link into a missing folder cannot be created through: what is at that path
    // was not ours and stays.
    ASSERT_EQ(symlink((folder / "missing/target").c_str(), (folder / "theirs").c_str()), 0);
    EXPECT_THROW(WriteWholeFile(CFileSpec((folder / "theirs").c_str()), "TEXT", "Tdrl", "x", 1), XCreateFailed);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "theirs"));
}
