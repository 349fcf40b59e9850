#include "files/DirSpec.h"

#include "files/FileSpec.h"
#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"
#include "platform/system/SystemInfo.h"

#include <cstring>
#include <string>
#include <string_view>

CDirSpec::CDirSpec(const char* path)
{
    if (path == nullptr || path[0] == 0)
        throw XBase();
    std::string folder = path;
    if (folder.back() != '/')
        folder += '/';
    PathText::CheckSystemLimits(folder);
    PathText::CopyInto(mPath, PathText::kPathFieldSize, folder);
}

void CDirSpec::AppendFolder(const char* name)
{
    if (name == nullptr)
        throw XBase();
    const std::string path = std::string(mPath) + name + '/';
    PathText::CheckSystemLimits(path);
    PathText::CopyInto(mPath, PathText::kPathFieldSize, path);
}

void CDirSpec::GoUp()
{
    const std::string_view path(mPath);
    const size_t last = path.size() - 1;
    if (last == 0)
        return;
    const size_t before = path.rfind('/', last - 1);
    if (before != std::string_view::npos)
        mPath[before + 1] = 0;
}

CDirSpec* CDirSpec::CreateSubfolder(const char* name) const
{
    if (name == nullptr || name[0] == 0)
        throw XBase();
    const std::string path = std::string(mPath) + name;
    // Checked before the folder is made, so a refused name leaves nothing behind.
    PathText::CheckSystemLimits(path + '/');
    if (!SystemDirectory::MakeFolder(path.c_str()))
        throw XBase();
    return new CDirSpec(path.c_str());
}

CFileSpec* CDirSpec::MakeFileSpec(const char* fileName) const
{
    if (fileName == nullptr || std::strchr(fileName, '/') != nullptr)
        throw XBase();
    const std::string_view text(fileName);
    const size_t dot = text.rfind('.');
    const std::string name(text.substr(0, dot));
    const std::string extension(dot == std::string_view::npos ? std::string_view() : text.substr(dot));
    return new CFileSpec(mPath, name.c_str(), extension.c_str());
}

bool CDirSpec::operator==(const CDirSpec& other) const
{
    return std::strcmp(mPath, other.mPath) == 0;
}

CDirSpec* CDirSpec::GetCurrentDirectory()
{
    const std::string path = SystemDirectory::GetCurrentFolder();
    if (path.empty())
        throw XBase();
    return new CDirSpec(path.c_str());
}

CDirSpec* CDirSpec::FromFile(const CFileSpec& file)
{
    return new CDirSpec(file.GetDirectory());
}

CDirSpec* CDirSpec::GetSystemDirectory()
{
    const std::string path = SystemInfo::GetSystemFolder();
    SystemDirectory::SStatus status;
    if (!SystemDirectory::GetStatus(path.c_str(), status) || !status.directory)
        throw XBase();
    return new CDirSpec(path.c_str());
}

CDirSpec* CDirSpec::GetDriveRoot(char /*letter*/)
{
    throw XFile();
}

CDirSpec* CDirSpec::GetRootDirectory()
{
    return new CDirSpec("/");
}
