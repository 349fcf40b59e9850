#include "platform/system/SystemPreferences.h"

#include "platform/system/SystemFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemPreferences {

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::string GetConfigHome()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory
    // rules ask; it would otherwise move with the current folder.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

bool MakeFolders(const std::string& path)
{
    if (path.empty())
        return false;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsFolder(path);
}

bool StoreFile(const std::string& path, const void* data, int64_t size)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || size < 0)
        return false;
    std::string temporary = path.substr(0, slash + 1) + ".pending-XXXXXX";
    const int handle = mkostemp(temporary.data(), O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool written = SystemFile::Write(handle, data, size) == size && fsync(handle) == 0;
    const bool closed = close(handle) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

EFetch FetchFile(const std::string& path, void* buffer, int64_t capacity, int64_t& size)
{
    size = 0;
    if (capacity < 0)
        return EFetch::kFailed;
    const int handle = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return errno == ENOENT || errno == ENOTDIR ? EFetch::kMissing : EFetch::kFailed;
    EFetch result = EFetch::kFetched;
    const int64_t count = SystemFile::Read(handle, buffer, capacity);
    char extra = 0;
    if (count < 0)
        result = EFetch::kFailed;
    else if (count == capacity) {
        const int64_t more = SystemFile::Read(handle, &extra, 1);
        result = more < 0 ? EFetch::kFailed : more > 0 ? EFetch::kTooLarge : EFetch::kFetched;
    }
    close(handle);
    if (result == EFetch::kFetched)
        size = count;
    return result;
}

} // namespace SystemPreferences
