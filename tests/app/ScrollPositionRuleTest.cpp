#include "app/ScrollPositionRule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Code = WindowPort::EScrollCode;

struct SAction {
    Code code;
    int32_t thumb;
};

struct SCase {
    const char* what;
    int32_t shownBefore; // a request without an action first, at range 10, sets the stored thumb; -1 for none
    std::vector<SAction> actions;
    int32_t position, range; // the request; the log window asks with a step of 1 and a page of 10
    int32_t wantPosition, wantThumb;
};

const SCase kCases[] = {
    // Without an action: the position given, clamped, and a thumb that follows it.
    {"inside the range", -1, {}, 5, 10, 5, 500},
    {"past the end", -1, {}, 15, 10, 10, 999},
    {"before the start", -1, {}, -3, 10, 0, 0},
    {"an empty log", -1, {}, 3, 0, 0, 0},
    {"the range grew under the same position", 5, {}, 5, 20, 5, 250},
    {"the last of 2000 lines", -1, {}, 1990, 2000, 1990, 995},

    // Lines and pages move by the step and the page, clamped to 0 to range.
    {"line forward", -1, {{Code::kLineDown, 0}}, 5, 10, 6, 600},
    {"line back", -1, {{Code::kLineUp, 0}}, 5, 10, 4, 400},
    {"page back", -1, {{Code::kPageUp, 0}}, 25, 100, 15, 150},
    {"page forward past the end", -1, {{Code::kPageDown, 0}}, 95, 100, 100, 999},
    // A move that ends where it started leaves the stored thumb alone.
    {"line back at the top keeps the thumb", 3, {{Code::kLineUp, 0}}, 0, 10, 0, 300},

    // The thumb, the top and the bottom set range × thumb ÷ 1000.
    {"thumb dragged", -1, {{Code::kThumbTrack, 500}}, 0, 200, 100, 500},
    {"thumb released", -1, {{Code::kThumbPosition, 250}}, 0, 41, 10, 243},
    {"top", 5, {{Code::kTop, 777}}, 50, 100, 0, 0},
    {"bottom", -1, {{Code::kBottom, 0}}, 0, 100, 99, 990},
    // A drag that lands on the position shown does not move the thumb to the
    // platform's value: the stored one stays.
    {"drag onto the position shown", 3, {{Code::kThumbTrack, 350}}, 3, 10, 3, 300},

    // Only the newest action counts; the end of a scroll is no action.
    {"newer action replaces older", -1, {{Code::kLineDown, 0}, {Code::kPageDown, 0}}, 20, 100, 30, 300},
    {"end of scroll keeps the pending move", -1, {{Code::kLineDown, 0}, {Code::kEndScroll, 0}}, 20, 100, 21, 210},
    {"end of scroll alone moves nothing", -1, {{Code::kEndScroll, 0}}, 20, 100, 20, 200},
};

TEST(ScrollPositionRuleTest, RequestsFollowTheRule)
{
    for (const SCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CScrollPositionRule rule;
        if (c.shownBefore >= 0)
            rule.RequestPosition(c.shownBefore, 1, 10, 10);
        for (const SAction& action : c.actions)
            rule.RecordAction(action.code, action.thumb);
        EXPECT_EQ(c.wantPosition, rule.RequestPosition(c.position, 1, 10, c.range));
        EXPECT_EQ(c.wantThumb, rule.GetThumb());
    }
}

TEST(ScrollPositionRuleTest, AnActionIsAppliedOnce)
{
    CScrollPositionRule rule;
    rule.RecordAction(Code::kPageDown, 0);
    EXPECT_EQ(10, rule.RequestPosition(0, 1, 10, 100));
    EXPECT_EQ(0, rule.RequestPosition(0, 1, 10, 100));
    EXPECT_EQ(0, rule.GetThumb());
}

} // namespace
