#pragma once

#include "images/Colour.h"
#include "images/FontRecord.h"
#include "ui/TerminalRing.h"
#include "ui/View.h"

#include <cstdint>

// The last lines of a text log, one line per row, newest at the bottom. Callers
// append whole lines; the view keeps them in a fixed ring, scrolls by itself
// once its rows are full, lets its owner set the scroll position, and redraws
// only when the lines or the scroll position changed.
class CTerminalView : public CView {
public:
    // The shared display settings of every terminal view.
    static SFontRecord GetFontRecord();     // "MS Sans Serif" 9, no style
    static CColour GetBackgroundColour();   // 0xE600 grey
    static constexpr int32_t kTextInset = 6; // pixels from the left edge to the text

    // XBase when capacity is 0 or lineWidth negative.
    CTerminalView(CGroupView* parent, uint16_t capacity, int32_t lineWidth);

    void Clear() { mRing.Clear(); }
    // Stores the line (cut to the line width); the next update draws it.
    void AppendLine(const char* text);
    int32_t GetTopLine() const { return mRing.GetTopLine(); }
    int32_t GetScrollPosition() const { return mRing.GetScrollPosition(); }
    void SetScrollPosition(int32_t position) { mRing.SetScrollPosition(position); }
    const CTerminalRing& GetRing() const { return mRing; }

    // The background, then the shown lines in transparent mode, in the canvas's
    // current text colour.
    void Draw(CCanvas& canvas) override;
    // Draws at once, clipped to the bounds, when lines or scrolling changed.
    void Update() override;

    // Whole rows of the shared font in the view's height, measured on the
    // view's window; 0 without a window.
    int32_t CountRows() const;

private:
    CTerminalRing mRing;
};
