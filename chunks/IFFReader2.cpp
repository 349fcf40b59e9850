#include "chunks/IFFReader2.h"

#include "media/ByteOrder.h"
#include "media/PartialMedia.h"
#include "media/XBase.h"

#include <cstring>

CIFFReader2::CIFFReader2(CMedia& medium)
    : mMedia(&medium)
{
}

CIFFReader2::CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk)
{
    // A child that cannot be made stays empty rather than failing its owner.
    try {
        mOwnedWindow.reset(parent.OpenChunkMedia(chunk));
        mParent = &parent;
        mMedia = mOwnedWindow.get();
        mChunk = chunk;
    } catch (const XBase&) {
    }
}

CIFFReader2::~CIFFReader2() = default;

void CIFFReader2::ReadHeader(CIFFChunkInfo& chunk)
{
    const int32_t position = mMedia->GetPosition();
    uint8_t header[8];
    mMedia->Read(8, header);
    char id[5];
    UnpackFourCC(header, id);
    const uint32_t size = GetBE32(header + 4);

    int32_t kind = kSimpleChunk;
    if (std::strcmp(id, "FORM") == 0)
        kind = kFormChunk;
    else if (std::strcmp(id, "CAT ") == 0)
        kind = kCatChunk;
    else if (std::strcmp(id, "LIST") == 0)
        kind = kListChunk;

    int64_t dataSize = size;
    if (kind != kSimpleChunk) {
        uint8_t type[4];
        mMedia->Read(4, type);
        UnpackFourCC(type, id);
        dataSize -= 4;
    }
    // A chunk that ends before it starts or runs past the end of its medium is
    // refused here, so no later step computes with its size.
    const int64_t headerSize = kind == kSimpleChunk ? 8 : 12;
    if (dataSize < 0 || int64_t{position} + headerSize + dataSize > mMedia->GetSize())
        throw XBase();
    chunk = CIFFChunkInfo(kind, id, position, static_cast<int32_t>(dataSize));
}

bool CIFFReader2::GetFirstChunk(CIFFChunkInfo& chunk)
{
    mMedia->SetPosition(0);
    if (mMedia->GetSize() < 8)
        return false;
    ReadHeader(chunk);
    return true;
}

bool CIFFReader2::GetNextChunk(CIFFChunkInfo current, CIFFChunkInfo& next)
{
    int64_t nextPosition = int64_t{current.GetPosition()} + current.GetTotalSize();
    if (nextPosition % 2 != 0)
        ++nextPosition; // the pad byte
    const int32_t size = mMedia->GetSize();
    if (nextPosition == size)
        return false;
    if (nextPosition > size)
        throw XBase();
    mMedia->SetPosition(static_cast<int32_t>(nextPosition));
    ReadHeader(next);
    return true;
}

bool CIFFReader2::FindKind(int32_t kind, const char* id, CIFFChunkInfo& chunk)
{
    if (!GetFirstChunk(chunk))
        return false;
    do {
        if (chunk.GetKind() == kind && chunk.IDIs(id))
            return true;
    } while (GetNextChunk(chunk, chunk));
    return false;
}

bool CIFFReader2::FindChunk(const char* id, CIFFChunkInfo& chunk)
{
    return FindKind(kSimpleChunk, id, chunk);
}

bool CIFFReader2::FindForm(const char* type, CIFFChunkInfo& chunk)
{
    return FindKind(kFormChunk, type, chunk);
}

bool CIFFReader2::FindCat(const char* type, CIFFChunkInfo& chunk)
{
    return FindKind(kCatChunk, type, chunk);
}

bool CIFFReader2::FindList(const char* type, CIFFChunkInfo& chunk)
{
    return FindKind(kListChunk, type, chunk);
}

int32_t CIFFReader2::CountChunks()
{
    const int32_t saved = mMedia->GetPosition();
    int32_t count = 0;
    CIFFChunkInfo chunk;
    if (GetFirstChunk(chunk)) {
        do {
            ++count;
        } while (GetNextChunk(chunk, chunk));
    }
    mMedia->SetPosition(saved);
    return count;
}

void CIFFReader2::ReadChunkData(const CIFFChunkInfo& chunk, void* destination)
{
    // A failed read is not reported: the callers check the data they get. The
    // destination is cleared then, so nobody checks bytes that were never set.
    std::unique_ptr<CMedia> window(OpenChunkMedia(chunk));
    try {
        window->Read(chunk.GetDataSize(), destination);
    } catch (const XBase&) {
        std::memset(destination, 0, chunk.GetDataSize());
    }
}

CMedia* CIFFReader2::OpenChunkMedia(const CIFFChunkInfo& chunk)
{
    const int64_t start = int64_t{chunk.GetPosition()} + chunk.GetHeaderSize();
    if (start > INT32_MAX)
        throw XBase();
    return new CPartialMedia(*mMedia, static_cast<int32_t>(start), chunk.GetDataSize(), CPartialMedia::EExtent::kFixed);
}
