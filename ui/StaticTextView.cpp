#include "ui/StaticTextView.h"

#include "images/Canvas.h"
#include "images/FontCache.h"
#include "ui/ABCWindow.h"
#include "ui/DialogLayout.h"

namespace {

// The dialog font, "MS Sans Serif" 8, at the cell height of 8 points, the font
// the dialog layouts are measured in. A cell of 8 pixels, as the font record
// would read literally, gives text too small to read: the original platform
// had no such size of that face and showed its smallest, about as large as this.
SFontRecord DialogFont()
{
    return SFontRecord("MS Sans Serif", uint8_t(CDialogLayout::CellHeightForPoints(8)));
}

} // namespace

CStaticTextView::CStaticTextView(CGroupView* parent, const SViewRect& bounds, const std::string& text)
    : CView(parent, bounds)
{
    SetText(text);
}

void CStaticTextView::SetText(const std::string& text)
{
    mText = text.substr(0, kMaxTextLength);
}

void CStaticTextView::Update()
{
    CABCWindow* window = GetWindow();
    if (window == nullptr || (mText == mDrawnText && !EnabledChangedSinceDrawn()))
        return;
    CCanvas canvas(window->GetHandle());
    Draw(canvas);
}

void CStaticTextView::Draw(CCanvas& canvas)
{
    canvas.EraseRect(GetBounds().ToPort());
    const WindowPort::SColour colour = IsEnabled() ? WindowPort::SColour{0, 0, 0}
                                                   : WindowPort::GetSystemColour(WindowPort::ESystemColour::kButtonShadow);
    // The canvas draws single lines; the word wrapping is the platform's.
    CFontCache& fonts = CFontCache::Get();
    CFont* font = fonts.Acquire(DialogFont());
    WindowPort::DrawWrappedText(canvas.GetWindow(), GetBounds().ToPort(), mText, font->GetHandle(), colour);
    fonts.Release(font);
    mDrawnText = mText;
    SetDrawnEnabled();
}
