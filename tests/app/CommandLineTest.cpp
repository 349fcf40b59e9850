#include "app/CommandLine.h"
#include "app/ModInfo.h"
#include "app/ModWriter.h"
#include "media/OpenFile.h"
#include "tests/app/ChildRun.h"
#include "tests/app/PackTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A mod of these files, by name and bytes, named "Names".
void WriteMod(const std::string& path, const std::vector<std::pair<std::string, std::string>>& files)
{
    COpenFile file(path.c_str(), "TDM ", "Tdrl");
    CModWriter writer(file);
    for (const auto& [name, bytes] : files)
        writer.AddComponent(name.c_str(), bytes.data(), int32_t(bytes.size()));
    CModInfo info;
    std::strcpy(info.GetModName(), "Names");
    writer.Finish(info);
}

void WriteModWithNames(const std::string& path, const std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : names)
        files.emplace_back(name, "data");
    WriteMod(path, files);
}

} // namespace

TEST_F(CommandLineTest, DumpsAModFile)
{
    const std::string path = mFolder + "/a.tdm";
    WriteMod(path, {{"Demo.tds", "song"}});
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
    EXPECT_EQ(Run({"unpack", "a.tdm", "out", "extra"}), 2);
    EXPECT_EQ(mErr.str(), "modstower-cli: unpack needs FILE.tdm and DIR\n"
                          "Try 'modstower-cli --help' for more information.\n");
    EXPECT_EQ(mOut.str(), "");

    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(mOut.str(), "modstower-cli 1.0\n");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(mOut.str().rfind("Usage: modstower-cli COMMAND", 0), 0u);
    EXPECT_EQ(mErr.str(), "");
}

namespace {

// The folder "Drums" of components inside the test's folder.
std::string MakeDrums(const std::string& parent, bool withName = true)
{
    const std::string folder = parent + "/Drums";
    std::filesystem::create_directory(folder);
    if (withName)
        std::ofstream(folder + "/ModName.txt") << "Drum Kit\r\n";
    std::ofstream(folder + "/Demo.tds") << "song";
    return folder;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Both ends of a named pipe held open, so that a run that wrongly opens the pipe
// fails its test rather than waiting forever for the other end.
class CHeldOpen {
public:
    explicit CHeldOpen(const std::string& pipe) : mHandle(open(pipe.c_str(), O_RDWR | O_NONBLOCK)) {}
    ~CHeldOpen() { close(mHandle); }
    CHeldOpen(const CHeldOpen&) = delete;
    CHeldOpen& operator=(const CHeldOpen&) = delete;

private:
    int mHandle;
};

// Runs in a given current folder and comes back.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const std::string& folder) : mSaved(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CCurrentFolder() { std::filesystem::current_path(mSaved); }

private:
    std::filesystem::path mSaved;
};

} // namespace

TEST_F(CommandLineTest, PackLogsEveryLineAndNamesTheTargetAfterTheFolder)
{
    MakeDrums(mFolder);
    {
        CCurrentFolder here(mFolder);
        EXPECT_EQ(Run({"pack", "Drums"}), 0);
    }
    EXPECT_EQ(mOut.str(), Lines({"Source: Drums", "Adding: Demo.tds...", "Total file count: 1", "Mod name: Drum Kit",
                                 "Comment length: 0 characters", "WWW: ", "FTP: ", "Size of Drums.tdm: 1586 bytes",
                                 "Done... close window to exit application", ""}));
    EXPECT_EQ(mErr.str(), "");
    EXPECT_EQ(std::filesystem::file_size(mFolder + "/Drums.tdm"), 1586u);

    // "." names the current folder.
    {
        CCurrentFolder here(mFolder + "/Drums");
        EXPECT_EQ(Run({"pack", ".", "-o", "../kit"}), 0);
    }
    EXPECT_EQ(mOut.str().substr(0, 14), "Source: Drums\n");
    EXPECT_NE(mOut.str().find("Size of kit.tdm: 1586 bytes"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(mFolder + "/kit.tdm"));
}

TEST_F(CommandLineTest, OutputFileRules)
{
    const std::string folder = MakeDrums(mFolder);
    std::filesystem::create_directory(mFolder + "/out");
    struct SCase {
        std::vector<std::string> arguments;
        int status;
        std::string written; // in the test's folder; empty for none
    };
    const SCase cases[] = {
        // As given with an extension, with ".tdm" added only without one.
        {{"pack", folder, "-o", "kit.bin"}, 0, "kit.bin"},
        {{"pack", folder, "-o", "kit.TDM"}, 0, "kit.TDM"},
        {{"pack", folder, "-o", "archive.v2/kit"}, 0, "archive.v2/kit.tdm"},
        {{"pack", folder, "-o", ".kit"}, 0, ".kit.tdm"},
        // No name, or a folder: usage errors, and nothing is written.
        {{"pack", folder, "-o", ""}, 2, ""},
        {{"pack", folder, "-o", "out"}, 2, ""},
        {{"pack", folder, "-o", "new/"}, 2, ""},
        {{"pack", "/"}, 2, ""},
    };
    std::filesystem::create_directory(mFolder + "/archive.v2");
    CCurrentFolder here(mFolder);
    for (const SCase& test : cases) {
        const std::vector<std::string> before = ListFolder(mFolder);
        EXPECT_EQ(Run(test.arguments), test.status) << test.arguments.back() << mErr.str();
        if (!test.written.empty())
            EXPECT_EQ(std::filesystem::file_size(mFolder + "/" + test.written), 1586u) << test.written;
        else
            EXPECT_EQ(ListFolder(mFolder), before) << test.arguments.back();
    }
    EXPECT_EQ(ListFolder(mFolder + "/out"), std::vector<std::string>{});
}

TEST_F(CommandLineTest, EveryCommandAnswersHelp)
{
    for (const std::string verb : {"pack", "check", "list", "unpack", "dump"}) {
        EXPECT_EQ(Run({verb, "--help"}), 0) << verb;
        EXPECT_EQ(mOut.str().rfind("Usage: modstower-cli " + verb + " ", 0), 0u) << mOut.str();
        EXPECT_NE(mOut.str().find("\nExit status: 0 done"), std::string::npos) << verb;
        EXPECT_EQ(mErr.str(), "");
    }
    // Anywhere among the arguments, and before anything is done.
    EXPECT_EQ(Run({"pack", mFolder + "/missing", "-h"}), 0);
    EXPECT_EQ(mOut.str().rfind("Usage: modstower-cli pack FOLDER [-o FILE]\n", 0), 0u);
    EXPECT_EQ(Run({"frobnicate", "--help"}), 2);
}

TEST_F(CommandLineTest, AbandonedPackSaysWhyOnStandardError)
{
    // One line each, naming the path at fault.
    const std::string folder = MakeDrums(mFolder, false);
    EXPECT_EQ(Run({"pack", folder, "-o", mFolder + "/out.tdm"}), 1);
    EXPECT_EQ(mOut.str(), Lines({"Source: Drums", "Adding: Demo.tds...", "Total file count: 1"}));
    EXPECT_EQ(mErr.str(), "modstower-cli: " + folder + "/ModName.txt: "
                          "Directory must contain a ModName.txt file containing the full name of the mod.\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/out.tdm"));

    EXPECT_EQ(Run({"pack", folder, "-o", mFolder + "/no/such/out.tdm"}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/no/such/out.tdm: cannot be opened or created; run abandoned\n");

    EXPECT_EQ(Run({"pack", mFolder + "/missing"}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/missing: not a folder\n");
    EXPECT_EQ(Run({"pack"}), 2);
    EXPECT_EQ(Run({"pack", folder, "-o"}), 2);
    EXPECT_EQ(Run({"check", folder, "-o", "x.tdm"}), 2);
}

TEST_F(CommandLineTest, FailuresNameThePathAtFault)
{
    const std::string folder = MakeDrums(mFolder);
    // A component of 2 GiB, made sparse: the mod format's sizes end below it.
    std::filesystem::resize_file(folder + "/Demo.tds", 2147483648ull);
    EXPECT_EQ(Run({"pack", folder, "-o", mFolder + "/kit.tdm"}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + folder + "/Demo.tds: over the mod format's 2 GiB limit; run abandoned\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/kit.tdm"));
    std::filesystem::resize_file(folder + "/Demo.tds", 4);

    // Names and paths beyond the system's limits.
    const std::string tooLong = "path too long (over 4095 bytes, or a name in it over 255)\n";
    const std::string longName(256, 'n');
    EXPECT_EQ(Run({"pack", folder, "-o", mFolder + "/" + longName}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/" + longName + ".tdm: " + tooLong);
    EXPECT_EQ(Run({"check", mFolder + "/" + longName}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/" + longName + ": " + tooLong);

    // Far beyond the 260 characters of the framework's paths, a folder packs as any other.
    std::string deep = mFolder;
    for (int i = 0; i < 3; ++i)
        std::filesystem::create_directory(deep += "/" + std::string(200, 'd'));
    const std::string deepDrums = MakeDrums(deep);
    EXPECT_EQ(Run({"pack", deepDrums, "-o", deep + "/kit"}), 0) << mErr.str();
    EXPECT_EQ(std::filesystem::file_size(deep + "/kit.tdm"), 1586u);
}

TEST_F(CommandLineTest, AFolderThatCannotBeListedIsSaidToBeSo)
{
    const std::string folder = MakeDrums(mFolder);
    // Entered, but not read: by root's rights given up, or by the owner's own.
    ASSERT_EQ(chmod(mFolder.c_str(), 0755), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0300), 0);
    CChildRun child([&](CChildRun& self) {
        if (!DropRootRights())
            return CChildRun::kCannotSetUp;
        const int status = Run({"check", folder});
        self.Send(mErr.str());
        return status;
    });
    const int status = child.Finish();
    chmod(folder.c_str(), 0755);
    if (status == CChildRun::kCannotSetUp)
        GTEST_SKIP() << "root here cannot become another user, so every folder can be listed";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(child.GetLines(), (std::vector<std::string>{"modstower-cli: " + folder + "/: cannot be listed; run abandoned", ""}));
}

TEST_F(CommandLineTest, CheckRunsWithoutWriting)
{
    const std::string folder = MakeDrums(mFolder);
    {
        CCurrentFolder here(mFolder);
        EXPECT_EQ(Run({"check", folder}), 0);
    }
    EXPECT_NE(mOut.str().find("Size of Drums.tdm: 1586 bytes"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/Drums.tdm"));
}

TEST_F(CommandLineTest, ListShowsComponentsSlotsAndTexts)
{
    const std::string folder = MakeDrums(mFolder);
    std::ofstream(folder + "/Comments.txt") << "Line one\r\nLine two";
    std::ofstream(folder + "/tr808bd.aif", std::ios::binary).write(
        reinterpret_cast<const char*>(MakeAiffFile({1, 2}, 1, 44100).data()), MakeAiffFile({1, 2}, 1, 44100).size());
    ASSERT_EQ(Run({"pack", folder, "-o", mFolder + "/kit.tdm"}), 0);
    EXPECT_EQ(Run({"list", mFolder + "/kit.tdm"}), 0);
    const std::string listing = mOut.str();
    EXPECT_EQ(listing.substr(0, listing.find("Missing")),
              "Mod name: Drum Kit\n"
              "Version: 1.0.0\n"
              "Comments: Line one\n"
              "    Line two\n"
              "WWW: \n"
              "FTP: \n"
              "Components: 2\n"
              "  Demo.tds                 4 bytes  demo song\n"
              "  tr808bd.aif             58 bytes  sample slot 0 (tr808bd)\n");
    EXPECT_NE(listing.find("Missing: 104\n  skin image 12015.jpg\n"), std::string::npos);
    EXPECT_NE(listing.find("\n  sample slot 1 (tr808sd1)\n"), std::string::npos);
    EXPECT_EQ(listing.find("sample slot 0 (tr808bd)\n  sample slot"), std::string::npos);
}

TEST_F(CommandLineTest, ListRefusesIncompleteMods)
{
    // A pack abandoned by another program leaves its header and no text record.
    {
        COpenFile file((mFolder + "/cut.tdm").c_str(), "TDM ", "Tdrl");
        CModWriter writer(file);
        writer.AddComponent("Demo.tds", "song", 4);
    }
    EXPECT_EQ(Run({"list", mFolder + "/cut.tdm"}), 1);
    EXPECT_EQ(mOut.str(), "");
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/cut.tdm: not a complete mod file (its packing was abandoned)\n");
    const std::string text = WriteFile("text.tdm", "plain text, no mod");
    EXPECT_EQ(Run({"list", text}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + text + ": not a complete mod file\n");
    EXPECT_EQ(Run({"list"}), 2);
}

TEST_F(CommandLineTest, UnpackWritesComponentsAndTexts)
{
    const std::string folder = MakeDrums(mFolder);
    ASSERT_EQ(Run({"pack", folder, "-o", mFolder + "/kit.tdm"}), 0);
    const std::string out = mFolder + "/out";
    EXPECT_EQ(Run({"unpack", mFolder + "/kit.tdm", out}), 0);
    EXPECT_EQ(ReadFileBytes(out + "/Demo.tds"), std::vector<uint8_t>({'s', 'o', 'n', 'g'}));
    const std::vector<uint8_t> name = ReadFileBytes(out + "/ModName.txt");
    EXPECT_EQ(std::string(name.begin(), name.end()), "Drum Kit");
    EXPECT_TRUE(std::filesystem::exists(out + "/www.txt"));

    // Repacking the unpacked folder gives the same mod.
    EXPECT_EQ(Run({"pack", out, "-o", mFolder + "/again.tdm"}), 0);
    EXPECT_EQ(ReadFileBytes(mFolder + "/again.tdm"), ReadFileBytes(mFolder + "/kit.tdm"));

    // Nothing is replaced without --force, and then nothing at all is written.
    std::ofstream(out + "/Demo.tds") << "mine";
    EXPECT_EQ(Run({"unpack", mFolder + "/kit.tdm", out}), 1);
    EXPECT_NE(mErr.str().find(out + "/Demo.tds: exists (use --force to replace it)\n"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(out + "/Demo.tds"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    // --force replaces the name, never writing through it: a second link keeps the old bytes.
    std::filesystem::create_hard_link(out + "/Demo.tds", mFolder + "/second-link");
    EXPECT_EQ(Run({"unpack", "--force", mFolder + "/kit.tdm", out}), 0);
    EXPECT_EQ(ReadFileBytes(out + "/Demo.tds"), std::vector<uint8_t>({'s', 'o', 'n', 'g'}));
    EXPECT_EQ(ReadFileBytes(mFolder + "/second-link"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_EQ(mOut.str(), Lines({"Wrote " + out + "/Demo.tds (4 bytes)", "Wrote " + out + "/ModName.txt (8 bytes)",
                                 "Wrote " + out + "/Comments.txt (0 bytes)", "Wrote " + out + "/www.txt (0 bytes)",
                                 "Wrote " + out + "/ftp.txt (0 bytes)"}));
}

TEST_F(CommandLineTest, UnpackRefusesNamesThatLeaveTheFolder)
{
    const std::string mod = mFolder + "/evil.tdm";
    WriteModWithNames(mod, {"ok.jpg", "../escape", "/etc/passwd", "a\\b", ".", "..", "", "ok.jpg", "bell\a.jpg",
                            "del\x7F.jpg", "\x1B[2J.jpg"});
    EXPECT_EQ(Run({"unpack", mod, mFolder + "/out"}), 1);
    EXPECT_EQ(mErr.str(),
              "modstower-cli: refusing the stored name \"../escape\": not a plain file name\n"
              "modstower-cli: refusing the stored name \"/etc/passwd\": not a plain file name\n"
              "modstower-cli: refusing the stored name \"a\\b\": not a plain file name\n"
              "modstower-cli: refusing the stored name \".\": not a plain file name\n"
              "modstower-cli: refusing the stored name \"..\": not a plain file name\n"
              "modstower-cli: refusing the stored name \"\": not a plain file name\n"
              "modstower-cli: refusing the stored name \"ok.jpg\": it occurs twice\n"
              "modstower-cli: refusing the stored name \"bell\a.jpg\": it holds a control character\n"
              "modstower-cli: refusing the stored name \"del\x7F.jpg\": it holds a control character\n"
              "modstower-cli: refusing the stored name \"\x1B[2J.jpg\": it holds a control character\n"
              "modstower-cli: " + mod + ": nothing unpacked\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/out"));
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/escape"));
}

TEST_F(CommandLineTest, UnpackNeverFollowsOrReplacesWhatIsNoRegularFile)
{
    // Unpacked into the mod's own folder, with --force; one of the names is the mod's.
    const std::string mod = mFolder + "/kit.tdm";
    WriteModWithNames(mod, {"link.jpg", "dangling.jpg", "folder.jpg", "pipe.jpg", "kit.tdm"});
    const std::vector<uint8_t> modBytes = ReadFileBytes(mod);
    std::filesystem::create_directory(mFolder + "/outside");
    const std::string target = WriteFile("outside/target", "keep");
    std::filesystem::create_symlink(target, mFolder + "/link.jpg");
    std::filesystem::create_symlink(mFolder + "/outside/nothing", mFolder + "/dangling.jpg");
    std::filesystem::create_directory(mFolder + "/folder.jpg");
    ASSERT_EQ(mkfifo((mFolder + "/pipe.jpg").c_str(), 0600), 0);
    const CHeldOpen pipeEnds(mFolder + "/pipe.jpg");

    EXPECT_EQ(Run({"unpack", "--force", mod, mFolder}), 1);
    EXPECT_EQ(mErr.str(), Lines({"modstower-cli: " + mFolder + "/link.jpg: is a symbolic link (unpack never follows or replaces one)",
                                 "modstower-cli: " + mFolder + "/dangling.jpg: is a symbolic link (unpack never follows or replaces one)",
                                 "modstower-cli: " + mFolder + "/folder.jpg: is a folder (unpack never replaces one)",
                                 "modstower-cli: " + mFolder + "/pipe.jpg: is not a regular file (unpack never replaces one)",
                                 "modstower-cli: " + mod + ": is the mod file being unpacked (unpack never writes over it)",
                                 "modstower-cli: " + mod + ": nothing unpacked"}));
    EXPECT_EQ(ReadFileBytes(target), std::vector<uint8_t>({'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/outside/nothing"));
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/ModName.txt"));
    EXPECT_EQ(ReadFileBytes(mod), modBytes);
}

namespace {

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_F(CommandLineTest, UnpackThatFailsLeavesNothingNewAndNamesTheOutputPath)
{
    // A write that fails: the folder the unpack made goes again.
    const std::string mod = mFolder + "/big.tdm";
    WriteMod(mod, {{"small.tds", "song"}, {"big.tds", std::string(20000, 'b')}});
    {
        CFileSizeLimit limit(10000);
        EXPECT_EQ(Run({"unpack", mod, mFolder + "/out"}), 1);
    }
    EXPECT_EQ(mErr.str(), "modstower-cli: " + mFolder + "/out/big.tds: cannot be written (disk full or not writable); nothing unpacked\n");
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/out"));

    // A name the file system refuses, met while moving the files into place: the
    // files placed before it are taken back, and the one they replaced comes back.
    const std::string out = mFolder + "/kept";
    std::filesystem::create_directory(out);
    WriteFile("kept/Demo.tds", "mine");
    const std::string tooLong(256, 'n');
    WriteModWithNames(mod, {"Demo.tds", tooLong});
    EXPECT_EQ(Run({"unpack", "--force", mod, out}), 1);
    EXPECT_EQ(mErr.str(), "modstower-cli: " + out + "/" + tooLong + ": cannot be opened or created; nothing unpacked\n");
    EXPECT_EQ(FolderNames(out), std::vector<std::string>{"Demo.tds"});
    EXPECT_EQ(ReadFileBytes(out + "/Demo.tds"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_EQ(mOut.str(), "");
}

TEST_F(CommandLineTest, FilesThatAreNoRegularFilesAreRefusedUnopened)
{
    // Opening the pipe would wait for a writer; the link leads to a device.
    const std::string pipe = mFolder + "/pipe.tdm", device = mFolder + "/zero.tdm";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const CHeldOpen pipeEnds(pipe);
    std::filesystem::create_symlink("/dev/zero", device);
    for (const std::string& path : {pipe, device, mFolder}) {
        for (const char* verb : {"list", "dump", "unpack"}) {
            std::vector<std::string> arguments = {verb, path};
            if (std::string(verb) == "unpack")
                arguments.push_back(mFolder + "/out");
            EXPECT_EQ(Run(arguments), 1) << verb << " " << path;
            EXPECT_EQ(mErr.str(), "modstower-cli: " + path + ": not a regular file\n") << verb;
            EXPECT_EQ(mOut.str(), "") << verb;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(mFolder + "/out"));
}

namespace {

// What the real program writes with its standard streams on a new pseudo-terminal.
std::string RunOnATerminal(const std::vector<std::string>& arguments)
{
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        std::vector<char*> argv = {const_cast<char*>(MODSTOWER_CLI)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(MODSTOWER_CLI, argv.data());
        _exit(127);
    }
    std::string output;
    char buffer[4096];
    for (ssize_t count = 0; (count = read(terminal, buffer, sizeof buffer)) > 0;) // ends in EIO
        output.append(buffer, size_t(count));
    close(terminal);
    waitpid(child, nullptr, 0);
    return output;
}

// What the real program writes into a pipe.
std::string RunIntoAPipe(const std::string& arguments)
{
    FILE* pipe = popen((std::string(MODSTOWER_CLI) + " " + arguments).c_str(), "r");
    std::string output;
    for (int c = 0; (c = std::fgetc(pipe)) != EOF;)
        output += char(c);
    pclose(pipe);
    return output;
}

} // namespace

TEST_F(CommandLineTest, ControlBytesInNamesShowAsQuestionMarksOnATerminalOnly)
{
    const std::string mod = mFolder + "/evil.tdm";
    WriteModWithNames(mod, {"a\x1B[31mred\x7F.jpg"});
    EXPECT_NE(RunOnATerminal({"list", mod}).find("\n  a?[31mred?.jpg "), std::string::npos);
    EXPECT_NE(RunIntoAPipe("list " + mod).find("\n  a\x1B[31mred\x7F.jpg "), std::string::npos);
    // Standard error is a terminal too: the refusal shows the name the same way.
    EXPECT_NE(RunOnATerminal({"unpack", mod, mFolder + "/out"}).find("\"a?[31mred?.jpg\""), std::string::npos);
}
