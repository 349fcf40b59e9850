#include "files/FileSpec.h"

#include "files/DirEntry.h"
#include "media/ByteOrder.h"
#include "media/OpenFile.h"
#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"

#include <cstring>
#include <memory>
#include <string_view>

namespace {

constexpr int32_t kMagicSize = 4;

// Replaces, in place, every character that may not appear in a name.
void ReplaceInvalid(char* text, std::string_view invalid)
{
    for (char* c = text; *c != 0; ++c) {
        const auto code = static_cast<unsigned char>(*c);
        if (code < 32 || invalid.find(*c) != std::string_view::npos)
            *c = '_';
    }
}

} // namespace

CFileSpec::CFileSpec(const char* fullPath)
{
    SetFromFullPath(fullPath);
}

CFileSpec::CFileSpec(const char* directory, const char* name, const char* extension)
{
    if (directory == nullptr || name == nullptr || extension == nullptr)
        throw XBase();
    std::string folder = directory;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    PathText::CheckSystemLimits(folder + name + extension);
    PathText::CopyInto(mDirectory, PathText::kPathFieldSize, folder);
    PathText::CopyInto(mName, PathText::kNameFieldSize, name);
    PathText::CopyInto(mExtension, PathText::kNameFieldSize, extension);
}

CFileSpec::CFileSpec(const uint8_t* block, int32_t size)
{
    // The magic and at least the terminator of an empty path.
    if (block == nullptr || size < kMagicSize + 1 || GetBE32(block) != kFlatMagic)
        throw XBadFormat();
    const auto* path = reinterpret_cast<const char*>(block + kMagicSize);
    const size_t room = static_cast<size_t>(size) - kMagicSize;
    if (std::memchr(path, 0, room) == nullptr)
        throw XBadFormat();
    SetFromFullPath(path);
}

void CFileSpec::SetFromFullPath(const char* fullPath)
{
    if (fullPath == nullptr)
        throw XBase();
    const std::string_view path(fullPath);
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        throw XBase();
    PathText::CheckSystemLimits(path);
    const std::string_view fileName = path.substr(slash + 1);
    const size_t dot = fileName.rfind('.');
    const std::string_view name = dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
    const std::string_view extension = dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
    PathText::CopyInto(mDirectory, PathText::kPathFieldSize, path.substr(0, slash + 1));
    PathText::CopyInto(mName, PathText::kNameFieldSize, name);
    PathText::CopyInto(mExtension, PathText::kNameFieldSize, extension);
}

std::string CFileSpec::GetFullPath() const
{
    return std::string(mDirectory) + mName + mExtension;
}

std::string CFileSpec::GetFileName() const
{
    return std::string(mName) + mExtension;
}

std::string CFileSpec::GetBaseName() const
{
    const std::string fileName = GetFileName();
    return fileName.substr(0, fileName.rfind('.'));
}

void CFileSpec::SetExtension(const char* extension)
{
    if (extension == nullptr)
        throw XBase();
    PathText::CheckSystemLimits(std::string(mDirectory) + mName + extension);
    PathText::CopyInto(mExtension, PathText::kNameFieldSize, extension);
}

bool CFileSpec::operator==(const CFileSpec& other) const
{
    return GetFullPath() == other.GetFullPath();
}

bool CFileSpec::Exists() const
{
    return SystemDirectory::IsExistingFile(GetFullPath().c_str());
}

int32_t CFileSpec::GetSize() const
{
    COpenFile file(GetFullPath().c_str());
    return file.GetSize();
}

void CFileSpec::Delete() const
{
    if (!SystemDirectory::RemoveFile(GetFullPath().c_str()))
        throw XFile();
}

void CFileSpec::MakeValid()
{
    ReplaceInvalid(mDirectory, "*?<>\"|");
    ReplaceInvalid(mName, "*?<>\"|\\/:");
    ReplaceInvalid(mExtension, "*?<>\"|\\/:");
}

CDirEntry* CFileSpec::GetInfo() const
{
    auto entry = std::make_unique<CDirEntry>();
    if (!FillDirEntry(*entry, GetFullPath().c_str(), GetFileName().c_str()))
        throw XFile();
    return entry.release();
}

void CFileSpec::SetInfo(const CDirEntry& entry) const
{
    const std::string path = GetFullPath();
    SystemDirectory::SStatus status;
    if (!SystemDirectory::GetStatus(path.c_str(), status))
        throw XFile();
    const bool hiddenByName = GetFileName().starts_with('.');
    if (entry.hidden != hiddenByName)
        throw XFile();
    if (entry.modified != 0 && !SystemDirectory::SetModifiedTime(path.c_str(), entry.modified))
        throw XFile();
}

CMedia* CFileSpec::OpenForReading() const
{
    return new COpenFile(GetFullPath().c_str());
}

CABCMediaSpec* CFileSpec::Clone() const
{
    return new CFileSpec(*this);
}

uint8_t* CFileSpec::Flatten(int32_t& size) const
{
    const std::string path = GetFullPath();
    const auto total = static_cast<int32_t>(path.size()) + kMagicSize + 1;
    auto* block = new uint8_t[total];
    SetBE32(block, kFlatMagic);
    std::memcpy(block + kMagicSize, path.c_str(), path.size() + 1);
    size = total;
    return block;
}
