#include "ui/GroupView.h"

#include "images/Canvas.h"

#include <algorithm>

CGroupView::CGroupView(CGroupView* parent, const SViewRect& bounds)
    : CView(parent, bounds)
{
    SetWantsIdle(true);
}

CGroupView::~CGroupView()
{
    // The children outlive the group when their creators delete them later.
    for (CView* child : mChildren)
        child->SetParent(nullptr);
}

template <typename Call>
void CGroupView::ForEachChild(Call call)
{
    // By position on the live list: a child deleted by a call leaves it at once,
    // so nothing dead is ever reached (the child after it may be passed over).
    for (size_t i = 0; i < mChildren.size(); ++i)
        call(mChildren[i]);
}

void CGroupView::Idle()
{
    if (!WantsIdle())
        return;
    ForEachChild([](CView* child) {
        if (child->WantsIdle())
            child->Idle();
    });
}

template <typename Call>
void CGroupView::ForEachChildAt(int16_t x, int16_t y, Call call)
{
    if (!GetBounds().Contains(x, y))
        return;
    ForEachChild([x, y, &call](CView* child) {
        if (child->GetBounds().Contains(x, y))
            call(child);
    });
}

void CGroupView::MouseDown(int16_t x, int16_t y)
{
    ForEachChildAt(x, y, [x, y](CView* child) { child->MouseDown(x, y); });
}

void CGroupView::DoubleClick(int16_t x, int16_t y)
{
    ForEachChildAt(x, y, [x, y](CView* child) { child->DoubleClick(x, y); });
}

void CGroupView::KeyEvent(const CKeyEvent& key)
{
    ForEachChild([&key](CView* child) { child->KeyEvent(key); });
}

void CGroupView::Draw(CCanvas& canvas)
{
    if (mEraseBackground)
        canvas.EraseRect(GetBounds().ToPort());
    CView::Draw(canvas);
    const SViewRect clip = SViewRect::FromPort(canvas.GetClipBox());
    ForEachChild([&canvas, &clip](CView* child) {
        if (child->GetBounds().Intersects(clip))
            child->Draw(canvas);
    });
}

void CGroupView::HandleControls()
{
    ForEachChild([](CView* child) { child->HandleControls(); });
}

void CGroupView::Update()
{
    ForEachChild([](CView* child) { child->Update(); });
}

void CGroupView::SetBounds(const SViewRect& bounds)
{
    CView::SetBounds(bounds);
    LayoutChildren();
}

CView* CGroupView::HitTest(int16_t x, int16_t y)
{
    if (!GetBounds().Contains(x, y))
        return GetParent();
    for (CView* child : mChildren) {
        if (child->GetBounds().Contains(x, y))
            return child->HitTest(x, y);
    }
    return this;
}

void CGroupView::AddChild(CView* view)
{
    if (view->GetParent() == this)
        return;
    if (view->GetParent() != nullptr)
        view->GetParent()->RemoveChild(view);
    mChildren.push_back(view);
    view->SetParent(this);
}

void CGroupView::RemoveChild(CView* view)
{
    const auto found = std::find(mChildren.begin(), mChildren.end(), view);
    if (found == mChildren.end())
        return;
    mChildren.erase(found);
    view->SetParent(nullptr);
}
