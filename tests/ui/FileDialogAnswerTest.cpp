#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "media/XBase.h"
#include "tests/files/TempFolder.h"
#include "ui/FileDialogAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const CFileTypeDescriptor kModType("Tandrel Mod", ".tdm", "TDM ");
const CFileTypeDescriptor kAIFFType("Audio IFF", ".AIF", "AIFF");
const CFileTypeDescriptor kWaveType("Wave File", ".WAV", "WAVE");

} // namespace

TEST(FileDialogAnswer, FilterLinesPerTypeAndAllFilesWhenAsked)
{
    CFileTypeList one;
    one.Add(kModType);
    one.SetOfferAllTypes(); // a single type never gets the all-files line
    EXPECT_EQ(FileDialogAnswer::MakeFilters(one),
              (std::vector<WindowPort::SFileFilter>{{"Tandrel Mod (*.tdm)", "*.tdm"}}));

    CFileTypeList two;
    two.Add(kAIFFType);
    two.Add(kWaveType);
    two.SetOfferAllTypes();
    EXPECT_EQ(FileDialogAnswer::MakeFilters(two), (std::vector<WindowPort::SFileFilter>{
                                                       {"All files (*.AIF;*.WAV)", "*.AIF;*.WAV"},
                                                       {"Audio IFF (*.AIF)", "*.AIF"},
                                                       {"Wave File (*.WAV)", "*.WAV"}}));

    EXPECT_TRUE(FileDialogAnswer::MakeFilters(CFileTypeList()).empty());
}

TEST(FileDialogAnswer, SaveAnswerSplitsAndTakesTheTypesExtension)
{
    const struct {
        const char* answer;
        const char* name;
        const char* extension;
    } cases[] = {
        {"/home/user/Mods/Drums.txt", "Drums", ".tdm"},
        {"/home/user/Mods/Drums", "Drums", ".tdm"},
        {"/home/user/Mods/Drums.tdm", "Drums", ".tdm"},
        {"/home/user/Mods/archive.tar.gz", "archive.tar", ".tdm"},
        {"/home/user/Mods/.hidden", "", ".tdm"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CFileSpec> file = FileDialogAnswer::Split(c.answer);
        FileDialogAnswer::ApplyExtension(*file, kModType);
        EXPECT_STREQ(file->GetDirectory(), "/home/user/Mods/") << c.answer;
        EXPECT_STREQ(file->GetName(), c.name) << c.answer;
        EXPECT_STREQ(file->GetExtension(), c.extension) << c.answer;
    }
    std::unique_ptr<CFileSpec> plain = FileDialogAnswer::Split("/home/user/Mods/README");
    EXPECT_STREQ(plain->GetExtension(), ""); // the open dialog keeps the name as chosen
}

TEST(FileDialogAnswer, AnswersThatNameNoFileOfOursAreRefused)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string folderPath = folder.Path().substr(0, folder.Path().size() - 1);
    const std::string longName = "/" + std::string(256, 'd') + ".tdm"; // over the system's 255 for a name
    std::string longPath;
    while (longPath.size() <= 4095)
        longPath += "/" + std::string(200, 'p');
    for (const std::string& answer : {std::string(), folder.Path(), folderPath, longName, longPath + "/x.tdm"})
        EXPECT_THROW(FileDialogAnswer::Split(answer), XBase) << answer;

    // A name that just fits grows too long with the type's extension.
    std::unique_ptr<CFileSpec> file = FileDialogAnswer::Split("/" + std::string(253, 'n') + ".a");
    EXPECT_THROW(FileDialogAnswer::ApplyExtension(*file, kModType), XBase);
    EXPECT_STREQ(file->GetExtension(), ".a"); // left as it was
}
