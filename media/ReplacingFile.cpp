#include "media/ReplacingFile.h"

#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"
#include "platform/system/SystemFile.h"

namespace {

// A name may hold 255 bytes; six random characters and two marks are added.
constexpr size_t kMaxNameLength = 255;
constexpr size_t kAddedLength = 8;
// An extension longer than this is no extension a listing would skip by; the
// new file then goes without one rather than losing the target's name.
constexpr size_t kMaxKeptExtension = 32;

} // namespace

CReplacingFile::CReplacingFile(const std::string& targetPath)
    : CReplacingFile(targetPath, CreateBeside(targetPath))
{
}

CReplacingFile::CReplacingFile(const std::string& targetPath, const SNewFile& made)
    : COpenFile(SOpenedHandle{made.handle})
    , mTargetPath(targetPath)
    , mTemporaryPath(made.path)
{
}

CReplacingFile::~CReplacingFile()
{
    RemoveTemporary();
}

CReplacingFile::SNewFile CReplacingFile::CreateBeside(const std::string& targetPath)
{
    SystemDirectory::SStatus status;
    if (SystemDirectory::GetStatus(targetPath.c_str(), status) && status.directory)
        throw XCreateFailed();
    // Hidden and ending in the target's extension, the new file is passed over
    // by a listing that passes over the target, and by the eye.
    const size_t slash = targetPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : targetPath.substr(0, slash + 1);
    const std::string targetName = targetPath.substr(folder.size());
    const size_t dot = targetName.rfind('.');
    std::string extension = dot == std::string::npos || dot == 0 ? std::string() : targetName.substr(dot);
    if (extension.size() > kMaxKeptExtension)
        extension.clear();
    const std::string kept = targetName.substr(0, kMaxNameLength - kAddedLength - extension.size());
    SNewFile made;
    made.handle = SystemFile::CreateUnique(folder + "." + kept + "-", extension, made.path);
    return made;
}

void CReplacingFile::Commit()
{
    if (!CloseConfirmed()) {
        RemoveTemporary();
        throw XWrite();
    }
    if (!SystemDirectory::RenameOver(mTemporaryPath.c_str(), mTargetPath.c_str())) {
        RemoveTemporary();
        throw XFile();
    }
    mTemporaryPath.clear();
}

void CReplacingFile::RemoveTemporary()
{
    if (mTemporaryPath.empty())
        return;
    Close();
    SystemDirectory::RemoveFile(mTemporaryPath.c_str());
    mTemporaryPath.clear();
}
