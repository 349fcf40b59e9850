#pragma once

#include "app/ScrollPositionRule.h"
#include "ui/ControlView.h"

#include <cstdint>

// A view around the platform's native vertical scroll bar. The bar's own
// actions are remembered by the position rule; the owning window asks for the
// position when it handles its controls, and the bar shows the rule's thumb at
// its next update.
class CNativeScrollBarView : public CControlView {
public:
    // Makes the control at the bounds in the parent's window: XBase when the
    // parent has no window.
    CNativeScrollBarView(CGroupView* parent, const SViewRect& bounds = {});

    void NativeScroll(WindowPort::EScrollCode code, int32_t position) override;
    void Update() override;

    // The position to show, from the one shown now; see CScrollPositionRule.
    int32_t RequestPosition(int32_t position, int32_t step, int32_t page, int32_t range);
    int32_t GetThumb() const { return mRule.GetThumb(); }

private:
    CScrollPositionRule mRule;
    int32_t mSentThumb = 0;
};
