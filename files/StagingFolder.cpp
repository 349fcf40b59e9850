#include "files/StagingFolder.h"

#include "media/XBase.h"
#include "platform/system/SystemEntry.h"
#include "platform/system/TemporaryFolder.h"

using SystemEntry::EKind;

namespace {

// Hidden, so a listing of the destination in the meantime passes over it.
constexpr const char* kStagingPrefix = ".modstower-staging";

std::string AsFolder(const std::string& path)
{
    if (path.empty())
        return "./";
    return path.back() == '/' ? path : path + "/";
}

} // namespace

CStagingFolder::CStagingFolder(const std::string& destination)
    : mDestination(AsFolder(destination))
    , mPath(SystemTemporaryFolder::CreateInside(mDestination, kStagingPrefix))
{
    if (mPath.empty())
        throw XWrite();
}

CStagingFolder::~CStagingFolder()
{
    if (!mHoldsAReplacedFile)
        SystemTemporaryFolder::Remove(mPath);
}

std::string CStagingFolder::Add(const std::string& name)
{
    mFiles.push_back({name});
    return Staged(mFiles.size() - 1);
}

std::string CStagingFolder::Target(size_t index) const
{
    return mDestination + mFiles[index].name;
}

// Staged files go by number: the names they are to take are used in the
// destination only, where the file system may still refuse one.
std::string CStagingFolder::Staged(size_t index) const
{
    return mPath + "new-" + std::to_string(index);
}

std::string CStagingFolder::Aside(size_t index) const
{
    return mPath + "old-" + std::to_string(index);
}

void CStagingFolder::Commit(EReplace replace)
{
    for (size_t i = 0; i < mFiles.size(); ++i) {
        try {
            Place(i, replace);
        } catch (...) {
            for (size_t j = i; j-- > 0;)
                TakeBack(j);
            throw;
        }
    }
}

void CStagingFolder::Place(size_t index, EReplace replace)
{
    const EKind kind = SystemEntry::GetKind(Target(index));
    if (kind == EKind::kRegularFile && replace == EReplace::kRegularFiles)
        MoveAside(index);
    else if (kind != EKind::kMissing)
        Fail(index);
    if (!SystemEntry::MoveToFreeName(Staged(index), Target(index))) {
        TakeBack(index);
        Fail(index);
    }
    mFiles[index].placed = true;
}

// The file to be replaced goes into the private folder first, so it can come
// back if anything fails. What was moved is looked at once more: the name may
// have been given to something else since it was looked at.
void CStagingFolder::MoveAside(size_t index)
{
    if (!SystemEntry::MoveToFreeName(Target(index), Aside(index)))
        Fail(index);
    mFiles[index].replaced = true;
    if (SystemEntry::GetKind(Aside(index)) != EKind::kRegularFile) {
        TakeBack(index);
        Fail(index);
    }
}

// Undoes what Place did for the file, as far as it got. Should a replaced file
// fail to go back, the private folder is left where it is, with that file in it,
// rather than removed with it.
void CStagingFolder::TakeBack(size_t index)
{
    SFile& file = mFiles[index];
    if (file.placed)
        SystemEntry::MoveToFreeName(Target(index), Staged(index));
    if (file.replaced && !SystemEntry::MoveToFreeName(Aside(index), Target(index)))
        mHoldsAReplacedFile = true;
    file.placed = false;
    file.replaced = false;
}

void CStagingFolder::Fail(size_t index)
{
    mFailedPath = Target(index);
    throw XCreateFailed();
}
