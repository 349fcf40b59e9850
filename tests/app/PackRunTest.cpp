// The pack run from a folder to a mod file: every log line, and the file byte for byte.
#include "app/ModReader.h"
#include "app/ModStower.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/ByteOrder.h"
#include "media/StringMedia.h"
#include "media/XBase.h"
#include "tests/app/PackTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class PackRunTest : public ::testing::Test {
protected:
    // Packs the fixture folder into "Mod.tdm" inside a second private folder.
    void Pack(const std::string& targetPath = "")
    {
        mTargetPath = targetPath.empty() ? mOutput.GetPath() + "Mod.tdm" : targetPath;
        CModStower packer(mUI);
        packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(mTargetPath.c_str()));
    }
    std::vector<uint8_t> Output() const { return ReadFileBytes(mTargetPath); }
    std::string OutputText() const
    {
        const std::vector<uint8_t> bytes = Output();
        return std::string(bytes.begin(), bytes.end());
    }

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

TEST_F(PackRunTest, WithoutAModNameTheRunIsAbandoned)
{
    mFolder.Write("Demo.tds", "song");
    mFolder.Write("ModName.txt", "\r\n\r\n"); // only line breaks: imports as empty
    EXPECT_THROW(Pack(), XBase);
    EXPECT_EQ(mUI.lines, (Lines{"Adding: Demo.tds...", "Total file count: 1"}));
    EXPECT_EQ(mUI.alerts,
              (Lines{"[STOP]Directory must contain a ModName.txt file containing the full name of the mod.[Quit]"}));
    EXPECT_EQ(mUI.titles, (Lines{"Packing Mod.tdm..."}));
    EXPECT_EQ(mUI.busyEnded, 1);

    // The file keeps its header and components, a group size of 0 and no "INFO".
    const std::string bytes = OutputText();
    ASSERT_EQ(bytes.size(), 12u + 264 + 8 + 13 + 1);
    EXPECT_EQ(bytes.substr(0, 12), std::string("CAT \0\0\0\0WTDM", 12));
    EXPECT_EQ(bytes.substr(276), std::string("EMBF\0\0\0\x0D" "Demo.tds\0song\0", 22));
}

TEST_F(PackRunTest, EmptyFolderIsAbandonedToo)
{
    EXPECT_THROW(Pack(), XBase);
    EXPECT_EQ(mUI.lines, (Lines{"Total file count: 0"}));
    EXPECT_EQ(mUI.alerts.size(), 1u);
    EXPECT_EQ(Output().size(), 276u);
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

    // The WAVE comes in as an AIFF file under the AIFF name: big-endian frames, 44100 Hz.
    const SModComponent& converted = reader.GetComponents()[1];
    EXPECT_EQ(converted.storedName, "tr808sd1.aif");
    std::string content(converted.contentSize, '\0');
    reader.ReadContent(converted, content.data());
    EXPECT_EQ(content.substr(0, 4), "FORM");
    EXPECT_EQ(content.substr(8, 4), "AIFF");
    const std::vector<uint8_t> bigEndian = Words(frames, false);
    const size_t sound = content.find("SSND");
    ASSERT_NE(sound, std::string::npos);
    EXPECT_EQ(GetBE32(content.data() + sound + 4), 8 + bigEndian.size());
    EXPECT_EQ(content.substr(sound + 16, bigEndian.size()), std::string(bigEndian.begin(), bigEndian.end()));
    const size_t common = content.find("COMM");
    ASSERT_NE(common, std::string::npos);
    EXPECT_EQ(content.substr(common + 8, 18),
              std::string("\0\x01\0\0\0\x06\0\x10\x40\x0E\xAC\x44\0\0\0\0\0\0", 18));
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
    EXPECT_THROW(Pack(), XCreateFailed);
    EXPECT_TRUE(mUI.lines.empty());
    EXPECT_EQ(mUI.busyEnded, 2);
    EXPECT_EQ(Output().size(), 276u); // header only, group size 0
}

TEST_F(PackRunTest, CheckingWritesNothingAndSaysTheSame)
{
    mFolder.Write("ModName.txt", "Checked");
    mFolder.Write("Demo.tds", "song!");
    CModStower packer(mUI);
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
    CModStower packer(mUI);
    const std::string target = mOutput.GetPath() + "Mod.tdm";
    {
        const CFileSizeLimit limit(2000);
        EXPECT_THROW(packer.PackFolder(CDirSpec(mFolder.GetPath().c_str()), CFileSpec(target.c_str())), XWrite);
    }
    EXPECT_EQ(packer.GetCurrentFile(), target);
    EXPECT_EQ(mUI.lines, (Lines{"Adding: Demo.tds..."}));
    EXPECT_EQ(mUI.busyEnded, 1);
}
