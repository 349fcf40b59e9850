#include "app/ModInfo.h"

#include "app/ModConstants.h"

#include <cstring>

namespace {

void ReadText(char* field, const uint8_t* source, int32_t limit)
{
    const void* end = std::memchr(source, 0, limit);
    const int32_t length = end ? static_cast<int32_t>(static_cast<const uint8_t*>(end) - source) : limit;
    std::memcpy(field, source, length);
    field[length] = 0;
}

void WriteText(uint8_t* image, const char* field, int32_t limit)
{
    std::memcpy(image, field, strnlen(field, limit));
}

} // namespace

CModInfo::CModInfo()
    : mVersion(kModInfoVersion)
{
}

void CModInfo::WriteImage(uint8_t* image) const
{
    std::memset(image, 0, kImageSize);
    WriteText(image + kCommentsOffset, mComments, kCommentsLimit);
    WriteText(image + kFtpOffset, mFtpAddress, kAddressLimit);
    WriteText(image + kWwwOffset, mWwwAddress, kAddressLimit);
    WriteText(image + kModNameOffset, mModName, kModNameLimit);
    mVersion.WriteLong(image + kVersionOffset);
}

void CModInfo::ReadImage(const uint8_t* image)
{
    ReadText(mComments, image + kCommentsOffset, kCommentsLimit);
    ReadText(mFtpAddress, image + kFtpOffset, kAddressLimit);
    ReadText(mWwwAddress, image + kWwwOffset, kAddressLimit);
    ReadText(mModName, image + kModNameOffset, kModNameLimit);
    if (image[kVersionOffset] == 0)
        mVersion = CVersion(1, 0, 0);
    else
        mVersion.ReadLong(image + kVersionOffset);
}
