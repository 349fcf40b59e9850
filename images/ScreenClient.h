#pragma once

#include "images/Bitmap.h"
#include "images/PixelFormat.h"
#include "platform/WindowPort.h"

#include <cstdint>
#include <memory>

// What the screen object needs of the application above it: word that the
// colour table changed, and the bitmaps its cache misses. The application
// implements it, so this layer never names the application's classes.
class CScreenClient {
public:
    virtual ~CScreenClient() = default;
    virtual void ColourTableChanged(const CPixelFormat& format) = 0;
    // The bitmap `id` for the window, owned by the caller; null when there is none.
    virtual std::unique_ptr<CBitmap> LoadWindowBitmap(WindowPort::WindowHandle window, const CPixelFormat& format,
                                                      int32_t id) = 0;
};
