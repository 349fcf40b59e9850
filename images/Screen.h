#pragma once

#include "images/Bitmap.h"
#include "images/Font.h"
#include "images/PixelFormat.h"
#include "platform/WindowPort.h"

#include <cstdint>
#include <list>
#include <memory>
#include <utility>

class CMedia;
class CScreenClient;

// The application's one screen object: the display's pixel format, the default
// font, and the cache of loaded bitmaps by identifier. Bitmaps it hands out stay
// its own until they are removed or the cache is emptied.
class CScreen {
public:
    // Makes the default font (XBase when it cannot be made) and the display's
    // pixel format, which also becomes the one images are decoded for. `client`
    // outlives the screen.
    explicit CScreen(CScreenClient& client);
    ~CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    // The screen object of the running application, or null.
    static CScreen* GetCurrent();

    const CPixelFormat& GetPixelFormat() const { return *mPixelFormat; }
    const CFont& GetDefaultFont() const { return *mDefaultFont; }

    // Empties the bitmap cache, makes the pixel format again and tells the client.
    // A failure is swallowed; the old pixel format then stays, never none.
    void RebuildColourTable();

    // The cached bitmap `id`, or the client's for the window, kept from then on;
    // null when there is none. A failure while loading comes out as it was thrown.
    CBitmap* GetBitmap(WindowPort::WindowHandle window, int32_t id);
    // The program's "JPEG" resource `id` decoded for `format` (XBase when there is
    // none), or a JPEG stream from the medium's position, cached under `id`.
    void AddJPEGBitmap(const CPixelFormat& format, int32_t id);
    void AddJPEGBitmapFromMedium(const CPixelFormat& format, int32_t id, CMedia& medium);
    // The size of GetBitmap(window, id); without a bitmap both are 0 and XBase is thrown.
    void GetBitmapSize(WindowPort::WindowHandle window, int32_t id, int32_t& width, int32_t& height);
    void RemoveBitmap(int32_t id);
    size_t GetCachedCount() const { return mBitmaps.size(); }

    WindowPort::SSize GetScreenSize() const;

private:
    // In insertion order; a second bitmap under one identifier stays behind the first.
    using BitmapList = std::list<std::pair<int32_t, std::unique_ptr<CBitmap>>>;

    BitmapList::iterator FindEntry(int32_t id);
    CBitmap* Add(int32_t id, std::unique_ptr<CBitmap> bitmap);

    CScreenClient& mClient;
    BitmapList mBitmaps;
    std::unique_ptr<CFont> mDefaultFont;
    std::unique_ptr<CPixelFormat> mPixelFormat;
};
