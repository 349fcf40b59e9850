#include "files/TemporaryFolder.h"

#include "media/XBase.h"
#include "platform/system/TemporaryFolder.h"

CTemporaryFolder::~CTemporaryFolder()
{
    if (!mPath.empty())
        SystemTemporaryFolder::Remove(mPath);
}

const std::string& CTemporaryFolder::GetPath()
{
    if (mPath.empty()) {
        mPath = SystemTemporaryFolder::Create(mPrefix.c_str());
        if (mPath.empty())
            throw XFile();
    }
    return mPath;
}
