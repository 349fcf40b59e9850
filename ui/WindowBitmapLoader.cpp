#include "ui/WindowBitmapLoader.h"

#include "images/Bitmap.h"
#include "images/JPEGLoader.h"
#include "platform/system/EmbeddedResources.h"

std::unique_ptr<CBitmap> CWindowBitmapLoader::LoadBitmap(const CPixelFormat& format, int32_t id)
{
    if (id < 0 || id > 0xFFFF || EmbeddedResources::Find("JPEG", uint16_t(id)) == nullptr)
        return nullptr;
    return LoadJPEGResource(format, uint16_t(id));
}

CWindowBitmapLoader& CWindowBitmapLoader::GetDefault()
{
    static CWindowBitmapLoader loader;
    return loader;
}
