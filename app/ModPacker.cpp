#include "app/ModPacker.h"

#include "app/PackRun.h"
#include "app/PackUserInterface.h"
#include "files/DirSpec.h"

#include <cstring>

CModPacker::CModPacker(CPackUserInterface& ui)
    : mUI(ui)
{
}

void CModPacker::PackFolder(const CDirSpec& source, const CFileSpec& target)
{
    mCurrentFile.clear();
    CPackRun(*this, source, target, CPackRun::EOutput::kFile).Run();
}

void CModPacker::CheckFolder(const CDirSpec& source, const CFileSpec& target)
{
    mCurrentFile.clear();
    CPackRun(*this, source, target, CPackRun::EOutput::kDiscard).Run();
}

void CModPacker::LogLine(const char* text)
{
    mUI.LogLine(text);
}

void CModPacker::SetLogTitle(const char* text)
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
