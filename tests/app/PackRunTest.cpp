// The pack run from a folder to a mod file: every log line, and the file byte for byte.
#include "app/ModReader.h"
#include "app/ModPacker.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/StringMedia.h"
#include "media/XBase.h"
#include "tests/app/ChildRun.h"
#include "tests/app/PackTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

std::string TextOf(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class PackRunTest : public ::testing::Test {
protected:
    // Packs the fixture folder into "Mod.tdm" inside a second private folder.
    void Pack(const std::string& targetPath = "")
    {
        mTargetPath = targetPath.empty() ? mOutput.GetPath() + "Mod.tdm" : targetPath;
        CModPacker packer(mUI);
        packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(mTargetPath.c_str()));
    }
    std::vector<uint8_t> Output() const { return ReadFileBytes(mTargetPath); }
    std::string OutputText() const { return TextOf(mTargetPath); }

    // The closing lines of a complete run.
    static Lines Totals(int count, const std::string& name, int comments, const std::string& www,
                        const std::string& ftp, size_t size)
    {
        return {"Total file count: " + std::to_string(count),
                "Mod name: " + name,
                "Comment length: " + std::to_string(comments) + " characters",
                "WWW: " + www,
                "FTP: " + ftp,
                "Size of Mod.tdm: " + std::to_string(size) + " bytes",
                "Done... close window to exit application",
                ""};
    }
    static Lines Join(Lines first, const Lines& second)
    {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    CComponentFolder mFolder;
    CComponentFolder mOutput;
    CRecordingPackUI mUI;
    std::string mTargetPath;
};

// The expected mod of no components with the given mod name, made from the layout alone.
std::string EmptyModBytes(const std::string& modName)
{
    std::string bytes("CAT \x00\x00\x06\x14WTDMHEAD\x00\x00\x01\x00\x5B\x35\xB3\x5B\xBC\x01\x00\x00\x00", 29);
    const std::string notice = "(c) Wrenfieldhaus Software";
    bytes += notice + std::string(256 - 9 - notice.size(), '\0');
    std::string info(1280, '\0');
    info.replace(1003, modName.size(), modName);
    info.replace(1073, 5, std::string("\xBC\x01\x00\x00\x00", 5));
    return bytes + std::string("INFO\x00\x00\x05\x00", 8) + info;
}

// The AIFF file a mono WAVE file of these frames becomes: 44100 Hz, no instrument
// data, markers at both ends of the sample.
std::string ConvertedAiff(const std::vector<int16_t>& frames)
{
    const auto count = static_cast<uint32_t>(frames.size());
    CBytes b;
    b.Text("FORM").U32(0).Text("AIFF");
    b.BeginChunk("COMM").U16(1).U32(count).U16(16).Rate(44100).EndChunk();
    b.BeginChunk("SSND").U32(0).U32(0).Raw(Words(frames, false)).EndChunk();
    b.BeginChunk("INST").U8(60).U8(0).U8(0).U8(127).U8(1).U8(127).U16(0); // note, detune, ranges, gain
    b.U16(0).U16(1).U16(2).U16(0).U16(3).U16(4).EndChunk();                  // sustain and release loops
    b.BeginChunk("MARK").U16(2).U16(1).U32(0).U8(10).Text("Loop start").U8(0);
    b.U16(2).U32(count).U8(8).Text("Loop end").U8(0).EndChunk();
    const std::vector<uint8_t>& bytes = b.CloseGroup().Get();
    return std::string(bytes.begin(), bytes.end());
}

// Sets an environment variable for its lifetime; the old value comes back after.
class CEnvironmentVariable {
public:
    CEnvironmentVariable(const char* name, const std::string& value)
        : mName(name)
    {
        if (const char* old = std::getenv(name))
            mOld = old;
        setenv(name, value.c_str(), 1);
    }
    ~CEnvironmentVariable()
    {
        if (mOld)
            setenv(mName, mOld->c_str(), 1);
        else
            unsetenv(mName);
    }
    CEnvironmentVariable(const CEnvironmentVariable&) = delete;
    CEnvironmentVariable& operator=(const CEnvironmentVariable&) = delete;

private:
    const char* mName;
    std::optional<std::string> mOld;
};

} // namespace

TEST_F(PackRunTest, FolderWithOnlyAModName)
{
    mFolder.Write("ModName.txt", "Test Mod\r\n");
    Pack();
    EXPECT_EQ(mUI.lines, Totals(0, "Test Mod", 0, "", "", 1564));
    EXPECT_EQ(OutputText(), EmptyModBytes("Test Mod"));
    EXPECT_EQ(mUI.titles, (Lines{"Packing Mod.tdm...", "Mod.tdm packed"}));
    EXPECT_EQ(mUI.busyBegun, 1);
    EXPECT_EQ(mUI.busyAdvanced, 1);
    EXPECT_EQ(mUI.busyEnded, 1);
    EXPECT_TRUE(mUI.alerts.empty());
}

TEST_F(PackRunTest, AnAbandonedRunLeavesTheTargetAsItWas)
{
    // An empty folder: the totals, then the refusal.
    EXPECT_THROW(Pack(), XBase);
    EXPECT_EQ(mUI.lines, (Lines{"Total file count: 0"}));
    EXPECT_EQ(ListFolder(mOutput.GetPath()), Lines{});

    mUI = CRecordingPackUI();
    mFolder.Write("Demo.tds", "song");
    mFolder.Write("ModName.txt", "\r\n\r\n"); // only line breaks: imports as empty
    mOutput.Write("Mod.tdm", "the previous mod");
    EXPECT_THROW(Pack(), XBase);
    EXPECT_EQ(mUI.lines, (Lines{"Adding: Demo.tds...", "Total file count: 1"}));
    EXPECT_EQ(mUI.alerts,
              (Lines{"[STOP]Directory must contain a ModName.txt file containing the full name of the mod.[Quit]"}));
    EXPECT_EQ(mUI.titles, (Lines{"Packing Mod.tdm..."}));
    EXPECT_EQ(mUI.busyEnded, 1);
    // The previous mod is kept whole, and nothing of the run is left beside it.
    EXPECT_EQ(OutputText(), "the previous mod");
    EXPECT_EQ(ListFolder(mOutput.GetPath()), Lines{"Mod.tdm"});
}

TEST_F(PackRunTest, ModNameOf64And65Bytes)
{
    mFolder.Write("ModName.txt", std::string(64, 'M'));
    Pack();
    EXPECT_EQ(mUI.lines, Totals(0, std::string(64, 'M'), 0, "", "", 1564));

    // 65 bytes warn, even when the last one is a break that would go anyway.
    mUI.lines.clear();
    mFolder.Write("ModName.txt", std::string(64, 'N') + "\n");
    Pack();
    EXPECT_EQ(mUI.lines, Join({"* Warning: Modname truncated."}, Totals(0, std::string(64, 'N'), 0, "", "", 1564)));
    EXPECT_EQ(OutputText(), EmptyModBytes(std::string(64, 'N')));
}

TEST_F(PackRunTest, TextFilesAndTheirLimits)
{
    // Listed in the folder's order: Comments.txt, ftp.txt, ModName.txt, www.txt.
    mFolder.Write("Comments.txt", "Caf\x8E\rsecond line\r\r");   // carriage returns alone: a Mac text
    mFolder.Write("ftp.txt", std::string("ftp://host\0ignored", 18));
    mFolder.Write("modname.TXT", "Name\n");
    mFolder.Write("www.txt", std::string(201, 'w'));
    Pack();
    EXPECT_EQ(mUI.lines, Join({"* Warning: WWW address truncated."},
                              Totals(0, "Name", 17, std::string(200, 'w'), "ftp://host", 1564)));
    const std::string bytes = OutputText();
    const size_t info = 12 + 264 + 8;
    EXPECT_EQ(bytes.substr(info, 18), std::string("Caf\xE9\r\nsecond line\0", 18));
    EXPECT_EQ(bytes.substr(info + 601, 11), std::string("ftp://host\0", 11));
    EXPECT_EQ(bytes.substr(info + 802, 201), std::string(200, 'w') + '\0');
}

TEST_F(PackRunTest, SkinImages)
{
    mFolder.Write("ModName.txt", "Skins");
    const std::vector<uint8_t> standard = MakeJPEGFile(109, 16, 1);
    const std::vector<uint8_t> odd = MakeJPEGFile(50, 20, 2);
    mFolder.Write("12015.JPG", standard);            // capitals still name row 0
    mFolder.Write("12016.jpg", odd);                 // row 1 wants 53 x 19
    mFolder.Write("12017.jpg", "not a picture");
    // Rows 3 and 4 want 23 x 9: one pixel off on one side is off all the same.
    const std::vector<uint8_t> wider = MakeJPEGFile(24, 9, 3), lower = MakeJPEGFile(23, 8, 4);
    mFolder.Write("12019.jpg", wider);
    mFolder.Write("12020.jpg", lower);
    mFolder.Write("12015.jpeg", standard);           // not the ".jpg" extension
    mFolder.Write("99999.jpg", standard);            // not in the table
    Pack();
    size_t size = 1564;
    for (const std::vector<uint8_t>* image : {&standard, &odd, &wider, &lower})
        size += 8 + 10 + image->size() + image->size() % 2;
    const Lines expected = Join({"- Skipping file: 12015.jpeg...",
                                 "Adding: 12015.JPG...",
                                 "* Nonstandard size of jpeg: 12016.jpg...",
                                 "Adding: 12016.jpg...",
                                 "** Invalid jpeg: 12017.jpg...",
                                 "- Skipping file: 12017.jpg...",
                                 "* Nonstandard size of jpeg: 12019.jpg...",
                                 "Adding: 12019.jpg...",
                                 "* Nonstandard size of jpeg: 12020.jpg...",
                                 "Adding: 12020.jpg...",
                                 "- Skipping file: 99999.jpg..."},
                                Totals(4, "Skins", 0, "", "", size));
    EXPECT_EQ(mUI.lines, expected);

    CStringMedia file(OutputText());
    CModReader reader(file);
    ASSERT_EQ(reader.GetComponents().size(), 4u);
    EXPECT_EQ(reader.GetComponents()[0].storedName, "12015.JPG"); // the case the listing gave
    std::vector<uint8_t> content(reader.GetComponents()[0].contentSize);
    reader.ReadContent(reader.GetComponents()[0], content.data());
    EXPECT_EQ(content, standard); // the file's own bytes
}

TEST_F(PackRunTest, SamplesAndTheirChecks)
{
    mFolder.Write("ModName.txt", "Drums");
    const std::vector<int16_t> frames = {0, 1000, -1000, 32767, -32768, 5};
    const std::vector<uint8_t> aiff = MakeAiffFile(frames, 1, 44100);
    mFolder.Write("tr808bd.aif", aiff);
    mFolder.Write("TR808BD.wav", MakeWaveFile(frames, 1, 44100));        // slot 0 already taken
    mFolder.Write("tr808sd1.wav", MakeWaveFile(frames, 1, 44100));       // becomes "tr808sd1.aif"
    mFolder.Write("tr808sd2.aif", MakeAiffFile({1, 2, 3, 4, 5, 6}, 2, 22050, 24));
    mFolder.Write("tr808sd3.wav", MakeWaveFile(frames, 1, 44100, 16, 2)); // compressed
    mFolder.Write("tr808sd4.wav", std::string("RIFF\4\0\0\0WAVE", 12));    // no chunks at all
    mFolder.Write("tr808sd5.aif", MakeAiffFile(frames, 1, 48000));
    // Cut short: its FORM size still counts 28 bytes of an "INST" that is missing.
    std::vector<uint8_t> cut = aiff;
    SetBE32(cut.data() + 4, GetBE32(cut.data() + 4) + 28);
    mFolder.Write("tr808n1.aif", cut);
    // An empty "data" chunk with another chunk behind it: a sample of no frames, which
    // no AIFF file can hold.
    std::vector<uint8_t> silent = MakeWaveFile({}, 1, 44100);
    silent.insert(silent.end(), {'J', 'U', 'N', 'K', 2, 0, 0, 0, 0, 0});
    SetLE32(silent.data() + 4, uint32_t(silent.size() - 8));
    mFolder.Write("tr808n2.wav", silent);
    Pack();

    const Lines expected = Join(
        {"Adding: tr808bd.aif...",
         "** Multiple formats for file found: TR808BD.wav...",
         "- Skipping file: TR808BD.wav...",
         "- Skipping file: tr808n1.aif...",
         "- Skipping file: tr808n2.wav...",
         "Adding: tr808sd1.wav...",
         "** Invalid aiff: tr808sd2.aif. Only mono samples allowed.",
         "** Invalid aiff: tr808sd2.aif. Only 16-bit samples allowed.",
         "** Invalid aiff: tr808sd2.aif. Sample-rate must be 44100 Hz.",
         "** Invalid aiff: tr808sd2.aif.",
         "- Skipping file: tr808sd2.aif...",
         "** Invalid wav: tr808sd3.wav.",
         "- Skipping file: tr808sd3.wav...",
         "- Skipping file: tr808sd4.wav...",
         "** Invalid aiff: tr808sd5.aif. Sample-rate must be 44100 Hz.",
         "- Skipping file: tr808sd5.aif..."},
        {});
    ASSERT_GE(mUI.lines.size(), expected.size());
    EXPECT_EQ(Lines(mUI.lines.begin(), mUI.lines.begin() + expected.size()), expected);
    EXPECT_EQ(mUI.lines[expected.size()], "Total file count: 2");

    CStringMedia file(OutputText());
    CModReader reader(file);
    ASSERT_EQ(reader.GetComponents().size(), 2u);
    std::vector<uint8_t> first(reader.GetComponents()[0].contentSize);
    reader.ReadContent(reader.GetComponents()[0], first.data());
    EXPECT_EQ(first, aiff);

    // The WAVE comes in as an AIFF file under the AIFF name.
    const SModComponent& converted = reader.GetComponents()[1];
    EXPECT_EQ(converted.storedName, "tr808sd1.aif");
    std::string content(converted.contentSize, '\0');
    reader.ReadContent(converted, content.data());
    EXPECT_EQ(content, ConvertedAiff(frames));
}

TEST_F(PackRunTest, WaveConversionNeedsNoTemporaryFolder)
{
    // Frames over two pages of a sample, so the conversion's copying is whole.
    std::vector<int16_t> frames(9000);
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i] = static_cast<int16_t>(i * 37);
    mFolder.Write("ModName.txt", "Drums");
    mFolder.Write("tr808bd.wav", MakeWaveFile(frames, 1, 44100));
    const std::string untouched = mOutput.MakeFolder("tmp");
    const std::string notAFolder = mOutput.Write("plain-file", "x");
    for (const std::string& folder : {untouched, mOutput.GetPath() + "missing/", notAFolder}) {
        const CEnvironmentVariable temporary("TMPDIR", folder);
        mUI.lines.clear();
        Pack();
        EXPECT_EQ(mUI.lines, Join({"Adding: tr808bd.wav..."},
                                  Totals(1, "Drums", 0, "", "", 1564 + 8 + 12 + 126 + 18000))) << folder;
        CStringMedia file(OutputText());
        CModReader reader(file);
        ASSERT_EQ(reader.GetComponents().size(), 1u) << folder;
        EXPECT_EQ(reader.GetComponents()[0].storedName, "tr808bd.aif");
        std::string content(reader.GetComponents()[0].contentSize, '\0');
        reader.ReadContent(reader.GetComponents()[0], content.data());
        EXPECT_EQ(content, ConvertedAiff(frames)) << folder;
    }
    EXPECT_TRUE(std::filesystem::is_empty(untouched)); // nothing was made there either
}

TEST_F(PackRunTest, ModFilesFoldersAndOtherFiles)
{
    mFolder.Write("ModName.txt", "Quiet");
    mFolder.Write("old.TDM", "an older mod");
    mFolder.MakeFolder("Sub");
    mFolder.Write(".hidden", "x");
    mFolder.Write("demo.TDS", "any bytes at all");
    Pack();
    EXPECT_EQ(mUI.lines, Join({"- Skipping file: .hidden...", "Adding: demo.TDS..."},
                              Totals(1, "Quiet", 0, "", "", 1564 + 8 + 9 + 16 + 1)));
    EXPECT_EQ(mUI.busyAdvanced, 3); // neither the folder nor the mod file counts
}

TEST_F(PackRunTest, TargetInsideTheSourceFolder)
{
    mFolder.Write("ModName.txt", "Self");
    mFolder.Write("Demo.tds", "song");
    Pack(mFolder.GetPath() + "Mod.tdm");
    EXPECT_EQ(mUI.lines, Join({"Adding: Demo.tds..."}, Totals(1, "Self", 0, "", "", 1564 + 8 + 13 + 1)));
    CStringMedia file(OutputText());
    EXPECT_EQ(CModReader(file).GetComponents().size(), 1u);
}

TEST_F(PackRunTest, UnreadableTargetOrComponentAbandonsTheRun)
{
    mFolder.Write("ModName.txt", "Name");
    EXPECT_THROW(Pack(mOutput.GetPath() + "no/such/Mod.tdm"), XCreateFailed);
    EXPECT_TRUE(mUI.lines.empty());

    // A component that cannot be read: a dangling link stands for a file that vanished.
    std::filesystem::create_symlink(mFolder.GetPath() + "gone", mFolder.GetPath() + "Demo.tds");
    CModPacker packer(mUI);
    EXPECT_THROW(packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec((mOutput.GetPath() + "Mod.tdm").c_str())),
                 XCreateFailed);
    EXPECT_EQ(packer.GetCurrentFile(), mFolder.GetPath() + "Demo.tds");
    EXPECT_TRUE(mUI.lines.empty());
    EXPECT_EQ(mUI.busyEnded, 2);
    EXPECT_EQ(ListFolder(mOutput.GetPath()), Lines{});

    // A folder that cannot be listed is said to be so, before any target is made.
    const std::string notAFolder = mFolder.GetPath() + "ModName.txt/";
    EXPECT_THROW(packer.PackFolder(CDirSpec(notAFolder.c_str()), CFileSpec((mOutput.GetPath() + "Mod.tdm").c_str())),
                 XListFailed);
    EXPECT_EQ(packer.GetCurrentFile(), notAFolder);
    EXPECT_EQ(ListFolder(mOutput.GetPath()), Lines{});
}

TEST_F(PackRunTest, CheckingWritesNothingAndSaysTheSame)
{
    mFolder.Write("ModName.txt", "Checked");
    mFolder.Write("Demo.tds", "song!");
    CModPacker packer(mUI);
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    packer.CheckFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str()));
    EXPECT_FALSE(std::filesystem::exists(target));
    const Lines checked = mUI.lines;
    mUI.lines.clear();
    Pack();
    EXPECT_EQ(checked, mUI.lines);
    EXPECT_EQ(checked[checked.size() - 3], "Size of Mod.tdm: " + std::to_string(Output().size()) + " bytes");
}

TEST_F(PackRunTest, SameFolderSameBytes)
{
    mFolder.Write("ModName.txt", "Stable");
    mFolder.Write("b.txt", "x");
    mFolder.Write("Demo.tds", "1");
    mFolder.Write("tr808bd.aif", MakeAiffFile({1, 2, 3}, 1, 44100));
    Pack();
    const std::vector<uint8_t> first = Output();
    Pack();
    EXPECT_EQ(Output(), first);
}

TEST_F(PackRunTest, FailedWriteToTheTargetIsTheTargetsFailure)
{
    mFolder.Write("ModName.txt", "Big");
    mFolder.Write("Demo.tds", std::string(5000, 's'));
    mOutput.Write("Mod.tdm", "the previous mod");
    CModPacker packer(mUI);
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    {
        const CFileSizeLimit limit(2000);
        EXPECT_THROW(packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str())), XWrite);
    }
    EXPECT_EQ(packer.GetCurrentFile(), target);
    EXPECT_EQ(mUI.lines, (Lines{"Adding: Demo.tds..."}));
    EXPECT_EQ(mUI.busyEnded, 1);
    EXPECT_EQ(TextOf(target), "the previous mod");
    EXPECT_EQ(ListFolder(mOutput.GetPath()), Lines{"Mod.tdm"});
}

namespace {

// A socket bound at `path`, as a server leaves one; closed with the object.
class CBoundSocket {
public:
    explicit CBoundSocket(const std::string& path) : mHandle(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        mBound = bind(mHandle, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~CBoundSocket() { close(mHandle); }
    bool IsBound() const { return mBound; }

private:
    int mHandle;
    bool mBound = false;
};

} // namespace

TEST_F(PackRunTest, EntriesThatAreNoFilesAreSkippedUnopened)
{
    // Opening the pipes would hold the run for ever, and the device never ends.
    const CHangGuard guard(60);
    mFolder.Write("ModName.txt", "Pipes");
    ASSERT_EQ(mkfifo((mFolder.GetPath() + "Demo.tds").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((mFolder.GetPath() + "notes").c_str(), 0644), 0);
    const CBoundSocket server(mFolder.GetPath() + "tr808bd.aif");
    ASSERT_TRUE(server.IsBound());
    std::filesystem::create_symlink("/dev/zero", mFolder.GetPath() + "Comments.txt");
    const Lines expected = Join({"- Skipping file: Comments.txt...", "- Skipping file: Demo.tds...",
                                 "- Skipping file: notes...", "- Skipping file: tr808bd.aif..."},
                                Totals(0, "Pipes", 0, "", "", 1564));
    Pack();
    EXPECT_EQ(mUI.lines, expected);
    EXPECT_EQ(OutputText(), EmptyModBytes("Pipes"));

    mUI.lines.clear();
    CModPacker(mUI).CheckFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(mTargetPath.c_str()));
    EXPECT_EQ(mUI.lines, expected);
}

TEST_F(PackRunTest, FilesTheRunDoesNotUseCannotEndIt)
{
    // Each is passed over by its name alone, so none is ever opened: not in the
    // catalogue, or its slot is taken. Dangling links stand for files that
    // cannot be opened.
    mFolder.Write("ModName.txt", "Names");
    const std::vector<uint8_t> aiff = MakeAiffFile({1, 2, 3}, 1, 44100);
    mFolder.Write("tr808bd.aif", aiff);
    for (const char* name : {"notes.bin", "99999.jpg", "TR808BD.wav"})
        std::filesystem::create_symlink(mFolder.GetPath() + "gone", mFolder.GetPath() + name);
    const std::string longName = std::string(246, 'x') + ".txt";
    mFolder.Write(longName, "a name of 250 bytes");
    Pack();
    EXPECT_EQ(mUI.lines, Join({"- Skipping file: 99999.jpg...", "- Skipping file: notes.bin...",
                               "Adding: tr808bd.aif...", "** Multiple formats for file found: TR808BD.wav...",
                               "- Skipping file: TR808BD.wav...", "- Skipping file: " + longName + "..."},
                              Totals(1, "Names", 0, "", "", 1564 + 8 + 12 + aiff.size() + (12 + aiff.size()) % 2)));
}

TEST_F(PackRunTest, AnUnreadableFileTheRunDoesNotUseIsOnlySkipped)
{
    mFolder.Write("ModName.txt", "Locked");
    const std::string locked = mFolder.Write("private.doc", "for no one's eyes");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    ASSERT_EQ(chmod(mFolder.GetPath().c_str(), 0755), 0);
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    CChildRun child([&](CChildRun& self) {
        if (!DropRootRights())
            return CChildRun::kCannotSetUp;
        CChildPackUI ui(self);
        CModPacker(ui).CheckFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str()));
        return 0;
    });
    const int status = child.Finish();
    if (status == CChildRun::kCannotSetUp)
        GTEST_SKIP() << "root here cannot become another user, so no file is unreadable to this test";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(child.GetLines(), Join({"- Skipping file: private.doc..."}, Totals(0, "Locked", 0, "", "", 1564)));
}

TEST_F(PackRunTest, ATargetThatIsALinkIsReplacedNotFollowed)
{
    mFolder.Write("ModName.txt", "Linked");
    mFolder.Write("Demo.tds", "song");
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    const std::string component = mFolder.GetPath() + "Demo.tds";
    for (const bool symbolic : {true, false}) {
        SCOPED_TRACE(symbolic ? "symbolic link" : "hard link");
        mUI = CRecordingPackUI();
        std::filesystem::remove(target);
        if (symbolic)
            std::filesystem::create_symlink(component, target);
        else
            std::filesystem::create_hard_link(component, target);
        Pack(target);
        // The component is the target's file: never packed into itself, never touched.
        EXPECT_EQ(mUI.lines, Join({"- Skipping file: Demo.tds..."}, Totals(0, "Linked", 0, "", "", 1564)));
        EXPECT_EQ(TextOf(component), "song");
        EXPECT_FALSE(std::filesystem::is_symlink(target));
        EXPECT_EQ(OutputText(), EmptyModBytes("Linked"));
    }

    // A link to a device is replaced like any other.
    mUI = CRecordingPackUI();
    std::filesystem::remove(target);
    std::filesystem::create_symlink("/dev/full", target);
    Pack(target);
    EXPECT_EQ(mUI.lines, Join({"Adding: Demo.tds..."}, Totals(1, "Linked", 0, "", "", 1564 + 8 + 13 + 1)));
    EXPECT_FALSE(std::filesystem::is_symlink(target));
}

TEST_F(PackRunTest, AFullFileSystemLeavesTheTargetAsItWas)
{
    mFolder.Write("ModName.txt", "Full");
    mFolder.Write("Demo.tds", std::string(256 * 1024, 's'));
    const std::string small = mOutput.MakeFolder("small");
    const std::string target = small + "Mod.tdm";
    CChildRun child([&](CChildRun& self) {
        if (!MountSmallFileSystem(small, 64 * 1024))
            return CChildRun::kCannotSetUp;
        std::ofstream(target) << "the previous mod";
        CChildPackUI ui(self);
        CModPacker packer(ui);
        try {
            packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str()));
        } catch (const XWrite&) {
            self.Send("XWrite at " + packer.GetCurrentFile());
        }
        for (const std::string& name : ListFolder(small))
            self.Send("left: " + name + " holding " + TextOf(small + name));
        return 0;
    });
    const int status = child.Finish();
    if (status == CChildRun::kCannotSetUp)
        GTEST_SKIP() << "this system allows no private mount, so no small file system can be filled";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(child.GetLines(), (Lines{"Adding: Demo.tds...", "XWrite at " + target, "left: Mod.tdm holding the previous mod"}));
}

TEST_F(PackRunTest, AKilledRunLeavesTheTargetAsItWas)
{
    mFolder.Write("ModName.txt", "Killed");
    mFolder.Write("Demo.tds", "song");
    const std::string target = mOutput.Write("Mod.tdm", "the previous mod");
    CChildRun child([&](CChildRun& self) {
        CChildPackUI ui(self, "Total file count: 1");
        CModPacker(ui).PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str()));
        return 0;
    });
    // Stopped midway: the new mod has its header and component, not its text record.
    ASSERT_TRUE(child.ReadUntil("Total file count: 1"));
    EXPECT_EQ(TextOf(target), "the previous mod");
    child.Kill();
    EXPECT_EQ(child.Finish(), 128 + SIGKILL);
    EXPECT_EQ(TextOf(target), "the previous mod");
    // What the killed run leaves is a hidden file, which reads as an abandoned mod.
    const Lines names = ListFolder(mOutput.GetPath());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1], "Mod.tdm");
    EXPECT_EQ(names[0].substr(0, 9), ".Mod.tdm-");
    EXPECT_EQ(names[0].size(), 9u + 6 + 4);
    CStringMedia left(TextOf(mOutput.GetPath() + names[0]));
    EXPECT_TRUE(CModReader::IsAbandoned(left));
}

TEST_F(PackRunTest, TwoRunsIntoOneTargetEachLeaveAWholeMod)
{
    const CComponentFolder second;
    mFolder.Write("ModName.txt", "First");
    mFolder.Write("Demo.tds", "the first song");
    second.Write("ModName.txt", "Second");
    second.Write("Demo.tds", "a second song, longer than the first");
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    CModPacker packer(mUI);
    const std::string firstAlone = mOutput.GetPath() + "first.tdm";
    const std::string secondAlone = mOutput.GetPath() + "second.tdm";
    packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(firstAlone.c_str()));
    packer.PackFolder(CDirSpec(second.GetPath().c_str()), CFileSpec(secondAlone.c_str()));

    CChildRun child([&](CChildRun& self) {
        CChildPackUI ui(self, "Total file count: 1");
        CModPacker(ui).PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str()));
        return 0;
    });
    // The second run starts and ends while the first is midway.
    ASSERT_TRUE(child.ReadUntil("Total file count: 1"));
    packer.PackFolder(CDirSpec(second.GetPath().c_str()), CFileSpec(target.c_str()));
    EXPECT_EQ(TextOf(target), TextOf(secondAlone));
    child.Resume();
    EXPECT_EQ(child.Finish(), 0);
    EXPECT_EQ(TextOf(target), TextOf(firstAlone));
    EXPECT_EQ(ListFolder(mOutput.GetPath()), (Lines{"Mod.tdm", "first.tdm", "second.tdm"}));
}
