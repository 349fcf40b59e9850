#include "ui/TerminalRing.h"

#include "media/XBase.h"

#include <algorithm>
#include <cstring>

CTerminalRing::CTerminalRing(uint16_t capacity, int32_t lineWidth)
    : mCapacity(capacity), mLineWidth(lineWidth)
{
    if (capacity == 0 || lineWidth < 0)
        throw XBase();
    mBuffers.assign(static_cast<size_t>(capacity) * (static_cast<size_t>(lineWidth) + 1), 0);
}

void CTerminalRing::Clear()
{
    std::fill(mBuffers.begin(), mBuffers.end(), 0);
    mNext = mOldest = mUsed = mTop = 0;
}

void CTerminalRing::AppendLine(std::string_view text, int32_t rows)
{
    text = text.substr(0, std::min(text.find('\0'), static_cast<size_t>(mLineWidth)));
    char* line = LineAt(mNext);
    std::memcpy(line, text.data(), text.size());
    line[text.size()] = 0;
    mNext = (mNext + 1) % mCapacity;

    // The count before this line decides: with the rows full, the newest line
    // waits below the shown block until the owner scrolls to it.
    if (mUsed > rows)
        ++mTop;
    if (++mUsed > mCapacity) {
        mUsed = mCapacity;
        mOldest = (mOldest + 1) % mCapacity;
        if (mTop > 0)
            --mTop;
    }
}

void CTerminalRing::SetScrollPosition(int32_t position)
{
    mTop = std::clamp(position, 0, std::max(mUsed - 1, 0));
}

const char* CTerminalRing::GetLine(int32_t ringIndex) const
{
    return const_cast<CTerminalRing*>(this)->LineAt(ringIndex);
}

std::vector<int32_t> CTerminalRing::GetShownLines(int32_t rows) const
{
    std::vector<int32_t> shown;
    const int32_t count = std::clamp(std::min(rows, mUsed - mTop), 0, mUsed);
    for (int32_t i = 0; i < count; ++i)
        shown.push_back((mOldest + mTop + i) % mCapacity);
    return shown;
}

bool CTerminalRing::TakeChange()
{
    if (mUsed == mDrawnUsed && mTop == mDrawnTop && mOldest == mDrawnOldest)
        return false;
    mDrawnUsed = mUsed;
    mDrawnTop = mTop;
    mDrawnOldest = mOldest;
    return true;
}

char* CTerminalRing::LineAt(int32_t ringIndex)
{
    if (ringIndex < 0 || ringIndex >= mCapacity)
        throw XBase();
    return mBuffers.data() + static_cast<size_t>(ringIndex) * (static_cast<size_t>(mLineWidth) + 1);
}
