#pragma once

#include "platform/WindowPort.h"

#include <cstdint>
#include <optional>

// How the log window's scroll bar turns user actions into a scroll position.
// The native bar always runs over 0 to 999, whatever the number of lines, so
// its thumb is a thousandth of the range. A user action is only remembered; the
// window asks for the position when it next handles its controls, and the newest
// action wins.
class CScrollPositionRule {
public:
    static constexpr int32_t kThumbMaximum = 999;
    static constexpr int32_t kThumbScale = 1000;

    // Remembers one action of the native bar, replacing one not yet applied.
    // `platformThumb` is the bar's thumb value, read for drags and releases only.
    // The end of a scroll is no action and changes nothing.
    void RecordAction(WindowPort::EScrollCode code, int32_t platformThumb);

    // The position to show, from the one shown now: the remembered action, if
    // any, applied to `position` with the given step and page, clamped to 0 to
    // `range`. Updates the thumb value when the position moves.
    int32_t RequestPosition(int32_t position, int32_t step, int32_t page, int32_t range);

    // The value the native bar shows at its next update.
    int32_t GetThumb() const { return mThumb; }

private:
    struct SAction {
        WindowPort::EScrollCode code;
        int32_t thumb; // the thumb value for drags, releases, the top and the bottom
    };

    static int64_t Apply(const SAction& action, int64_t position, int32_t step, int32_t page, int32_t range);
    static int32_t ThumbFor(int32_t position, int32_t range);

    std::optional<SAction> mPendingAction;
    int32_t mThumb = 0;
};
