#include "files/DLL.h"

#include "files/FileSpec.h"
#include "media/XBase.h"
#include "platform/system/SystemLibrary.h"

#include <string>

CDLL::~CDLL()
{
    Close();
}

void CDLL::Open(const CFileSpec& file)
{
    Close();
    if (!file.Exists())
        throw XFileNotFound();
    // A path holding a '/' makes the loader take this very file instead of
    // searching its library folders for the name.
    std::string path = file.GetFullPath();
    if (path.find('/') == std::string::npos)
        path.insert(0, "./");
    mLibrary = SystemLibrary::Load(path.c_str());
    if (mLibrary == nullptr)
        throw XBase();
}

void* CDLL::GetFunction(const char* name) const
{
    void* function = SystemLibrary::FindSymbol(mLibrary, name);
    if (function == nullptr)
        throw XBase();
    return function;
}

void CDLL::Close()
{
    SystemLibrary::Unload(mLibrary);
    mLibrary = nullptr;
}
