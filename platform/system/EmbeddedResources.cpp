#include "platform/system/EmbeddedResources.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace EmbeddedResources {

namespace {

const SEmbeddedResource* gTable = nullptr;
size_t gCount = 0;

} // namespace

void Install(const SEmbeddedResource* table, size_t count)
{
    gTable = table;
    gCount = count;
}

const SEmbeddedResource* Find(const char* type, uint16_t id)
{
    for (size_t i = 0; i < gCount; ++i) {
        if (gTable[i].id == id && std::strncmp(gTable[i].type, type, 4) == 0)
            return &gTable[i];
    }
    return nullptr;
}

} // namespace EmbeddedResources

namespace SystemModule {

std::string GetModulePath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    return std::string(path, length);
}

} // namespace SystemModule
