#pragma once

#include "images/Colour.h"
#include "images/FontRecord.h"
#include "platform/WindowPort.h"

#include <cstdint>
#include <string>
#include <vector>

class CBitmap;
class CFont;

// The drawing modes views set: how text treats its background, and how lines
// and fills meet the pixels already there.
enum class EDrawingMode : int32_t {
    kCopy = 20,   // opaque text; lines and fills replace the pixels
    kMerge = 21,  // transparent text; the colour is OR-ed into the pixels
    kInvert = 22, // transparent text; the pixels are inverted, the colour unused
};

// A drawing surface on one window's backing image for one drawing pass, with a
// current colour, a background colour, a drawing mode and a current font. Its
// fills and lines follow the original platform's pixel rules: a fill leaves out
// the right and bottom edge, a line its last point. Coordinates are the window's
// client coordinates.
class CCanvas {
public:
    // A window that does not exist: XBase.
    explicit CCanvas(WindowPort::WindowHandle window);
    virtual ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    WindowPort::WindowHandle GetWindow() const { return mWindow; }

    void SetColour(const CColour& colour);
    CColour GetColour() const;
    CColour GetBackground() const;

    void FillRect(const WindowPort::SRect& rect);
    void FillRectWith(const WindowPort::SRect& rect, const CColour& colour);
    void EraseRect(const WindowPort::SRect& rect);
    // The outline of the pixels left..right-1 across and top..bottom-1 down.
    void FrameRect(const WindowPort::SRect& rect);
    // Both end points included.
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void HorizontalLine(int32_t x1, int32_t x2, int32_t y);
    void VerticalLine(int32_t x, int32_t y1, int32_t y2);

    // Modes other than 21 and 22 draw as 20.
    void SetDrawingMode(int32_t mode);
    int32_t GetDrawingMode() const;

    // XBase when no font can be made for the record; the canvas then has none.
    void SetFont(const SFontRecord& record);
    int32_t GetLineHeight() const { return mMetrics.height; }
    int32_t GetAscent() const { return mMetrics.ascent; }
    // The text with its baseline at y.
    void DrawText(int32_t x, int32_t y, const std::string& text);
    int32_t TextWidth(const std::string& text) const;
    void DrawTextInRect(const WindowPort::SRect& rect, const std::string& text);
    void DrawTextLeft(const WindowPort::SRect& rect, const std::string& text);

    // The source rectangle of the bitmap to (x, y), unchanged.
    void CopyBitmap(int32_t x, int32_t y, const CBitmap& bitmap, const WindowPort::SRect& source);

    WindowPort::SPoint ClientToScreen(WindowPort::SPoint point) const;
    WindowPort::SPoint ScreenToClient(WindowPort::SPoint point) const;
    WindowPort::SRect ClientToScreen(const WindowPort::SRect& rect) const;
    WindowPort::SRect ScreenToClient(const WindowPort::SRect& rect) const;

    // Drawing is cut to the clip rectangle: the whole client area until it is
    // set, and again after the canvas, as each drawing pass starts afresh.
    void SetClipRect(const WindowPort::SRect& clip);
    void ResetClip();
    WindowPort::SRect GetClipBox() const;

private:
    WindowPort::FontHandle GetFontHandle() const;
    void Polyline(const std::vector<WindowPort::SPoint>& points);

    WindowPort::WindowHandle mWindow = 0;
    CFont* mFont = nullptr; // the font cache's; given back on a change and at the end
    WindowPort::SColour mColour;
    WindowPort::SColour mBackground;
    WindowPort::EMix mMix = WindowPort::EMix::kCopy;
    bool mOpaqueText = true;
    bool mClipped = false;
    WindowPort::STextMetrics mMetrics;
};
