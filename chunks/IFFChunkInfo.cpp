#include "chunks/IFFChunkInfo.h"

#include "media/XBase.h"

#include <cstring>

CIFFChunkInfo::CIFFChunkInfo(int32_t kind, const char* id, int32_t position, int32_t dataSize)
    : mKind(kind)
    , mPosition(position)
    , mDataSize(dataSize)
{
    std::strncpy(mID, id, 4);
    mID[4] = 0;
}

bool CIFFChunkInfo::IDIs(const char* text) const
{
    return std::strcmp(mID, text) == 0;
}

int32_t CIFFChunkInfo::GetHeaderSize() const
{
    switch (mKind) {
    case kSimpleChunk:
        return 8;
    case kFormChunk:
    case kCatChunk:
    case kListChunk:
        return 12;
    default:
        throw XBase();
    }
}

int64_t CIFFChunkInfo::GetTotalSize() const
{
    return int64_t{GetHeaderSize()} + mDataSize;
}
