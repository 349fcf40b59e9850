#include "files/DirIterator.h"

#include "files/DirEntry.h"
#include "files/DirSpec.h"
#include "platform/system/SystemDirectory.h"

#include <algorithm>
#include <memory>

CDirIterator::CDirIterator(const CDirSpec& folder)
    : mFolder(folder.GetPath())
{
}

CDirIterator::~CDirIterator()
{
    Close();
}

bool CDirIterator::ComesBefore(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(PathText::ToUpperAscii(a[i]));
        const auto y = static_cast<unsigned char>(PathText::ToUpperAscii(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    // Equal but for letter case: plain byte order decides.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

bool CDirIterator::Open()
{
    if (mState == EState::kNotStarted)
        Start();
    return mState == EState::kOpen;
}

void CDirIterator::Start()
{
    mState = EState::kOpen;
    if (!SystemDirectory::ListNames(mFolder.c_str(), mNames)) {
        mNames.clear();
        mState = EState::kUnreadable;
        return;
    }
    // Every folder has these two, whether or not a file system reports them.
    for (const char* own : {".", ".."}) {
        if (std::find(mNames.begin(), mNames.end(), own) == mNames.end())
            mNames.emplace_back(own);
    }
    std::sort(mNames.begin(), mNames.end(), ComesBefore);
}

CDirEntry* CDirIterator::Next()
{
    if (mState == EState::kNotStarted)
        Start();
    while (mState == EState::kOpen && mNext < mNames.size()) {
        const std::string& name = mNames[mNext++];
        // Names longer than an entry's field cannot come from a Linux file system
        // (255 bytes at most); should one appear it is passed over, not cut.
        if (name.size() > static_cast<size_t>(PathText::kMaxNameLength))
            continue;
        auto entry = std::make_unique<CDirEntry>();
        if (FillDirEntry(*entry, (mFolder + name).c_str(), name.c_str())) {
            ++mCount;
            return entry.release();
        }
    }
    return nullptr;
}

void CDirIterator::Close()
{
    mState = EState::kClosed;
    mNames.clear();
    mNext = 0;
}
