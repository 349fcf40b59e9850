#include "app/CommandLine.h"
#include "app/ModInfo.h"
#include "app/ModWriter.h"
#include "media/OpenFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        mFolder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    int Run(const std::vector<std::string>& arguments)
    {
        mOut.str("");
        mErr.str("");
        CCommandLine commandLine(mOut, mErr);
        return commandLine.Run(arguments);
    }

    std::string WriteFile(const std::string& name, const std::string& bytes)
    {
        const std::string path = mFolder + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string mFolder;
    std::ostringstream mOut;
    std::ostringstream mErr;
};

} // namespace

TEST_F(CommandLineTest, DumpsAModFile)
{
    const std::string path = mFolder + "/a.tdm";
    {
        COpenFile file(path.c_str(), "TDM ", "Tdrl");
        CModWriter writer(file);
        writer.AddComponent("Demo.tds", "song", 4);
        CModInfo info;
        writer.Finish(info);
    }
    EXPECT_EQ(Run({"dump", path}), 0);
    EXPECT_EQ(mOut.str(),
              "Dumping contents of 'CAT ' chunk (WTDM)\n"
              "    Simple chunk, type: HEAD, size: 256\n"
              "    Simple chunk, type: EMBF, size: 13\n"
              "    Simple chunk, type: INFO, size: 1280\n");
    EXPECT_EQ(mErr.str(), "");
}

TEST_F(CommandLineTest, BrokenFilesGiveOneErrorLine)
{
    const std::string text = WriteFile("notes.txt", "hello, this is no chunk tree at all");
    EXPECT_EQ(Run({"dump", text}), 1);
    EXPECT_EQ(mOut.str(), "");
    EXPECT_EQ(mErr.str(), "modstower-cli: " + text + ": not a readable chunk tree\n");

    const std::string empty = WriteFile("empty.tdm", "");
    EXPECT_EQ(Run({"dump", empty}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + empty + ": not a readable chunk tree\n");

    // A group that claims more than the file holds prints nothing of its start.
    const std::string cut = WriteFile("cut.tdm", std::string("CAT \0\0\0\x40WTDMHEAD\0\0\0\x02" "ab", 22));
    EXPECT_EQ(Run({"dump", cut}), 1);
    EXPECT_EQ(mOut.str(), "");

    EXPECT_EQ(Run({"dump", mFolder + "/missing.tdm"}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/missing.tdm: cannot be opened or created\n");
}

TEST_F(CommandLineTest, UsageErrorsAndInformation)
{
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(mErr.str().find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_EQ(Run({"dump"}), 2);
    EXPECT_EQ(Run({"dump", "a", "b"}), 2);
    EXPECT_EQ(mOut.str(), "");

    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(mOut.str(), "modstower-cli 1.0\n");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(mOut.str().rfind("Usage: modstower-cli COMMAND", 0), 0u);
    EXPECT_EQ(mErr.str(), "");
}
