#pragma once

#include "ui/ControlView.h"

#include <cstdint>

// A view around the platform's progress control, whose range is 0 to 1000. The
// value goes to the control only when it changed since it was last sent, or the
// enabled state did.
class CProgressBar : public CControlView {
public:
    static constexpr int16_t kMaximum = 1000;

    // Makes the control at the bounds in the parent's window: XBase when the
    // parent has no window.
    CProgressBar(CGroupView* parent, const SViewRect& bounds);

    void SetValue(int16_t value) { mValue = value; }
    int16_t GetValue() const { return mValue; }
    void Update() override;

private:
    int16_t mValue = 0;
    int16_t mSentValue = 0;
};
