#include "chunks/IFFReader.h"

#include "chunks/IFFWriter.h"
#include "media/ByteOrder.h"
#include "media/Media.h"
#include "media/XBase.h"

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

    // The walk ends at the group's stated end; bytes after it are ignored. A group
    // that claims more than the medium holds was cut short: a search that runs
    // past the medium's end fails as a short read would, because the chunk it
    // looks for may have been in the part that is missing.
    const int64_t end = int64_t{groupSize} + 8;
    const int64_t mediaSize = media.GetSize();
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
        if (position + 8 > mediaSize)
            throw XRead();
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
