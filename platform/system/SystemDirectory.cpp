#include "platform/system/SystemDirectory.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace SystemDirectory {

namespace {

// Seconds from 1 January 1601 to 1 January 1970.
constexpr int64_t kEpochDifference = 11644473600;
constexpr int64_t kTicksPerSecond = 10000000;

uint64_t FileTimeOf(const struct statx_timestamp& stamp)
{
    return FileTimeFromUnix(stamp.tv_sec, stamp.tv_nsec);
}

void FillStatus(const struct statx& info, SStatus& out)
{
    out.directory = S_ISDIR(info.stx_mode);
    out.special = !out.directory && !S_ISREG(info.stx_mode);
    // A folder has no size of its own that a caller could read.
    out.size = out.directory ? 0 : info.stx_size;
    out.device = makedev(info.stx_dev_major, info.stx_dev_minor);
    out.inode = info.stx_ino;
    out.modified = FileTimeOf(info.stx_mtime);
    // Not every file system records a birth time; the last write is the closest
    // honest answer then, as the file cannot be younger than its contents.
    out.created = (info.stx_mask & STATX_BTIME) != 0 ? FileTimeOf(info.stx_btime) : out.modified;
}

} // namespace

bool GetStatus(const char* path, SStatus& out)
{
    struct statx info {};
    constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;
    if (statx(AT_FDCWD, path, 0, kWanted, &info) == 0) {
        FillStatus(info, out);
        return true;
    }
    if (statx(AT_FDCWD, path, AT_SYMLINK_NOFOLLOW, kWanted, &info) != 0)
        return false;
    // A dangling link: a file that is there by name only.
    FillStatus(info, out);
    out.directory = false;
    out.special = false;
    out.size = 0;
    return true;
}

bool IsExistingFile(const char* path)
{
    struct stat info {};
    return stat(path, &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsSameFile(const char* first, const char* second)
{
    struct stat a {};
    struct stat b {};
    return stat(first, &a) == 0 && stat(second, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool ListNames(const char* folder, std::vector<std::string>& names)
{
    DIR* dir = opendir(folder);
    if (dir == nullptr)
        return false;
    names.clear();
    errno = 0;
    while (const dirent* entry = readdir(dir))
        names.emplace_back(entry->d_name);
    const bool complete = errno == 0;
    closedir(dir);
    return complete;
}

bool MakeFolder(const char* path)
{
    return mkdir(path, 0777) == 0;
}

bool RemoveFile(const char* path)
{
    return unlink(path) == 0;
}

bool RenameOver(const char* from, const char* to)
{
    return rename(from, to) == 0;
}

bool SetModifiedTime(const char* path, uint64_t fileTime)
{
    int64_t seconds = 0;
    int64_t nanoseconds = 0;
    UnixFromFileTime(fileTime, seconds, nanoseconds);
    struct timespec times[2] {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(seconds);
    times[1].tv_nsec = static_cast<long>(nanoseconds);
    return utimensat(AT_FDCWD, path, times, 0) == 0;
}

std::string GetCurrentFolder()
{
    char path[PATH_MAX];
    if (getcwd(path, sizeof path) == nullptr)
        return {};
    return path;
}

uint64_t FileTimeFromUnix(int64_t seconds, int64_t nanoseconds)
{
    if (seconds < -kEpochDifference)
        return 0;
    // Beyond the year 30828 the ticks no longer fit; such stamps are saturated.
    constexpr uint64_t kLastSecond = UINT64_MAX / kTicksPerSecond - 1;
    if (seconds > INT64_MAX - kEpochDifference || static_cast<uint64_t>(seconds + kEpochDifference) > kLastSecond)
        return UINT64_MAX;
    const uint64_t since1601 = static_cast<uint64_t>(seconds + kEpochDifference);
    const int64_t fraction = nanoseconds < 0 ? 0 : nanoseconds > 999999999 ? 999999999 : nanoseconds;
    return since1601 * kTicksPerSecond + static_cast<uint64_t>(fraction / 100);
}

void UnixFromFileTime(uint64_t fileTime, int64_t& seconds, int64_t& nanoseconds)
{
    seconds = static_cast<int64_t>(fileTime / kTicksPerSecond) - kEpochDifference;
    nanoseconds = static_cast<int64_t>(fileTime % kTicksPerSecond) * 100;
}

} // namespace SystemDirectory
