#include "chunks/IFFWriter.h"

#include "media/ByteOrder.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <cstring>

void PackChunkID(void* destination, const char* id)
{
    auto* out = static_cast<uint8_t*>(destination);
    std::memset(out, ' ', 4);
    for (int i = 0; id && i < 4 && id[i] != 0; ++i)
        out[i] = static_cast<uint8_t>(id[i]);
}

CIFFWriter::CIFFWriter(CMedia& media)
    : mMedia(&media)
{
}

CIFFWriter::~CIFFWriter()
{
    mMedia = nullptr;
}

void CIFFWriter::SetMedia(CMedia& media)
{
    mMedia = &media;
}

void CIFFWriter::SetLittleEndian()
{
    mLittleEndian = true;
}

CMedia& CIFFWriter::Media()
{
    if (!mMedia)
        throw XInternalError();
    return *mMedia;
}

void CIFFWriter::PutSize(uint8_t* field, uint32_t size) const
{
    if (mLittleEndian)
        SetLE32(field, size);
    else
        SetBE32(field, size);
}

void CIFFWriter::WriteBytes(int32_t count, const void* source)
{
    Media().Write(count, source);
}

void CIFFWriter::OpenGroup(const char* groupID, const char* type)
{
    // Chunks live inside the group, so the group must be the first thing opened.
    if (IsGroupOpen() || IsChunkOpen())
        throw XInternalError();
    CMedia& media = Media();
    uint8_t header[12];
    PackChunkID(header, groupID);
    PutSize(header + 4, kOpenSizeMarker);
    PackChunkID(header + 8, type);
    const int32_t start = media.GetPosition();
    media.Write(sizeof header, header);
    mGroupStart = start;
}

void CIFFWriter::CloseGroup()
{
    if (!IsGroupOpen() || IsChunkOpen())
        throw XInternalError();
    const int32_t start = mGroupStart;
    mGroupStart = kNotOpen;
    Close(start);
}

void CIFFWriter::OpenChunk(const char* id)
{
    if (IsChunkOpen())
        throw XInternalError();
    CMedia& media = Media();
    uint8_t header[8];
    PackChunkID(header, id);
    PutSize(header + 4, kOpenSizeMarker);
    const int32_t start = media.GetPosition();
    media.Write(sizeof header, header);
    mChunkStart = start;
}

void CIFFWriter::CloseChunk()
{
    if (!IsChunkOpen())
        throw XInternalError();
    const int32_t start = mChunkStart;
    mChunkStart = kNotOpen;
    Close(start);
}

void CIFFWriter::WriteChunk(const char* id, const void* source, int32_t count)
{
    OpenChunk(id);
    WriteBytes(count, source);
    CloseChunk();
}

void CIFFWriter::Close(int32_t start)
{
    CMedia& media = Media();
    const int32_t end = media.GetPosition();
    // For a group this counts the 4 type bytes and everything written inside it,
    // the inner chunks' pad bytes included; a chunk's own pad byte is not counted.
    const int64_t size = int64_t{end} - start - 8;
    if (size < 0)
        throw XInternalError();
    uint8_t field[4];
    PutSize(field, static_cast<uint32_t>(size));
    media.SetPosition(start + 4);
    media.Write(sizeof field, field);
    media.SetPosition(end);
    if (size & 1)
        media.WriteByte(0);
}
