#include "media/XBase.h"

#include <new>

namespace {

void ThrowOutOfMemory()
{
    throw XOutOfMemory();
}

} // namespace

void InstallOutOfMemoryHandler()
{
    std::set_new_handler(ThrowOutOfMemory);
}
