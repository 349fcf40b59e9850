#include "chunks/IFFWriter2.h"

#include "media/ByteOrder.h"
#include "media/PartialMedia.h"
#include "media/XBase.h"

CIFFWriter2::CIFFWriter2(CMedia& medium)
    : mMedia(&medium)
{
}

CIFFWriter2::CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk)
{
    try {
        mOwnedWindow.reset(parent.OpenChunkMedia(chunk));
        mParent = &parent;
        mMedia = mOwnedWindow.get();
        mChunk = chunk;
    } catch (const XBase&) {
    }
}

CIFFWriter2::~CIFFWriter2() = default;

CIFFChunkInfo& CIFFWriter2::BeginGroup(CIFFChunkInfo& chunk, int32_t kind, const char* groupID, const char* type)
{
    const int32_t position = mMedia->GetPosition();
    uint8_t header[12] = {};
    PackFourCC(header, groupID);
    PackFourCC(header + 8, type);
    mMedia->Write(12, header);
    chunk = CIFFChunkInfo(kind, type, position, 0);
    return chunk;
}

CIFFChunkInfo& CIFFWriter2::BeginForm(CIFFChunkInfo& chunk, const char* type)
{
    return BeginGroup(chunk, kFormChunk, "FORM", type);
}

CIFFChunkInfo& CIFFWriter2::BeginCat(CIFFChunkInfo& chunk, const char* type)
{
    return BeginGroup(chunk, kCatChunk, "CAT ", type);
}

CIFFChunkInfo& CIFFWriter2::BeginList(CIFFChunkInfo& chunk, const char* type)
{
    return BeginGroup(chunk, kListChunk, "LIST", type);
}

CIFFChunkInfo& CIFFWriter2::BeginChunk(CIFFChunkInfo& chunk, const char* id)
{
    const int32_t position = mMedia->GetPosition();
    uint8_t header[8] = {};
    PackFourCC(header, id);
    mMedia->Write(8, header);
    chunk = CIFFChunkInfo(kSimpleChunk, id, position, 0);
    return chunk;
}

void CIFFWriter2::EndChunk(const CIFFChunkInfo& chunk)
{
    const int32_t end = mMedia->GetPosition();
    // For a group this counts the type and all contents, their pad bytes included.
    const int64_t size = int64_t{end} - (int64_t{chunk.GetPosition()} + 8);
    if (size < 0 || size > UINT32_MAX)
        throw XWrite();
    uint8_t field[4];
    SetBE32(field, static_cast<uint32_t>(size));
    mMedia->SetPosition(chunk.GetPosition() + 4);
    mMedia->Write(4, field);
    mMedia->SetPosition(end);
    if (end % 2 != 0)
        mMedia->WriteByte(0);
}

void CIFFWriter2::WriteChunk(const char* id, int32_t count, const void* source)
{
    CIFFChunkInfo chunk;
    BeginChunk(chunk, id);
    {
        std::unique_ptr<CMedia> window(OpenChunkMedia(chunk));
        window->Write(count, source);
    }
    EndChunk(chunk);
}

CMedia* CIFFWriter2::OpenChunkMedia(const CIFFChunkInfo& chunk)
{
    const int64_t start = int64_t{chunk.GetPosition()} + chunk.GetHeaderSize();
    if (start > INT32_MAX)
        throw XWrite();
    return new CPartialMedia(*mMedia, static_cast<int32_t>(start), 0);
}
