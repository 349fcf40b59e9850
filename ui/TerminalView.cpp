#include "ui/TerminalView.h"

#include "images/Canvas.h"
#include "ui/ABCWindow.h"

#include <algorithm>

namespace {

int32_t RowsFor(const SViewRect& bounds, int32_t lineHeight)
{
    return lineHeight > 0 ? std::max(bounds.Height(), 0) / lineHeight : 0;
}

} // namespace

SFontRecord CTerminalView::GetFontRecord()
{
    return SFontRecord("MS Sans Serif", 9);
}

CColour CTerminalView::GetBackgroundColour()
{
    return CColour(0xE600, 0xE600, 0xE600);
}

CTerminalView::CTerminalView(CGroupView* parent, uint16_t capacity, int32_t lineWidth)
    : CView(parent), mRing(capacity, lineWidth)
{
}

void CTerminalView::AppendLine(const char* text)
{
    mRing.AppendLine(text != nullptr ? std::string_view(text) : std::string_view(), CountRows());
}

int32_t CTerminalView::CountRows() const
{
    const CABCWindow* window = GetWindow();
    if (window == nullptr)
        return 0;
    CCanvas canvas(window->GetHandle());
    canvas.SetFont(GetFontRecord());
    return RowsFor(GetBounds(), canvas.GetLineHeight());
}

void CTerminalView::Draw(CCanvas& canvas)
{
    const SViewRect& bounds = GetBounds();
    canvas.FillRectWith(bounds.ToPort(), GetBackgroundColour());
    canvas.SetFont(GetFontRecord());
    canvas.SetDrawingMode(static_cast<int32_t>(EDrawingMode::kMerge));
    const int32_t lineHeight = canvas.GetLineHeight();
    const std::vector<int32_t> shown = mRing.GetShownLines(RowsFor(bounds, lineHeight));
    for (size_t i = 0; i < shown.size(); ++i) {
        const int32_t baseline = bounds.top + canvas.GetAscent() + static_cast<int32_t>(i) * lineHeight;
        canvas.DrawText(bounds.left + kTextInset, baseline, mRing.GetLine(shown[i]));
    }
}

void CTerminalView::Update()
{
    const CABCWindow* window = GetWindow();
    if (window == nullptr || !mRing.TakeChange())
        return;
    // A canvas of its own: its clip ends with it, leaving the window's as it was.
    CCanvas canvas(window->GetHandle());
    canvas.SetClipRect(GetBounds().ToPort());
    Draw(canvas);
}
