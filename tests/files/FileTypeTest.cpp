#include "files/DialogFilter.h"
#include "files/FileSpec.h"
#include "files/FileType.h"
#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Made before any code runs, as the layers above make their global descriptors.
constinit const CFileTypeDescriptor kAudio("Audio IFF", ".AIF", "AIFF");
constinit const CFileTypeDescriptor kWave("Wave File", ".WAV", "WAVE");
constinit const CFileTypeDescriptor kMod("Tandrel Mod", ".tdm", "TDM ");
constinit const CFileCreator kCreator("Tdrl");

} // namespace

TEST(FileTypeTest, TypesCompareIgnoringCase)
{
    const CUnknownFileType jpg(".jpg");
    EXPECT_TRUE(jpg.Equals(".JPG"));
    EXPECT_TRUE(jpg.Equals(CUnknownFileType(".Jpg")));
    EXPECT_FALSE(jpg.Equals(".jpeg"));
    EXPECT_FALSE(jpg.Equals(".jp"));
    EXPECT_FALSE(jpg.Equals(""));
    EXPECT_TRUE(CUnknownFileType().Equals(""));
    // Only ASCII letters fold: the bytes of "é" and "É" differ.
    EXPECT_FALSE(CUnknownFileType(".\xC3\xA9").Equals(".\xC3\x89"));

    CUnknownFileType type;
    EXPECT_STREQ(type.GetText(), "");
    type.SetText(".aif");
    EXPECT_STREQ(type.GetText(), ".aif");
    const CUnknownFileType copy(type);
    EXPECT_STREQ(copy.GetText(), ".aif");

    // Refused rather than cut.
    EXPECT_THROW(type.SetText(std::string(261, 'x')), XBase);
    EXPECT_STREQ(type.GetText(), ".aif");

    EXPECT_STREQ(kCreator.GetText(), "Tdrl");
    EXPECT_TRUE(kCreator.Equals("TDRL"));
}

TEST(FileTypeTest, DescriptorEqualityIsExactMatchingIsNot)
{
    EXPECT_STREQ(kMod.GetDescription(), "Tandrel Mod");
    EXPECT_STREQ(kMod.GetExtension(), ".tdm");
    EXPECT_STREQ(kMod.GetTypeCode(), "TDM ");
    EXPECT_STREQ(kMod.GetFileType().GetText(), ".tdm");

    const CFileTypeDescriptor lowerAudio("Audio IFF", ".aif", "AIFF");
    EXPECT_TRUE(kAudio == CFileTypeDescriptor("Audio IFF", ".AIF", "AIFF"));
    EXPECT_FALSE(kAudio == lowerAudio);
    EXPECT_FALSE(kAudio == CFileTypeDescriptor("Audio IFF", ".AIF", "AIFC"));
    EXPECT_FALSE(kAudio == CFileTypeDescriptor("Audio iff", ".AIF", "AIFF"));

    for (const CFileTypeDescriptor* descriptor : {&kAudio, &lowerAudio}) {
        EXPECT_TRUE(descriptor->Matches(CFileSpec("/m/Kick.aif")));
        EXPECT_TRUE(descriptor->Matches(CFileSpec("/m/KICK.AIF")));
        EXPECT_FALSE(descriptor->Matches(CFileSpec("/m/Kick.aiff")));
        EXPECT_FALSE(descriptor->Matches(CFileSpec("/m/Kick")));
    }

    // No extension: an empty type, matched only by a descriptor without one.
    const CFileTypeDescriptor none("Anything", "", "????");
    EXPECT_TRUE(none.Matches(CFileSpec("/m/README")));
    EXPECT_FALSE(none.Matches(CFileSpec("/m/README.txt")));
    EXPECT_FALSE(kAudio.Matches(CFileSpec("/m/README")));

    EXPECT_TRUE(CFileTypeDescriptor() == CFileTypeDescriptor("", "", ""));
    EXPECT_THROW(CFileTypeDescriptor(std::string(65, 'd'), ".x", "X"), XBase);
    EXPECT_NO_THROW(CFileTypeDescriptor(std::string(64, 'd'), ".x", "X"));
    EXPECT_THROW(CFileTypeDescriptor("d", ".x", "TOOLONG"), XBase);
}

TEST(FileTypeTest, ListKeepsOrderAndFindsTheFirst)
{
    CFileTypeList list;
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_FALSE(list.GetOfferAllTypes());
    EXPECT_EQ(list.FindByExtension(".aif"), nullptr);

    list.Add(kWave);
    list.Add(CFileTypeDescriptor("First AIFF", ".aif", "AIFF"));
    list.Add(kAudio);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_STREQ(list.GetDescription(0), "Wave File");
    EXPECT_STREQ(list.GetExtension(2), ".AIF");
    EXPECT_TRUE(list.Get(2) == kAudio);
    EXPECT_THROW(list.Get(3), XBase);

    std::unique_ptr<CFileTypeDescriptor> found(list.FindByExtension(".AIF"));
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->GetDescription(), "First AIFF");
    // A copy: the list's own record is unaffected by what the caller does with it.
    EXPECT_NE(found.get(), &list.Get(1));

    found.reset(list.FindByExtension(".wav"));
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(*found == kWave);
    EXPECT_EQ(list.FindByExtension(".tdm"), nullptr);
    EXPECT_EQ(list.FindByExtension(nullptr), nullptr);
}

TEST(FileTypeTest, DialogFilterWithOneDescriptorHasNoAllFilesEntry)
{
    CFileTypeList list;
    list.Add(kMod);
    list.SetOfferAllTypes();
    EXPECT_EQ(MakeDialogFilter(list), std::string("Tandrel Mod (*.tdm)\0*.tdm\0", 26));
}

TEST(FileTypeTest, DialogFilterWithSeveralDescriptors)
{
    CFileTypeList list;
    list.Add(kAudio);
    list.Add(kWave);
    const std::string plain = MakeDialogFilter(list);
    EXPECT_EQ(plain, std::string("Audio IFF (*.AIF)\0*.AIF\0Wave File (*.WAV)\0*.WAV\0", 48));

    list.SetOfferAllTypes();
    const std::string all = MakeDialogFilter(list);
    EXPECT_EQ(all, std::string("All files (*.AIF;*.WAV)\0*.AIF;*.WAV\0", 36) + plain);

    EXPECT_EQ(MakeDialogFilter(CFileTypeList()), "");
}
