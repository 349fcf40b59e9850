#include "platform/system/SystemLibrary.h"

#include <dlfcn.h>

namespace SystemLibrary {

void* Load(const char* path)
{
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

void* FindSymbol(void* library, const char* name)
{
    if (library == nullptr || name == nullptr)
        return nullptr;
    return dlsym(library, name);
}

void Unload(void* library)
{
    if (library != nullptr)
        dlclose(library);
}

} // namespace SystemLibrary
