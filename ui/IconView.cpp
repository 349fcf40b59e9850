#include "ui/IconView.h"

#include "images/Canvas.h"

namespace {

int32_t KnownKind(int32_t kind)
{
    return kind >= CIconView::kStop && kind <= CIconView::kExclamation ? kind : CIconView::kNone;
}

} // namespace

CIconView::CIconView(CGroupView* parent, const SViewRect& bounds, int32_t kind)
    : CView(parent, bounds)
    , mKind(KnownKind(kind))
{
}

void CIconView::SetKind(int32_t kind)
{
    mKind = KnownKind(kind);
    Invalidate();
}

void CIconView::Draw(CCanvas& canvas)
{
    canvas.EraseRect(GetBounds().ToPort());
    if (mKind == kNone)
        return;
    const WindowPort::EStandardIcon icon = mKind == kStop          ? WindowPort::EStandardIcon::kStop
                                           : mKind == kInformation ? WindowPort::EStandardIcon::kInformation
                                                                   : WindowPort::EStandardIcon::kExclamation;
    WindowPort::DrawStandardIcon(canvas.GetWindow(), GetBounds().ToPort(), icon);
}
