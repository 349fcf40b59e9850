#include "media/OpenResourceItem.h"

#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

CResourceModule::CResourceModule(const char* modulePath)
{
    if (modulePath == nullptr || *modulePath == 0)
        return;
    if (SystemModule::GetModulePath() != modulePath)
        throw XFile();
}

const SEmbeddedResource& CResourceModule::FindItem(const char* type, uint16_t id) const
{
    const SEmbeddedResource* item = EmbeddedResources::Find(type, id);
    if (item == nullptr)
        throw XBase();
    if (item->size > INT32_MAX)
        throw XFile();
    return *item;
}

CMemoryMedia* CResourceModule::LoadResourceIntoMemory(const char* type, uint16_t id) const
{
    const SEmbeddedResource& item = FindItem(type, id);
    auto media = std::make_unique<CMemoryMedia>(static_cast<int32_t>(item.size));
    media->Write(static_cast<int32_t>(item.size), item.data);
    media->SetPosition(0);
    return media.release();
}

COpenResourceItem::COpenResourceItem(const char* modulePath, const char* type, uint16_t id)
    : mId(id)
    , mModule(modulePath)
{
    std::strncpy(mType, type, 4);
}

void COpenResourceItem::Read(int32_t size, void* buffer)
{
    const SEmbeddedResource& item = mModule.FindItem(mType, mId);
    const int32_t count = std::min<int64_t>(std::max(size, 0), item.size);
    std::memcpy(buffer, item.data, count);
}

int32_t COpenResourceItem::GetSize()
{
    return static_cast<int32_t>(mModule.FindItem(mType, mId).size);
}
