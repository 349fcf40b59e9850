#include "media/StringMedia.h"

#include "media/XBase.h"

#include <cstring>

void CStringMedia::Read(int32_t size, void* buffer)
{
    if (size < 0 || int64_t{mPosition} + size > GetSize())
        throw XRead();
    std::memcpy(buffer, mBytes.data() + mPosition, size);
    mPosition += size;
}

void CStringMedia::Write(int32_t size, const void* buffer)
{
    if (size < 0 || int64_t{mPosition} + size > INT32_MAX)
        throw XWrite();
    if (size == 0)
        return;
    if (size_t(mPosition) + size > mBytes.size())
        mBytes.resize(size_t(mPosition) + size);
    std::memcpy(mBytes.data() + mPosition, buffer, size);
    mPosition += size;
}

void CStringMedia::SetPosition(int32_t position)
{
    if (position < 0 || position > GetSize())
        throw XPosition();
    mPosition = position;
}
