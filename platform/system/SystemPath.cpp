#include "platform/system/SystemPath.h"

#include <filesystem>
#include <system_error>

namespace SystemPath {

std::string MakeAbsolute(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return {};
    std::string text = absolute.lexically_normal().string();
    // "/a/b/" and "/a/b" name the same folder; keep the root's own slash.
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool CreateDirectory(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directory(path, error);
    return IsDirectory(path);
}

} // namespace SystemPath
