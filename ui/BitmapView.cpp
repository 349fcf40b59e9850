#include "ui/BitmapView.h"

#include "images/Bitmap.h"
#include "images/Canvas.h"
#include "images/Screen.h"
#include "ui/ABCWindow.h"
#include "ui/Application.h"

CBitmapView::CBitmapView(CGroupView* parent, const SViewRect& bounds, int32_t bitmapId)
    : CView(parent, bounds)
    , mBitmapId(bitmapId)
{
}

void CBitmapView::Draw(CCanvas& canvas)
{
    const CApplication* application = GetApplication();
    const CABCWindow* window = GetWindow();
    if (application == nullptr || application->GetScreen() == nullptr || window == nullptr)
        return;
    const CBitmap* bitmap = application->GetScreen()->GetBitmap(window->GetHandle(), mBitmapId);
    if (bitmap == nullptr)
        return;
    canvas.CopyBitmap(GetBounds().left, GetBounds().top, *bitmap, {0, 0, bitmap->GetWidth(), bitmap->GetHeight()});
}
