#include "app/ModStower.h"

#include "app/PackRun.h"
#include "app/PackUserInterface.h"
#include "files/DirSpec.h"

#include <cstring>

CModStower::CModStower(CPackUserInterface& ui)
    : mUI(ui)
{
}

void CModStower::PackFolder(const CDirSpec& source, const CFileSpec& target)
{
    mCurrentFile.clear();
    CPackRun(*this, source, target, CPackRun::EOutput::kFile).Run();
}

void CModStower::CheckFolder(const CDirSpec& source, const CFileSpec& target)
{
    mCurrentFile.clear();
    CPackRun(*this, source, target, CPackRun::EOutput::kDiscard).Run();
}

void CModStower::LogLine(const char* text)
{
    mUI.LogLine(text);
}

void CModStower::SetLogTitle(const char* text)
{
    mUI.SetLogTitle(text);
}

std::string GetFolderName(const CDirSpec& folder)
{
    // The path ends in '/': the name lies between the last two.
    const std::string path = folder.GetPath();
    const size_t last = path.size() - 1;
    const size_t previous = last == 0 ? std::string::npos : path.rfind('/', last - 1);
    if (previous == std::string::npos)
        return {};
    return path.substr(previous + 1, last - previous - 1);
}
