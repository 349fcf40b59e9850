#include "media/MemoryMedia.h"

#include "media/XBase.h"

#include <cstring>

CMemoryMedia::CMemoryMedia(int32_t size)
    : mSize(size)
{
    if (size < 0)
        throw XOutOfMemory();
    mData = new uint8_t[size > 0 ? size : 1];
    mOwns = true;
}

CMemoryMedia::CMemoryMedia(int32_t size, void* buffer)
    : mSize(size < 0 ? 0 : size)
    , mData(static_cast<uint8_t*>(buffer))
{
}

CMemoryMedia::CMemoryMedia(CMedia& source)
    : CMemoryMedia(source.GetSize())
{
    // The delegated constructor has finished, so a failed read frees the block in the destructor.
    source.Read(mSize, mData);
}

CMemoryMedia::~CMemoryMedia()
{
    if (mOwns)
        delete[] mData;
}

bool CMemoryMedia::Fits(int32_t count) const
{
    return count >= 0 && int64_t{mPosition} + count <= mSize;
}

void CMemoryMedia::Read(int32_t size, void* buffer)
{
    if (!Fits(size))
        throw XRead();
    if (size > 0)
        std::memcpy(buffer, mData + mPosition, size);
    mPosition += size;
}

void CMemoryMedia::Write(int32_t size, const void* buffer)
{
    if (!Fits(size))
        throw XWrite();
    if (size > 0)
        std::memcpy(mData + mPosition, buffer, size);
    mPosition += size;
}

uint8_t* CMemoryMedia::ClaimForWriting(int32_t count)
{
    if (!Fits(count))
        throw XWrite();
    uint8_t* claimed = mData + mPosition;
    mPosition += count;
    return claimed;
}

void CMemoryMedia::SetPosition(int32_t position)
{
    if (position < 0 || position > mSize)
        throw XPosition();
    mPosition = position;
}
