#include "files/OSVersion.h"

#include "files/FileSpec.h"
#include "media/ByteOrder.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "platform/system/SystemDirectory.h"
#include "platform/system/SystemInfo.h"

CVersion GetOSVersion()
{
    int major = 0;
    int minor = 0;
    if (!SystemInfo::GetKernelVersion(major, minor))
        throw XBase();
    return CVersion(static_cast<uint8_t>(major), static_cast<uint8_t>(minor));
}

void CheckOSVersion()
{
    CheckOSVersion(GetOSVersion());
}

void CheckOSVersion(const CVersion& running)
{
    if (!running.IsAtLeast(kOldestOSVersion))
        throw ZOS_TOO_OLD_EXCEPTION();
}

CVersion VersionFromFileWords(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4)
{
    // The fields are bytes: a number that does not fit is refused, not wrapped.
    const int32_t build = w4 % 1000;
    if (w1 > 255 || w2 > 255 || w3 > 255 || build > 255)
        throw XBadFormat();
    const int32_t stage = w4 / 1000;
    return CVersion(static_cast<uint8_t>(w1), static_cast<uint8_t>(w2), static_cast<uint8_t>(w3),
                    static_cast<uint8_t>(build), stage >= 1 && stage <= 4 ? stage : CVersion::kRelease);
}

CVersion GetFileVersion(const CFileSpec& file)
{
    if (!file.Exists())
        throw XFileNotFound();
    const std::string program = SystemModule::GetModulePath();
    if (program.empty() || !SystemDirectory::IsSameFile(file.GetFullPath().c_str(), program.c_str()))
        throw XBase();
    return GetProgramVersion();
}

CVersion GetProgramVersion()
{
    const SEmbeddedResource* item = EmbeddedResources::Find(kVersionResourceType, kVersionResourceId);
    if (item == nullptr)
        throw XBase();
    if (item->size != 8)
        throw XBadFormat();
    const unsigned char* words = item->data;
    return VersionFromFileWords(GetBE16(words), GetBE16(words + 2), GetBE16(words + 4), GetBE16(words + 6));
}
