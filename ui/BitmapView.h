#pragma once

#include "ui/View.h"

#include <cstdint>

// A bitmap of the shared bitmap cache, drawn at the view's top left. The cache
// asks the window's bitmap loader for it the first time.
class CBitmapView : public CView {
public:
    CBitmapView(CGroupView* parent, const SViewRect& bounds, int32_t bitmapId);

    void Draw(CCanvas& canvas) override;

    int32_t GetBitmapId() const { return mBitmapId; }

private:
    int32_t mBitmapId;
};
