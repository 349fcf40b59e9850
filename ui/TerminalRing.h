#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The terminal view's line store: a fixed ring of line buffers, allocated once,
// with the first shown line and the redraw bookkeeping. Rows are passed in as a
// number, so everything here is checked without a window or a font.
//
// `top` counts from the oldest stored line, before and after the ring wraps: the
// first shown line is the one at ring index (oldest + top) mod capacity, and
// the scroll position is top itself. When the ring overwrites its oldest line
// top drops by one, so the same lines stay in view.
class CTerminalRing {
public:
    // XBase when capacity is 0 or lineWidth is negative.
    CTerminalRing(uint16_t capacity, int32_t lineWidth);

    // Empties every line; next, oldest, used and top become 0.
    void Clear();
    // Stores at most lineWidth characters of `text` (up to a zero, if any) at
    // next; carriage returns and line feeds are kept like any character. Once
    // more lines are stored than `rows` shows, top moves on by one: the shown
    // block ends with the line before the newest.
    void AppendLine(std::string_view text, int32_t rows);

    int32_t GetTopLine() const { return mTop; }
    int32_t GetScrollPosition() const { return mTop; }
    // Clamped to 0 .. used - 1, so no position shows past the stored lines.
    void SetScrollPosition(int32_t position);

    int32_t GetCapacity() const { return mCapacity; }
    int32_t GetLineWidth() const { return mLineWidth; }
    int32_t GetUsed() const { return mUsed; }
    int32_t GetOldest() const { return mOldest; }
    int32_t GetNext() const { return mNext; }
    // The zero-terminated line at a ring index (0 .. capacity - 1).
    const char* GetLine(int32_t ringIndex) const;

    // The ring indices drawn on rows 0, 1, ...: at most `rows` lines from top
    // on, and none beyond the newest stored line.
    std::vector<int32_t> GetShownLines(int32_t rows) const;

    // True when the lines or the scroll position changed since the last call
    // that returned true; each call records the present state as drawn. After
    // the ring wraps used and top stay put, so the oldest line counts as well.
    bool TakeChange();

private:
    char* LineAt(int32_t ringIndex);

    int32_t mCapacity = 0;
    int32_t mLineWidth = 0;
    std::vector<char> mBuffers; // capacity buffers of lineWidth + 1 characters
    int32_t mNext = 0;
    int32_t mOldest = 0;
    int32_t mUsed = 0;
    int32_t mTop = 0;
    int32_t mDrawnUsed = 0;
    int32_t mDrawnTop = 0;
    int32_t mDrawnOldest = 0;
};
