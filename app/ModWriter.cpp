#include "app/ModWriter.h"

#include "app/ModConstants.h"
#include "app/ModHeader.h"
#include "app/ModInfo.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int64_t kChunkHeaderSize = 8;

} // namespace

CModWriter::CModWriter(CMedia& target)
    : mWriter(target)
{
    mWriter.BeginCat(mCat, kModGroupType);
    mContents = std::make_unique<CIFFWriter2>(mWriter, mCat);
    if (mContents->GetMedia() == nullptr)
        throw XWrite();
    uint8_t block[CVersionedHeader::kBlockSize];
    CModHeader().WriteBlock(block);
    mContents->WriteChunk(kHeadChunkID, sizeof block, block);
}

CModWriter::~CModWriter() = default;

void CModWriter::AddComponent(const char* storedName, const void* bytes, int32_t size)
{
    // Positions and sizes of a mod are signed 32-bit: a component that would take
    // the file, with the text record still to come, past 2 GiB is refused before
    // any byte of it is written.
    const int64_t data = static_cast<int64_t>(std::strlen(storedName)) + 1 + size;
    const int64_t end = int64_t{mWriter.GetMedia()->GetPosition()} + kChunkHeaderSize + data + data % 2
        + kChunkHeaderSize + CModInfo::kImageSize;
    if (size < 0 || end > INT32_MAX)
        throw XTooLarge();
    CIFFChunkInfo chunk;
    mContents->BeginChunk(chunk, kComponentChunkID);
    {
        std::unique_ptr<CMedia> data(mContents->OpenChunkMedia(chunk));
        data->Write(static_cast<int32_t>(std::strlen(storedName)) + 1, storedName);
        data->Write(size, bytes);
    }
    mContents->EndChunk(chunk);
}

void CModWriter::Finish(const CModInfo& info)
{
    uint8_t image[CModInfo::kImageSize];
    info.WriteImage(image);
    mContents->WriteChunk(kInfoChunkID, sizeof image, image);
    mWriter.EndChunk(mCat);
}
