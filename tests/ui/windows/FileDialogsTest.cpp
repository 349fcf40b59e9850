// The framework's file dialogs answered through the port's answerer.
#include "files/FileTypeDescriptor.h"
#include "files/FileTypeList.h"
#include "platform/WindowPort.h"
#include "tests/files/TempFolder.h"
#include "ui/FileDialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const CFileTypeDescriptor kModType("Tandrel Mod", ".tdm", "TDM ");
const CFileTypeDescriptor kAIFFType("Audio IFF", ".AIF", "AIFF");
const CFileTypeDescriptor kWaveType("Wave File", ".WAV", "WAVE");

class FileDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        mFolder.WriteFile("Kick.aif", "FORM");
        WindowPort::SetFileDialogAnswerer([this](const WindowPort::SFileDialogView& view) {
            mShown = view;
            return mReply;
        });
    }
    void TearDown() override { WindowPort::SetFileDialogAnswerer(nullptr); }

    TempFolder mFolder;
    WindowPort::SFileDialogReply mReply;
    WindowPort::SFileDialogView mShown;
};

} // namespace

TEST_F(FileDialogs, ModSaveDialogSplitsTheAnswerAndKeepsTheModExtension)
{
    std::unique_ptr<CFileSpec> file;
    mReply = {true, mFolder / "Drums.txt", 0};
    ASSERT_TRUE(AskSaveFileOfType("Save mod as:", "Sample Mod.tdm", kModType, file));
    // The prompt is the title; the port's own tests check the rest of what shows.
    EXPECT_EQ(mShown.title, "Save mod as:");
    EXPECT_EQ(mShown.defaultSuffix, "tdm");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::string(file->GetDirectory()), mFolder.Path());
    EXPECT_STREQ(file->GetName(), "Drums");
    EXPECT_STREQ(file->GetExtension(), ".tdm");

    // A name typed bare gets the default extension from the dialog.
    mReply = {true, mFolder / "Drums", 0};
    ASSERT_TRUE(AskSaveFileOfType("Save mod as:", "Sample Mod", kModType, file));
    EXPECT_EQ(file->GetFullPath(), mFolder / "Drums.tdm");
}

TEST_F(FileDialogs, CancelLeavesNothing)
{
    std::unique_ptr<CFileSpec> file = std::make_unique<CFileSpec>("/tmp/old.tdm");
    mReply = {false, "", 0};
    EXPECT_FALSE(AskSaveFileOfType("Save mod as:", "Sample.tdm", kModType, file));
    EXPECT_EQ(file, nullptr);
    CUnknownFileType type(".AIF");
    CFileTypeList types;
    types.Add(kAIFFType);
    EXPECT_FALSE(AskOpenFile("Open:", types, type, file));
    EXPECT_STREQ(type.GetText(), "");
}

TEST_F(FileDialogs, SaveWithTypesPreselectsAndOpenTellsTheType)
{
    CFileTypeList types;
    types.Add(kAIFFType);
    types.Add(kWaveType);
    types.SetOfferAllTypes();
    std::unique_ptr<CFileSpec> file;
    CUnknownFileType type;
    mReply = {true, mFolder / "Snare.wav", 2};
    ASSERT_TRUE(AskSaveFile("Save sample as:", "Snare", types, kWaveType, file, type));
    EXPECT_EQ(mShown.selectedFilter, 2); // after the all-types line
    EXPECT_STREQ(type.GetText(), ".wav");

    mReply = {true, mFolder / "Kick.aif", 0};
    ASSERT_TRUE(AskOpenFile("Open a sample:", types, type, file));
    EXPECT_TRUE(kAIFFType.GetFileType().Equals(type));
    EXPECT_EQ(file->GetFullPath(), mFolder / "Kick.aif");
}
