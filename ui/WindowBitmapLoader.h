#pragma once

#include <cstdint>
#include <memory>

class CBitmap;
class CPixelFormat;

// Where a window's bitmaps come from when the shared bitmap cache misses. The
// framework's shared default loader decodes the program's own "JPEG" resource
// item of the bitmap's identifier.
class CWindowBitmapLoader {
public:
    virtual ~CWindowBitmapLoader() = default;

    // The bitmap, owned by the caller, or null when the loader has none by that
    // identifier. Decoding failures come out as their exceptions.
    virtual std::unique_ptr<CBitmap> LoadBitmap(const CPixelFormat& format, int32_t id);

    static CWindowBitmapLoader& GetDefault();
};
