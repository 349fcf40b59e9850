#include "chunks/IFFReader.h"

#include "chunks/IFFWriter.h"
#include "media/ByteOrder.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstring>

CIFFReader::CIFFReader(CMedia& media, const char* groupID)
    : mMedia(&media)
{
    SetGroupID(groupID);
}

CIFFReader::~CIFFReader()
{
    mMedia = nullptr;
}

void CIFFReader::SetMedia(CMedia& media)
{
    mMedia = &media;
}

void CIFFReader::SetGroupID(const char* groupID)
{
    PackChunkID(mGroupID, groupID);
    mGroupID[4] = 0;
}

void CIFFReader::SetLittleEndian()
{
    mLittleEndian = true;
}

void CIFFReader::IgnorePadBytes()
{
    mSkipPadBytes = false;
}

CMedia& CIFFReader::Media()
{
    if (!mMedia)
        throw XInternalError();
    return *mMedia;
}

uint32_t CIFFReader::GetSize(const uint8_t* field) const
{
    return mLittleEndian ? GetLE32(field) : GetBE32(field);
}

bool CIFFReader::FindChunk(const char* id, uint32_t& size)
{
    CMedia& media = Media();
    uint8_t wanted[4];
    PackChunkID(wanted, id);

    uint8_t group[12];
    media.SetPosition(0);
    media.Read(sizeof group, group);
    const uint32_t groupSize = GetSize(group + 4);
    if (std::memcmp(group, mGroupID, 4) != 0 || groupSize < 4)
        throw XBadFormat();

    // Bytes after the group are ignored; a group claiming more than the medium
    // holds ends with the medium.
    const int64_t end = std::min<int64_t>(int64_t{groupSize} + 8, media.GetSize());
    int64_t position = 12;

    uint8_t header[8];
    media.Read(sizeof header, header);
    while (std::memcmp(header, wanted, 4) != 0) {
        const uint32_t chunkSize = GetSize(header + 4);
        position += int64_t{chunkSize} + 8;
        if (mSkipPadBytes && (chunkSize & 1))
            ++position;
        if (position + 8 >= end)
            return false;
        media.SetPosition(static_cast<int32_t>(position));
        media.Read(sizeof header, header);
    }
    size = GetSize(header + 4);
    return true;
}

bool CIFFReader::ReadChunkData(const char* id, void* destination, int32_t offset, int32_t count, uint32_t& size)
{
    if (!FindChunk(id, size))
        return false;
    Media().Skip(offset);
    Media().Read(count, destination);
    return true;
}

bool CIFFReader::ReadChunkData(const char* id, void* destination, int32_t offset, int32_t count)
{
    uint32_t size = 0;
    return ReadChunkData(id, destination, offset, count, size);
}

bool CIFFReader::ReadChunkData(const char* id, void* destination, int32_t count)
{
    return ReadChunkData(id, destination, 0, count);
}
