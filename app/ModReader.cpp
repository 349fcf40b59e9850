#include "app/ModReader.h"

#include "chunks/IFFReader2.h"
#include "media/ByteOrder.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Stored names are at most 263 characters: the pack run's name field holds 264.
constexpr int32_t kStoredNameRoom = 264;

} // namespace

CModReader::CModReader(CMedia& medium)
    : mMedium(medium)
{
    if (!CIFFReader2::IsIFFMedia(medium))
        throw XBadFormat();
    CIFFReader2 reader(medium);
    CIFFChunkInfo cat;
    if (!reader.FindCat(kModGroupType, cat))
        throw XBadFormat();
    CIFFReader2 contents(reader, cat);
    if (contents.GetMedia() == nullptr)
        throw XBadFormat();
    const int32_t contentsStart = cat.GetPosition() + cat.GetHeaderSize();

    bool haveHeader = false;
    bool haveInfo = false;
    CIFFChunkInfo chunk;
    if (!contents.GetFirstChunk(chunk))
        throw XBadFormat();
    do {
        if (chunk.GetKind() != kSimpleChunk)
            continue;
        if (chunk.IDIs(kHeadChunkID) && chunk.GetDataSize() == CVersionedHeader::kBlockSize && !haveHeader) {
            uint8_t block[CVersionedHeader::kBlockSize];
            contents.GetMedia()->Read(sizeof block, block);
            mHeader.ReadBlock(block);
            haveHeader = mHeader.GetCode() == kModMagic;
        } else if (chunk.IDIs(kInfoChunkID) && chunk.GetDataSize() == CModInfo::kImageSize && !haveInfo) {
            uint8_t image[CModInfo::kImageSize];
            contents.GetMedia()->Read(sizeof image, image);
            mInfo.ReadImage(image);
            haveInfo = true;
        } else if (chunk.IDIs(kComponentChunkID)) {
            ReadComponent(*contents.GetMedia(), contentsStart + chunk.GetPosition() + chunk.GetHeaderSize(),
                          chunk.GetDataSize());
        }
    } while (contents.GetNextChunk(chunk, chunk));
    if (!haveHeader || !haveInfo)
        throw XBadFormat();
}

bool CModReader::IsAbandoned(CMedia& medium)
{
    if (medium.GetSize() < 12)
        return false;
    uint8_t header[12];
    medium.ReadAt(0, sizeof header, header);
    return std::memcmp(header, "CAT ", 4) == 0 && GetBE32(header + 4) == 0
        && std::memcmp(header + 8, kModGroupType, 4) == 0;
}

void CModReader::ReadComponent(CMedia& contents, int32_t dataPosition, int32_t dataSize)
{
    char name[kStoredNameRoom];
    const int32_t nameRoom = std::min(dataSize, kStoredNameRoom);
    contents.Read(nameRoom, name);
    const void* end = std::memchr(name, 0, nameRoom);
    if (end == nullptr)
        throw XBadFormat();
    SModComponent component;
    component.storedName.assign(name, static_cast<const char*>(end) - name);
    const int32_t nameSize = static_cast<int32_t>(component.storedName.size()) + 1;
    component.contentPosition = dataPosition + nameSize;
    component.contentSize = dataSize - nameSize;
    mComponents.push_back(std::move(component));
}

void CModReader::ReadContent(const SModComponent& component, void* destination) const
{
    mMedium.ReadAt(component.contentPosition, component.contentSize, destination);
}
