#include "files/FileSpec.h"
#include "files/OSVersion.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "platform/system/SystemInfo.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/utsname.h>

namespace {

std::string Formatted(const CVersion& version)
{
    char out[32] = {};
    version.Format(out, CVersion::kShortWithStage);
    return out;
}

// 2.0.1.2002 as four big-endian words.
const unsigned char kVersionWords[] = {0, 2, 0, 0, 0, 1, 0x07, 0xD2};
const unsigned char kShortWords[] = {0, 2, 0, 0};

} // namespace

TEST(OSVersionTest, KernelReleaseGivesMajorAndMinor)
{
    int major = -1;
    int minor = -1;
    EXPECT_TRUE(SystemInfo::ParseKernelRelease("6.1.0-18-amd64", major, minor));
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    EXPECT_TRUE(SystemInfo::ParseKernelRelease("4.19", major, minor));
    EXPECT_EQ(major, 4);
    EXPECT_EQ(minor, 19);
    EXPECT_TRUE(SystemInfo::ParseKernelRelease("3.10.0-1160.el7.x86_64", major, minor));
    EXPECT_EQ(major, 3);
    EXPECT_EQ(minor, 10);

    // A refused text leaves the numbers as they were.
    for (const char* bad : {"", "6", "6.", ".1", "x6.1", "256.1", "6.1000", "1234.1"}) {
        major = minor = -1;
        EXPECT_FALSE(SystemInfo::ParseKernelRelease(bad, major, minor)) << bad;
        EXPECT_EQ(major, -1) << bad;
    }
    EXPECT_FALSE(SystemInfo::ParseKernelRelease(nullptr, major, minor));
}

TEST(OSVersionTest, RunningKernelIsReported)
{
    struct utsname names {};
    ASSERT_EQ(uname(&names), 0);
    const CVersion running = GetOSVersion();
    char expected[32] = {};
    running.Format(expected, CVersion::kMajorMinor);
    EXPECT_EQ(std::string(names.release).rfind(std::string(expected) + ".", 0), 0u) << names.release;
    EXPECT_EQ(running.GetBugfix(), 0);
    EXPECT_EQ(running.GetStage(), CVersion::kRelease);
}

TEST(OSVersionTest, CheckRequires4Point0)
{
    EXPECT_NO_THROW(CheckOSVersion(CVersion(4, 0)));
    EXPECT_NO_THROW(CheckOSVersion(CVersion(4, 10)));
    EXPECT_NO_THROW(CheckOSVersion(CVersion(6, 1)));
    EXPECT_THROW(CheckOSVersion(CVersion(3, 95)), ZOS_TOO_OLD_EXCEPTION);
    EXPECT_THROW(CheckOSVersion(CVersion(0, 0)), ZOS_TOO_OLD_EXCEPTION);
}

TEST(OSVersionTest, FileVersionWords)
{
    const CVersion alpha = VersionFromFileWords(2, 0, 1, 2002);
    EXPECT_EQ(alpha.GetPacked(), 0x020001u);
    EXPECT_EQ(alpha.GetStage(), CVersion::kAlpha);
    EXPECT_EQ(alpha.GetBuild(), 2);
    EXPECT_EQ(Formatted(alpha), "2.0.1a2");

    const CVersion outOfRange = VersionFromFileWords(2, 0, 0, 5000);
    EXPECT_EQ(outOfRange.GetStage(), CVersion::kRelease);
    EXPECT_EQ(outOfRange.GetBuild(), 0);
    EXPECT_EQ(Formatted(outOfRange), "2.0");

    EXPECT_EQ(VersionFromFileWords(1, 2, 3, 17).GetStage(), CVersion::kRelease);
    EXPECT_EQ(Formatted(VersionFromFileWords(1, 2, 3, 1255)), "1.2.3Dev255");
    EXPECT_EQ(Formatted(VersionFromFileWords(1, 2, 3, 3004)), "1.2.3b4");

    // Parts beyond a byte are refused, not wrapped.
    EXPECT_THROW(VersionFromFileWords(256, 0, 0, 0), XBadFormat);
    EXPECT_THROW(VersionFromFileWords(1, 0, 300, 0), XBadFormat);
    EXPECT_THROW(VersionFromFileWords(1, 0, 0, 4256), XBadFormat);
}

TEST(OSVersionTest, OnlyTheRunningProgramHasAVersion)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    EXPECT_THROW(GetFileVersion(CFileSpec((folder / "missing.so").c_str())), XFileNotFound);
    folder.WriteFile("other", "not a program");
    try {
        GetFileVersion(CFileSpec((folder / "other").c_str()));
        ADD_FAILURE() << "a file that is not the running program has no version";
    } catch (const XFileNotFound&) {
        ADD_FAILURE() << "the file exists";
    } catch (const XBase&) {
    }

    const std::string program = SystemModule::GetModulePath();
    ASSERT_FALSE(program.empty());
    const CFileSpec self(program.c_str());
    EmbeddedResources::Install(nullptr, 0);
    EXPECT_THROW(GetFileVersion(self), XBase);
    EXPECT_THROW(GetProgramVersion(), XBase);

    const SEmbeddedResource table[] = {{kVersionResourceType, kVersionResourceId, kVersionWords, sizeof kVersionWords}};
    EmbeddedResources::Install(table, 1);
    EXPECT_EQ(Formatted(GetFileVersion(self)), "2.0.1a2");
    EXPECT_EQ(Formatted(GetProgramVersion()), "2.0.1a2");

    const SEmbeddedResource shortTable[] = {{kVersionResourceType, kVersionResourceId, kShortWords, sizeof kShortWords}};
    EmbeddedResources::Install(shortTable, 1);
    EXPECT_THROW(GetProgramVersion(), XBadFormat);
    EmbeddedResources::Install(nullptr, 0);
}
