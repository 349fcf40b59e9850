// The command line, dropped files and the help file.
#include "media/XBase.h"
#include "tests/files/TempFolder.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/FrameworkAlert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gAlerts;

int32_t RecordAlert(uint32_t alertId, const char* parameter)
{
    gAlerts.push_back(std::to_string(alertId) + " " + parameter);
    return 33;
}

class ApplicationPaths : public testing::Test {
protected:
    void SetUp() override
    {
        gAlerts.clear();
        SetFrameworkAlertFunction(RecordAlert);
        std::filesystem::create_directory(mFolder / "Mod");
        std::filesystem::create_directory(mFolder / "Mod folder");
        mFolder.WriteFile("kick.aif", "FORM");
    }
    void TearDown() override { SetFrameworkAlertFunction(nullptr); }

    std::vector<std::string> Read(const std::string& commandLine)
    {
        CTestApplication application;
        application.ReadCommandLine(commandLine);
        return application.opened;
    }

    TempFolder mFolder;
};

TEST_F(ApplicationPaths, AFolderWithABlankInItsNameOpensWhole)
{
    EXPECT_EQ(Read(mFolder / "Mod folder"), (std::vector<std::string>{"folder:" + (mFolder / "Mod folder/")}));
    EXPECT_TRUE(gAlerts.empty());
}

TEST_F(ApplicationPaths, TwoPathsOpenInOrder)
{
    EXPECT_EQ(Read((mFolder / "Mod") + " " + (mFolder / "kick.aif")),
              (std::vector<std::string>{"folder:" + (mFolder / "Mod/"), "file:" + (mFolder / "kick.aif") + " .aif 0"}));
    EXPECT_TRUE(gAlerts.empty());
}

TEST_F(ApplicationPaths, ARestThatNamesNothingIsReportedShortenedPastSixtyThreeCharacters)
{
    const std::string rest70 = "/no such folder/" + std::string(50, 'x') + "/end";
    ASSERT_EQ(rest70.size(), 70u);
    EXPECT_EQ(Read((mFolder / "Mod") + " " + rest70), (std::vector<std::string>{"folder:" + (mFolder / "Mod/")}));
    const std::string rest63(63, 'y');
    EXPECT_TRUE(Read(rest63).empty());
    EXPECT_EQ(gAlerts, (std::vector<std::string>{"501000002 ..." + rest70.substr(9), "501000002 " + rest63}));
    EXPECT_EQ(gAlerts[0].size(), std::string("501000002 ").size() + 64);
}

TEST_F(ApplicationPaths, AnEmptyCommandLineCallsNothingToOpen)
{
    for (const std::string& commandLine : {std::string(), mFolder / "Mod"}) {
        CTestApplication application(commandLine);
        // Quitting before the loop: the command line is still read, then Run ends.
        application.startUp = [&application] { application.QuitNow(); };
        application.Run();
        EXPECT_EQ(application.nothingToOpenCalls, commandLine.empty() ? 1 : 0) << commandLine;
    }
}

TEST_F(ApplicationPaths, DroppedPathsOpenInOrderAndAnUnnameableOneIsReported)
{
    RunInApplication([this](CTestApplication& application) {
        CDocumentWindow window(2, "drops");
        WindowPort::SMessage drop;
        drop.kind = WindowPort::EMessage::kDropFiles;
        drop.window = window.GetHandle();
        const std::string tooLong = "/" + std::string(300, 'z');
        drop.paths = {mFolder / "kick.aif", tooLong, mFolder / "Mod folder"};
        application.DispatchOne(drop);
        EXPECT_EQ(application.opened, (std::vector<std::string>{"file:" + (mFolder / "kick.aif") + " .aif 0",
                                                                "folder:" + (mFolder / "Mod folder/")}));
        EXPECT_EQ(gAlerts, (std::vector<std::string>{"501000002 ..." + tooLong.substr(tooLong.size() - 61)}));
        EXPECT_FALSE(application.OpenPath(""));
    });
}

TEST(ApplicationStartup, TheArgumentsJoinWithSingleBlanksIntoTheCommandLine)
{
    char program[] = "modstower";
    char first[] = "/tmp/Mod folder";
    char empty[] = "";
    char second[] = "kick.aif";
    char* argv[] = {program, first, empty, second, nullptr};
    const CApplicationStartup startup = MakeApplicationStartup(4, argv);
    EXPECT_EQ(startup.commandLine, "/tmp/Mod folder  kick.aif");
    EXPECT_EQ(startup.programFile.GetFullPath(), std::filesystem::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(MakeApplicationStartup(1, argv).commandLine, "");
}

TEST(ApplicationHelp, TheHelpFileSitsBesideTheProgram)
{
    const struct {
        const char* program;
        const char* help;
    } cases[] = {
        {"/opt/modstower/bin/modstower", "/opt/modstower/bin/modstower.hlp"},
        {"/mnt/c/MODSTOWER.EXE", "/mnt/c/MODSTOWER.HLP"},
        {"/mnt/c/modstower.exe", "/mnt/c/modstower.exe.hlp"},
    };
    for (const auto& c : cases) {
        CApplicationStartup startup;
        startup.programFile = CFileSpec(c.program);
        const CApplication application(startup);
        EXPECT_EQ(application.GetHelpFilePath(), c.help);
    }
    CApplicationStartup unknown;
    EXPECT_THROW(CApplication(unknown).GetHelpFilePath(), XBase);
    CApplicationStartup missing;
    missing.programFile = CFileSpec("/no such folder/modstower");
    EXPECT_THROW(CApplication(missing).ShowHelp(CApplication::EHelpCommand::kContents, 0), XBase);
}

} // namespace
