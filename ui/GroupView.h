#pragma once

#include "ui/View.h"

#include <vector>

// A view that holds child views and passes events on to them. The group keeps
// its children in creation order but does not own them: their creators delete
// them, and a child that is deleted leaves the group by itself.
class CGroupView : public CView {
public:
    explicit CGroupView(CGroupView* parent, const SViewRect& bounds = {});
    ~CGroupView() override;

    // Only when the group wants idle; then every child that wants it.
    void Idle() override;
    // Only for a point inside the group; then every child whose bounds hold the
    // point, overlapping ones included, in list order.
    void MouseDown(int16_t x, int16_t y) override;
    void DoubleClick(int16_t x, int16_t y) override;
    void KeyEvent(const CKeyEvent& key) override;
    // Erases the bounds when asked to, then draws every child that meets the clip box.
    void Draw(CCanvas& canvas) override;
    void HandleControls() override;
    void Update() override;
    // Stores the bounds, then LayoutChildren.
    void SetBounds(const SViewRect& bounds) override;
    // The deepest view along the first child that holds the point.
    CView* HitTest(int16_t x, int16_t y) override;
    // Places the children after the group's bounds changed.
    virtual void LayoutChildren() {}
    virtual SViewRect GetContentRect() const { return GetBounds(); }

    // Appends the view (taking it from its old group) and makes this its parent.
    void AddChild(CView* view);
    void RemoveChild(CView* view);
    size_t GetChildCount() const { return mChildren.size(); }
    CView* GetChild(size_t index) const { return mChildren[index]; }

    bool GetEraseBackground() const { return mEraseBackground; }
    void SetEraseBackground(bool erase) { mEraseBackground = erase; }

private:
    // Calls `call` for every child in list order. Children may be added or
    // deleted by the calls; the walk stays on the live list.
    template <typename Call>
    void ForEachChild(Call call);
    // The same for the children whose bounds hold the point, when the group does.
    template <typename Call>
    void ForEachChildAt(int16_t x, int16_t y, Call call);

    std::vector<CView*> mChildren;
    bool mEraseBackground = true;
};
