#include "images/Canvas.h"

#include "images/Bitmap.h"
#include "images/FontCache.h"
#include "media/XBase.h"

#include <utility>

using WindowPort::EMix;
using WindowPort::SPoint;
using WindowPort::SRect;

CCanvas::CCanvas(WindowPort::WindowHandle window)
    : mWindow(window), mBackground(WindowPort::GetSystemColour(WindowPort::ESystemColour::kFace3D))
{
    if (!WindowPort::IsWindow(window))
        throw XBase();
    WindowPort::ResetClip(window);
    mMetrics = WindowPort::GetTextMetrics(WindowPort::GetSystemFont());
}

CCanvas::~CCanvas()
{
    CFontCache::Get().Release(mFont);
    if (mClipped)
        WindowPort::ResetClip(mWindow);
}

void CCanvas::SetColour(const CColour& colour)
{
    mColour = colour.ToPlatform();
}

CColour CCanvas::GetColour() const
{
    return CColour::FromPlatform(mColour);
}

CColour CCanvas::GetBackground() const
{
    return CColour::FromPlatform(mBackground);
}

void CCanvas::FillRect(const SRect& rect)
{
    WindowPort::FillRect(mWindow, rect, mColour, mMix);
}

void CCanvas::FillRectWith(const SRect& rect, const CColour& colour)
{
    const CColour remembered = GetColour();
    SetColour(colour);
    FillRect(rect);
    SetColour(remembered);
}

void CCanvas::EraseRect(const SRect& rect)
{
    FillRectWith(rect, GetBackground());
}

void CCanvas::FrameRect(const SRect& rect)
{
    Polyline({{rect.left, rect.top},
              {rect.right - 1, rect.top},
              {rect.right - 1, rect.bottom - 1},
              {rect.left, rect.bottom - 1},
              {rect.left, rect.top}});
}

// A horizontal or vertical line is drawn from its smaller end to one past its
// larger one, so both ends show although the platform leaves out a line's last
// point. Ordering both axes separately would turn a line that rises on one axis
// while it falls on the other into the opposite diagonal, which no caller asks
// for; such a line is drawn between its own two ends instead, its last point
// added as a single pixel so that each pixel is drawn once in every mode.
void CCanvas::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (x1 != x2 && y1 != y2) {
        Polyline({{x1, y1}, {x2, y2}});
        Polyline({{x2, y2}, {x2 + 1, y2}});
        return;
    }
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (y1 != y2)
        ++y2;
    if (x1 != x2)
        ++x2;
    Polyline({{x1, y1}, {x2, y2}});
}

void CCanvas::HorizontalLine(int32_t x1, int32_t x2, int32_t y)
{
    Line(x1, y, x2, y);
}

void CCanvas::VerticalLine(int32_t x, int32_t y1, int32_t y2)
{
    Line(x, y1, x, y2);
}

void CCanvas::SetDrawingMode(int32_t mode)
{
    switch (EDrawingMode(mode)) {
    case EDrawingMode::kMerge:
        mMix = EMix::kMerge;
        break;
    case EDrawingMode::kInvert:
        mMix = EMix::kInvert;
        break;
    default:
        mMix = EMix::kCopy;
        break;
    }
    mOpaqueText = mMix == EMix::kCopy;
}

int32_t CCanvas::GetDrawingMode() const
{
    switch (mMix) {
    case EMix::kInvert:
        return int32_t(EDrawingMode::kInvert);
    case EMix::kMerge:
        return int32_t(EDrawingMode::kMerge);
    case EMix::kCopy:
        break;
    }
    return int32_t(EDrawingMode::kCopy);
}

void CCanvas::SetFont(const SFontRecord& record)
{
    if (mFont != nullptr && mFont->GetRecord() == record)
        return;
    CFontCache& cache = CFontCache::Get();
    cache.Release(std::exchange(mFont, nullptr));
    mMetrics = WindowPort::GetTextMetrics(WindowPort::GetSystemFont());
    mFont = cache.Acquire(record);
    mMetrics = WindowPort::GetTextMetrics(mFont->GetHandle());
}

void CCanvas::DrawText(int32_t x, int32_t y, const std::string& text)
{
    WindowPort::DrawText(mWindow, x, y - mMetrics.ascent, text, GetFontHandle(), mColour,
                         mOpaqueText ? &mBackground : nullptr);
}

int32_t CCanvas::TextWidth(const std::string& text) const
{
    return WindowPort::GetTextExtent(GetFontHandle(), text).width;
}

void CCanvas::DrawTextInRect(const SRect& rect, const std::string& text)
{
    const int32_t left = rect.left + (rect.Width() - TextWidth(text)) / 2;
    const int32_t top = rect.top + (rect.Height() - GetLineHeight()) / 2;
    DrawText(left, top + GetAscent(), text);
}

void CCanvas::DrawTextLeft(const SRect& rect, const std::string& text)
{
    const int32_t top = rect.top + (rect.Height() - GetLineHeight()) / 2;
    DrawText(rect.left + 2, top + GetAscent() - 1, text);
}

void CCanvas::CopyBitmap(int32_t x, int32_t y, const CBitmap& bitmap, const SRect& source)
{
    WindowPort::CopyPixels(mWindow, x, y, bitmap.GetPixels(), bitmap.GetWidth(), bitmap.GetHeight(), source);
}

SPoint CCanvas::ClientToScreen(SPoint point) const
{
    return WindowPort::ClientToScreen(mWindow, point);
}

SPoint CCanvas::ScreenToClient(SPoint point) const
{
    return WindowPort::ScreenToClient(mWindow, point);
}

SRect CCanvas::ClientToScreen(const SRect& rect) const
{
    const SPoint topLeft = ClientToScreen(SPoint{rect.left, rect.top});
    return {topLeft.x, topLeft.y, topLeft.x + rect.Width(), topLeft.y + rect.Height()};
}

SRect CCanvas::ScreenToClient(const SRect& rect) const
{
    const SPoint topLeft = ScreenToClient(SPoint{rect.left, rect.top});
    return {topLeft.x, topLeft.y, topLeft.x + rect.Width(), topLeft.y + rect.Height()};
}

void CCanvas::SetClipRect(const SRect& clip)
{
    WindowPort::SetClipRect(mWindow, clip);
    mClipped = true;
}

void CCanvas::ResetClip()
{
    WindowPort::ResetClip(mWindow);
    mClipped = false;
}

SRect CCanvas::GetClipBox() const
{
    return WindowPort::GetClipBox(mWindow);
}

WindowPort::FontHandle CCanvas::GetFontHandle() const
{
    return mFont != nullptr ? mFont->GetHandle() : WindowPort::GetSystemFont();
}

void CCanvas::Polyline(const std::vector<SPoint>& points)
{
    WindowPort::Polyline(mWindow, points, mColour, mMix);
}
