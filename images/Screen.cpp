#include "images/Screen.h"

#include "images/JPEGLoader.h"
#include "images/ScreenClient.h"
#include "media/XBase.h"

#include <algorithm>
#include <exception>
#include <limits>

namespace {

CScreen* gCurrent = nullptr;

// The display's depth as a decoder target. Qt shows true colour on any display,
// so a depth the decoders have no road for (an 8-bit display has no palette of
// its own here) decodes for 24 bits.
std::unique_ptr<CPixelFormat> MakeDisplayPixelFormat()
{
    const int32_t depth = WindowPort::GetScreenDepth();
    const bool decodable = depth == 16 || depth == 24 || depth == 32;
    auto format = std::make_unique<CPixelFormat>(uint8_t(decodable ? depth : 24));
    SetScreenPixelFormat(*format);
    return format;
}

} // namespace

CScreen::CScreen(CScreenClient& client)
    : mClient(client), mDefaultFont(std::make_unique<CFont>(GetDefaultFontRecord())),
      mPixelFormat(MakeDisplayPixelFormat())
{
    gCurrent = this;
}

CScreen::~CScreen()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

CScreen* CScreen::GetCurrent()
{
    return gCurrent;
}

void CScreen::RebuildColourTable()
{
    try {
        mBitmaps.clear();
        mPixelFormat = MakeDisplayPixelFormat();
        mClient.ColourTableChanged(*mPixelFormat);
    } catch (const std::exception&) {
        // The display keeps drawing with what there is; nothing a caller could mend.
    }
}

CBitmap* CScreen::GetBitmap(WindowPort::WindowHandle window, int32_t id)
{
    if (auto cached = FindEntry(id); cached != mBitmaps.end())
        return cached->second.get();
    std::unique_ptr<CBitmap> loaded = mClient.LoadWindowBitmap(window, *mPixelFormat, id);
    return loaded ? Add(id, std::move(loaded)) : nullptr;
}

void CScreen::AddJPEGBitmap(const CPixelFormat& format, int32_t id)
{
    if (id < 0 || id > std::numeric_limits<uint16_t>::max())
        throw XBase(); // no resource item has such a number
    Add(id, LoadJPEGResource(format, uint16_t(id)));
}

void CScreen::AddJPEGBitmapFromMedium(const CPixelFormat& format, int32_t id, CMedia& medium)
{
    Add(id, LoadJPEG(format, medium));
}

void CScreen::GetBitmapSize(WindowPort::WindowHandle window, int32_t id, int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    const CBitmap* bitmap = GetBitmap(window, id);
    if (bitmap == nullptr)
        throw XBase();
    width = bitmap->GetSize().width;
    height = bitmap->GetSize().height;
}

void CScreen::RemoveBitmap(int32_t id)
{
    if (auto found = FindEntry(id); found != mBitmaps.end())
        mBitmaps.erase(found);
}

WindowPort::SSize CScreen::GetScreenSize() const
{
    return WindowPort::GetScreenSize();
}

CScreen::BitmapList::iterator CScreen::FindEntry(int32_t id)
{
    return std::find_if(mBitmaps.begin(), mBitmaps.end(), [id](const auto& entry) { return entry.first == id; });
}

CBitmap* CScreen::Add(int32_t id, std::unique_ptr<CBitmap> bitmap)
{
    mBitmaps.emplace_back(id, std::move(bitmap));
    return mBitmaps.back().second.get();
}
