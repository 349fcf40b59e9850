#include "audio/WaveSample.h"

#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <cstring>

namespace {

std::unique_ptr<CMemoryMedia> MakeZeroFilled(int32_t length)
{
    const int64_t size = int64_t{length} * 2 + 1024;
    if (length < 0 || size > INT32_MAX)
        throw XOutOfMemory();
    auto media = std::make_unique<CMemoryMedia>(static_cast<int32_t>(size));
    std::memset(media->GetBuffer(), 0, static_cast<size_t>(size));
    return media;
}

} // namespace

CWaveSample::CWaveSample(const char* name, int32_t rate, int32_t length)
    : CWaveSample(name, rate, length, MakeZeroFilled(length))
{
}

CWaveSample::CWaveSample(const char* name, int32_t rate, int32_t length, std::unique_ptr<CMemoryMedia> media)
    : mRate(rate)
    , mLength(length)
    , mData(std::move(media))
{
    if (!mData)
        throw XInternalError();
    SetName(name);
}

CWaveSample::~CWaveSample() = default;

void CWaveSample::SetName(const char* name)
{
    std::memset(mName, 0, sizeof mName);
    if (name)
        std::strncpy(mName, name, kNameSize - 1);
}

uint8_t* CWaveSample::GetDataPointer()
{
    return mData->GetBuffer();
}

void CWaveSample::SetSecondMedia(std::unique_ptr<CMedia> media)
{
    mSecond = std::move(media);
}
