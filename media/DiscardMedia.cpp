#include "media/DiscardMedia.h"

#include "media/XBase.h"

#include <algorithm>

void CDiscardMedia::Read(int32_t, void*)
{
    throw XRead();
}

void CDiscardMedia::Write(int32_t size, const void*)
{
    if (size < 0 || int64_t{mPosition} + size > INT32_MAX)
        throw XWrite();
    mPosition += size;
    mSize = std::max(mSize, mPosition);
}

void CDiscardMedia::SetPosition(int32_t position)
{
    if (position < 0 || position > mSize)
        throw XPosition();
    mPosition = position;
}
