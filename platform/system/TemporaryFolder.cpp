#include "platform/system/TemporaryFolder.h"

#include <cstdlib>
#include <dirent.h>
#include <unistd.h>
#include <vector>

namespace SystemTemporaryFolder {

std::string Create(const char* prefix)
{
    const char* base = std::getenv("TMPDIR");
    return CreateInside((base != nullptr && *base != 0) ? base : "/tmp", prefix);
}

std::string CreateInside(const std::string& parent, const char* prefix)
{
    std::string pattern = parent.empty() ? "./" : parent;
    if (pattern.back() != '/')
        pattern += '/';
    pattern += prefix;
    pattern += "-XXXXXX";
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back(0);
    if (mkdtemp(path.data()) == nullptr)
        return {};
    return std::string(path.data()) + "/";
}

bool Remove(const std::string& path)
{
    if (DIR* folder = opendir(path.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                unlink((path + name).c_str());
        }
        closedir(folder);
    }
    return rmdir(path.c_str()) == 0;
}

} // namespace SystemTemporaryFolder
