#include "ui/StaticTextView.h"

#include "images/Canvas.h"
#include "images/FontCache.h"
#include "ui/ABCWindow.h"

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
    CFont* font = fonts.Acquire(GetDefaultFontRecord());
    WindowPort::DrawWrappedText(canvas.GetWindow(), GetBounds().ToPort(), mText, font->GetHandle(), colour);
    fonts.Release(font);
    mDrawnText = mText;
    SetDrawnEnabled();
}
