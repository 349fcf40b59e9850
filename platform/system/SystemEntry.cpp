#include "platform/system/SystemEntry.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemEntry {

namespace {

EKind KindOf(int result, const struct stat& info)
{
    if (result != 0)
        return EKind::kMissing;
    if (S_ISREG(info.st_mode))
        return EKind::kRegularFile;
    if (S_ISLNK(info.st_mode))
        return EKind::kLink;
    if (S_ISDIR(info.st_mode))
        return EKind::kFolder;
    return EKind::kOther;
}

} // namespace

EKind GetKind(const std::string& path)
{
    struct stat info {};
    const int result = lstat(path.c_str(), &info);
    return KindOf(result, info);
}

EKind GetTargetKind(const std::string& path)
{
    struct stat info {};
    const int result = stat(path.c_str(), &info);
    return KindOf(result, info);
}

bool MoveToFreeName(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a new link is refused just as
    // surely where the name is taken, and the old name then goes.
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    unlink(from.c_str());
    return true;
}

bool RemoveEmptyFolder(const std::string& path)
{
    return rmdir(path.c_str()) == 0;
}

} // namespace SystemEntry
