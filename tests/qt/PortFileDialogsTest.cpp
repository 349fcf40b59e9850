#include "platform/WindowPort.h"
#include "tests/files/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>

using namespace WindowPort;

namespace {

// Answers every file dialog with `reply`, keeping what the dialog showed.
class AnsweredDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        SetFileDialogAnswerer([this](const SFileDialogView& view) {
            mShown = view;
            ++mAsked;
            return mReply;
        });
    }
    void TearDown() override { SetFileDialogAnswerer(nullptr); }

    static SFileDialogRequest ModSaveRequest(const std::string& proposedName)
    {
        SFileDialogRequest request;
        request.kind = EFileDialogKind::kSave;
        request.title = "Save mod as:";
        request.proposedName = proposedName;
        request.filters = {{"Tandrel Mod (*.tdm)", "*.tdm"}};
        request.defaultSuffix = "tdm";
        request.confirmOverwrite = true;
        return request;
    }

    SFileDialogReply mReply;
    SFileDialogView mShown;
    int mAsked = 0;
    TempFolder mFolder;
};

} // namespace

TEST_F(AnsweredDialogs, SaveDialogShowsThePromptNameAndFilter)
{
    mReply = {true, mFolder / "Drums", 0};
    const SFileDialogAnswer answer = RunFileDialog(ModSaveRequest("Sample Mod.tdm"));
    ASSERT_EQ(mAsked, 1);
    EXPECT_EQ(mShown.kind, EFileDialogKind::kSave);
    EXPECT_EQ(mShown.title, "Save mod as:");
    EXPECT_EQ(mShown.nameField, "Sample Mod.tdm");
    EXPECT_EQ(mShown.directory, QDir::currentPath().toStdString());
    EXPECT_EQ(mShown.filters, std::vector<std::string>{"Tandrel Mod (*.tdm)"});
    EXPECT_EQ(mShown.selectedFilter, 0);
    EXPECT_EQ(mShown.defaultSuffix, "tdm");
    EXPECT_TRUE(mShown.confirmOverwrite);
    EXPECT_FALSE(mShown.fileMustExist);

    // A name typed without an extension gets the default one from the dialog.
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.path, mFolder / "Drums.tdm");

    mReply = {true, mFolder / "Drums.txt", 0};
    EXPECT_EQ(RunFileDialog(ModSaveRequest("x")).path, mFolder / "Drums.txt");
}

TEST_F(AnsweredDialogs, AProposedNameWithoutExtensionIsShownAsGiven)
{
    SFileDialogRequest request = ModSaveRequest("Sample");
    SetFileDialogAnswerer([this](const SFileDialogView& view) {
        mShown = view;
        return SFileDialogReply{true, view.nameField, 0}; // confirmed unchanged
    });
    const SFileDialogAnswer answer = RunFileDialog(request);
    EXPECT_EQ(mShown.nameField, "Sample");
    EXPECT_EQ(answer.path, QDir::current().absoluteFilePath("Sample.tdm").toStdString());
}

TEST_F(AnsweredDialogs, CancelAnswersNothing)
{
    mReply = {false, mFolder / "Drums", 0};
    const SFileDialogAnswer answer = RunFileDialog(ModSaveRequest("Sample.tdm"));
    EXPECT_EQ(mAsked, 1);
    EXPECT_FALSE(answer.accepted);
    EXPECT_EQ(answer.path, "");
}

TEST_F(AnsweredDialogs, OpenDialogWithSeveralTypes)
{
    mFolder.WriteFile("Kick.wav", "RIFF");
    SFileDialogRequest request;
    request.kind = EFileDialogKind::kOpen;
    request.title = "Open a sample:";
    request.filters = {{"All files (*.AIF;*.WAV)", "*.AIF;*.WAV"}, {"Audio IFF (*.AIF)", "*.AIF"},
                       {"Wave File (*.WAV)", "*.WAV"}};
    request.fileMustExist = true;
    mReply = {true, mFolder / "Kick.wav", 2};
    const SFileDialogAnswer answer = RunFileDialog(request);
    EXPECT_EQ(mShown.kind, EFileDialogKind::kOpen);
    EXPECT_EQ(mShown.filters, (std::vector<std::string>{"All files (*.AIF *.WAV)", "Audio IFF (*.AIF)",
                                                        "Wave File (*.WAV)"}));
    EXPECT_TRUE(mShown.fileMustExist);
    EXPECT_EQ(mShown.nameField, "");
    EXPECT_EQ(answer.path, mFolder / "Kick.wav");
    EXPECT_EQ(answer.selectedFilter, 2);
}
