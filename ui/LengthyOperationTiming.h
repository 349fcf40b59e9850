#pragma once

#include <cstdint>

// The lengthy operation's clock rules, in ticks of 1/60 second, apart from any
// window so they are checked with made-up times. Tick differences are taken
// unsigned, so a clock that wraps around 2^32 keeps its rules.
class CLengthyOperationTiming {
public:
    static constexpr uint32_t kCursorDelay = 30;    // half a second before the cursor turns
    static constexpr uint32_t kFrameInterval = 12;  // one busy-cursor frame
    static constexpr uint32_t kCheckInterval = 12;  // at most one check per interval
    static constexpr uint32_t kWindowDelay = 300;   // five seconds before the window opens
    static constexpr uint16_t kFrameCount = 8;

    enum class ECursor { kArrow, kBusy };

    explicit CLengthyOperationTiming(uint32_t startTicks);

    // The cursor to show while no window is up: the arrow for the first half
    // second, then the busy cursor, its frame advancing every 12 ticks.
    ECursor StepCursor(uint32_t now);
    uint16_t GetCursorFrame() const { return mFrame; }

    // True at most every 12 ticks (when now is past the last check plus 12),
    // recording now as the last check. The first call checks at once, so a
    // window asked for before any work shows at the first report.
    bool TakeCheck(uint32_t now);

    // Whether a check should open the window: at once when asked to, otherwise
    // after five seconds and only for an operation that may show one.
    bool IsWindowDue(uint32_t now, bool showAtOnce, bool mayShow) const;

private:
    uint32_t mStart;
    uint32_t mLastFrame;
    uint32_t mLastCheck = 0;
    bool mChecked = false;
    uint16_t mFrame = 0;
};
