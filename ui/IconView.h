#pragma once

#include "ui/View.h"

#include <cstdint>

// One of the platform's standard icons inside the view's bounds.
class CIconView : public CView {
public:
    enum EKind : int32_t { kStop = 10, kInformation = 11, kExclamation = 12, kNone = 13 };

    // Any other number counts as kNone.
    CIconView(CGroupView* parent, const SViewRect& bounds, int32_t kind);

    // The background, then the icon; kNone draws the background only.
    void Draw(CCanvas& canvas) override;

    int32_t GetKind() const { return mKind; }
    void SetKind(int32_t kind);

private:
    int32_t mKind = kNone;
};
