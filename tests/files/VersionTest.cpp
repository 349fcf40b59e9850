// Versions, the versioned header block, the versions of the system and of programs,
// and loading libraries.
#include "files/DLL.h"
#include "files/FileSpec.h"
#include "files/OSVersion.h"
#include "files/Version.h"
#include "files/VersionedHeader.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "platform/system/SystemInfo.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <string>
#include <sys/utsname.h>

namespace {

using Bytes = std::basic_string<uint8_t>;

std::string Formatted(const CVersion& version, int style = CVersion::kShortWithStage)
{
    char out[32] = "untouched";
    version.Format(out, style);
    return out;
}

} // namespace

TEST(VersionTest, OrderingLooksAtMajorMinorBugfixOnly)
{
    const CVersion required(4, 0);
    EXPECT_TRUE(CVersion(4, 0).IsAtLeast(required));
    EXPECT_FALSE(CVersion(3, 95).IsAtLeast(required));
    EXPECT_TRUE(CVersion(4, 10).IsAtLeast(required));
    EXPECT_TRUE(CVersion(2, 0, 1, 2, CVersion::kAlpha).IsSame(CVersion(2, 0, 1, 77, CVersion::kRelease)));
    // At least the lowest whole, and any minor of the highest's major.
    EXPECT_TRUE(CVersion(1, 2, 3).IsWithin({1, 2, 3}, {2, 0}));
    EXPECT_FALSE(CVersion(1, 2, 2).IsWithin({1, 2, 3}, {2, 0}));
    EXPECT_TRUE(CVersion(2, 9, 9).IsWithin({1, 2, 3}, {2, 0}));
    EXPECT_FALSE(CVersion(3, 0).IsWithin({1, 2, 3}, {2, 0}));

    EXPECT_NO_THROW(CheckOSVersion(CVersion(4, 0)));
    EXPECT_THROW(CheckOSVersion(CVersion(3, 95)), ZOS_TOO_OLD_EXCEPTION);
}

TEST(VersionTest, FormatsEveryStyle)
{
    const CVersion beta(2, 0, 1, 3, CVersion::kBeta);
    EXPECT_EQ(Formatted(beta, CVersion::kMajorMinor), "2.0");
    EXPECT_EQ(Formatted(beta, CVersion::kMajorMinorZero), "2.0");
    EXPECT_EQ(Formatted(beta, CVersion::kMajorMinorBugfix), "2.0.1");
    EXPECT_EQ(Formatted(beta, CVersion::kMajorMinorZeroBugfix), "2.0.1");
    EXPECT_EQ(Formatted(beta), "2.0.1b3");
    // The short style leaves out a bugfix of 0 and the release stage.
    EXPECT_EQ(Formatted(CVersion(1, 2, 0, 7)), "1.2");
    EXPECT_EQ(Formatted(CVersion(1, 2, 0, 7, CVersion::kDevelopment)), "1.2Dev7");
    EXPECT_EQ(Formatted(CVersion(1, 2, 4, 0, CVersion::kAlpha)), "1.2.4a0");
    EXPECT_EQ(Formatted(CVersion(255, 255, 255, 255, CVersion::kDevelopment)), "255.255.255Dev255");
    EXPECT_EQ(Formatted(beta, 9), "untouched");
    EXPECT_EQ(Formatted(beta, 15), "untouched");
}

TEST(VersionTest, LongAndShortForms)
{
    uint8_t bytes[5] = {};
    CVersion(2, 7, 9, 4, CVersion::kAlpha).WriteLong(bytes);
    EXPECT_EQ(Bytes(bytes, 5), (Bytes{0xBC, 2, 7, 9, 0}));
    // Reading sets the three numbers and keeps build and stage.
    CVersion read(0, 0, 0, 11, CVersion::kBeta);
    EXPECT_TRUE(read.ReadLong(bytes));
    EXPECT_EQ(Formatted(read), "2.7.9b11");
    const uint8_t unmarked[5] = {0xBD, 9, 9, 9, 0};
    EXPECT_FALSE(read.ReadLong(unmarked));
    EXPECT_EQ(Formatted(read), "2.7.9b11");

    // Short: major and minor; reading sets bugfix 0 and the release stage, keeps the build.
    CVersion(3, 14, 15).WriteShort(bytes);
    EXPECT_EQ(Bytes(bytes, 2), (Bytes{3, 14}));
    CVersion shortRead(9, 9, 9, 6, CVersion::kDevelopment);
    shortRead.ReadShort(bytes);
    EXPECT_EQ(shortRead.GetPacked(), 0x030E00u);
    EXPECT_EQ(shortRead.GetStage(), CVersion::kRelease);
    EXPECT_EQ(shortRead.GetBuild(), 6);
}

TEST(VersionTest, HeaderBlock)
{
    const CVersionedHeader header(0x54444D20, CVersion(1, 2, 3, 4, CVersion::kBeta), "one\r\ntwo\r\nthree");
    uint8_t block[CVersionedHeader::kBlockSize];
    std::fill(std::begin(block), std::end(block), 0xEE);
    header.WriteBlock(block);
    const std::string text = "one\rtwo\rthree"; // line feeds dropped, zero-filled after
    const Bytes expected = Bytes{'T', 'D', 'M', ' ', 0xBC, 1, 2, 3, 0} + Bytes(text.begin(), text.end());
    EXPECT_EQ(Bytes(block, sizeof block), expected + Bytes(256 - expected.size(), 0));
    CVersionedHeader read;
    read.ReadBlock(block);
    EXPECT_EQ(read.GetCode(), 0x54444D20u);
    EXPECT_TRUE(read.GetVersion().IsSame(CVersion(1, 2, 3)));
    EXPECT_STREQ(read.GetText(), "one\r\ntwo\r\nthree");
    // Without the version marker, code and text are read but the version is kept.
    block[4] = 0;
    CVersionedHeader kept(1, CVersion(7, 8, 9), "old");
    kept.ReadBlock(block);
    EXPECT_EQ(kept.GetCode(), 0x54444D20u);
    EXPECT_STREQ(kept.GetText(), "one\r\ntwo\r\nthree");
    EXPECT_TRUE(kept.GetVersion().IsSame(CVersion(7, 8, 9)));

    // Text is cut to 128 characters, written and read.
    CVersionedHeader(1, CVersion(1, 0), std::string(200, 'x').c_str()).WriteBlock(block);
    EXPECT_EQ(Bytes(block + 9, 247), Bytes(128, 'x') + Bytes(119, 0));
    read.ReadBlock(block);
    EXPECT_EQ(std::string(read.GetText()), std::string(128, 'x'));
    // 100 carriage returns on disk would become 200 characters in memory.
    std::fill(block + 9, block + 109, '\r');
    read.ReadBlock(block);
    std::string breaks;
    for (int i = 0; i < 64; ++i)
        breaks += "\r\n";
    EXPECT_EQ(std::string(read.GetText()), breaks);
    // An unterminated text field ends with the field.
    std::fill(block + 9, block + CVersionedHeader::kBlockSize, 'z');
    read.ReadBlock(block);
    EXPECT_EQ(std::string(read.GetText()), std::string(128, 'z'));
}

TEST(VersionTest, SystemAndProgramVersions)
{
    int major = -1;
    int minor = -1;
    EXPECT_TRUE(SystemInfo::ParseKernelRelease("3.10.0-1160.el7.x86_64", major, minor));
    for (const char* bad : {"", "6", "6.", ".1", "x6.1", "256.1", "6.1000"})
        EXPECT_FALSE(SystemInfo::ParseKernelRelease(bad, major, minor)) << bad;
    EXPECT_EQ(major * 1000 + minor, 3010); // refusals leave the numbers alone
    struct utsname names {};
    ASSERT_EQ(uname(&names), 0);
    EXPECT_EQ(std::string(names.release).rfind(Formatted(GetOSVersion(), CVersion::kMajorMinor) + ".", 0), 0u);

    // W1.W2.W3.W4, the last word stage * 1000 + build; a stage out of range is a release.
    EXPECT_EQ(Formatted(VersionFromFileWords(2, 0, 1, 2002)), "2.0.1a2");
    EXPECT_EQ(VersionFromFileWords(2, 0, 0, 5000).GetStage(), CVersion::kRelease);
    EXPECT_EQ(VersionFromFileWords(2, 0, 0, 5000).GetBuild(), 0);
    EXPECT_THROW(VersionFromFileWords(256, 0, 0, 0), XBadFormat); // refused, not wrapped
    EXPECT_THROW(VersionFromFileWords(1, 0, 0, 4256), XBadFormat);

    // Only the running program has a version, from its embedded item.
    const CFileSpec self(SystemModule::GetModulePath().c_str());
    EmbeddedResources::Install(nullptr, 0);
    EXPECT_THROW(GetFileVersion(self), XBase);
    const unsigned char words[] = {0, 2, 0, 0, 0, 1, 0x07, 0xD2}; // 2.0.1.2002, big-endian
    const SEmbeddedResource table[] = {{kVersionResourceType, kVersionResourceId, words, sizeof words}};
    EmbeddedResources::Install(table, 1);
    EXPECT_EQ(Formatted(GetFileVersion(self)), "2.0.1a2");
    const SEmbeddedResource shortTable[] = {{kVersionResourceType, kVersionResourceId, words, 4}};
    EmbeddedResources::Install(shortTable, 1);
    EXPECT_THROW(GetProgramVersion(), XBadFormat);
    EmbeddedResources::Install(nullptr, 0);
}

TEST(VersionTest, ProgramFilesFoundAndMissing)
{
    // The file the C maths library was loaded from, as the dynamic loader knows it.
    Dl_info info {};
    double (*cosine)(double) = std::cos;
    ASSERT_NE(dladdr(reinterpret_cast<void*>(cosine), &info), 0);
    CDLL library;
    library.Open(CFileSpec(info.dli_fname));
    EXPECT_DOUBLE_EQ(reinterpret_cast<double (*)(double)>(library.GetFunction("cos"))(0.0), 1.0);
    EXPECT_THROW(library.GetFunction("no_such_function_here"), XBase);
    library.Close();
    EXPECT_THROW(library.GetFunction("cos"), XBase);

    // A missing file is reported as such; one that is there but no program or
    // library is refused, yet not as missing.
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const CFileSpec missing((folder / "libmissing.so").c_str());
    EXPECT_THROW(library.Open(missing), XFileNotFound);
    EXPECT_THROW(GetFileVersion(missing), XFileNotFound);
    folder.WriteFile("libfake.so", "this is no shared object");
    const CFileSpec fake((folder / "libfake.so").c_str());
    EXPECT_THROW(try { library.Open(fake); } catch (const XFileNotFound&) { throw 0; }, XBase);
    EXPECT_FALSE(library.IsOpen());
    EXPECT_THROW(try { GetFileVersion(fake); } catch (const XFileNotFound&) { throw 0; }, XBase);
}
