#include "media/XBase.h"
#include "ui/TerminalRing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Appends "line 0", "line 1", ... from `first` to `last`.
void AppendNumbered(CTerminalRing& ring, int first, int last, int32_t rows)
{
    for (int i = first; i <= last; ++i)
        ring.AppendLine("line " + std::to_string(i), rows);
}

// The texts drawn on rows 0, 1, ...
std::vector<std::string> Shown(const CTerminalRing& ring, int32_t rows)
{
    std::vector<std::string> texts;
    for (int32_t index : ring.GetShownLines(rows))
        texts.emplace_back(ring.GetLine(index));
    return texts;
}

std::vector<std::string> Numbered(int first, int last)
{
    std::vector<std::string> texts;
    for (int i = first; i <= last; ++i)
        texts.push_back("line " + std::to_string(i));
    return texts;
}

} // namespace

TEST(TerminalRing, FillsTheRowsThenKeepsTheNewestLineBelow)
{
    CTerminalRing ring(2000, 261);
    AppendNumbered(ring, 0, 9, 10);
    EXPECT_EQ(ring.GetTopLine(), 0);
    EXPECT_EQ(Shown(ring, 10), Numbered(0, 9));

    AppendNumbered(ring, 10, 10, 10);
    EXPECT_EQ(ring.GetTopLine(), 0);
    EXPECT_EQ(Shown(ring, 10), Numbered(0, 9));

    AppendNumbered(ring, 11, 11, 10);
    EXPECT_EQ(ring.GetTopLine(), 1);
    EXPECT_EQ(Shown(ring, 10), Numbered(1, 10));

    ring.SetScrollPosition(2);
    EXPECT_EQ(Shown(ring, 10), Numbered(2, 11));
    ring.SetScrollPosition(0);
    EXPECT_EQ(ring.GetScrollPosition(), 0);
    EXPECT_EQ(Shown(ring, 10), Numbered(0, 9));
}

TEST(TerminalRing, PastCapacityTopStillCountsFromTheOldestLine)
{
    CTerminalRing ring(2000, 261);
    AppendNumbered(ring, 0, 2000, 10);
    EXPECT_EQ(ring.GetOldest(), 1);
    EXPECT_EQ(ring.GetUsed(), 2000);
    EXPECT_EQ(ring.GetNext(), 1);
    EXPECT_EQ(std::string(ring.GetLine(0)), "line 2000"); // line 0 is gone
    // The shown block still ends with the line before the newest.
    EXPECT_EQ(ring.GetScrollPosition(), 1989);
    EXPECT_EQ(Shown(ring, 10), Numbered(1990, 1999));

    ring.SetScrollPosition(0);
    EXPECT_EQ(Shown(ring, 10), Numbered(1, 10));
    ring.SetScrollPosition(1990);
    EXPECT_EQ(Shown(ring, 10), Numbered(1991, 2000));

    // Further lines keep the view at the same distance from the oldest line, so
    // it moves on with them; positions past the newest line are clamped.
    AppendNumbered(ring, 2001, 2500, 10);
    EXPECT_EQ(ring.GetOldest(), 501);
    EXPECT_EQ(Shown(ring, 10), Numbered(2491, 2500)); // still scrolled to 1990
    ring.SetScrollPosition(5000);
    EXPECT_EQ(ring.GetScrollPosition(), 1999);
    EXPECT_EQ(Shown(ring, 10), Numbered(2500, 2500));
    ring.SetScrollPosition(-3);
    EXPECT_EQ(Shown(ring, 3), Numbered(501, 503));
}

TEST(TerminalRing, LinesAreCutToTheLineWidthAndStoredAsGiven)
{
    CTerminalRing ring(4, 261);
    ring.AppendLine(std::string(300, 'x'), 10);
    ring.AppendLine("a\r\nb", 10);
    ring.AppendLine(std::string("up to\0the zero", 14), 10);
    EXPECT_EQ(std::string(ring.GetLine(0)), std::string(261, 'x'));
    EXPECT_EQ(std::string(ring.GetLine(1)), "a\r\nb");
    EXPECT_EQ(std::string(ring.GetLine(2)), "up to");

    CTerminalRing empty(3, 0);
    empty.AppendLine("text", 1);
    EXPECT_EQ(std::string(empty.GetLine(0)), "");
}

TEST(TerminalRing, ChangesAreTakenOnce)
{
    CTerminalRing ring(3, 20);
    EXPECT_FALSE(ring.TakeChange()); // nothing appended, nothing to draw
    ring.AppendLine("a", 10);
    EXPECT_TRUE(ring.TakeChange());
    EXPECT_FALSE(ring.TakeChange());
    AppendNumbered(ring, 0, 2, 10); // the ring is full and wraps
    EXPECT_TRUE(ring.TakeChange());
    ring.AppendLine("wrapped", 10); // used and top stay, the oldest moves
    EXPECT_TRUE(ring.TakeChange());
    ring.SetScrollPosition(1);
    EXPECT_TRUE(ring.TakeChange());
    ring.SetScrollPosition(1);
    EXPECT_FALSE(ring.TakeChange());

    ring.Clear();
    EXPECT_TRUE(ring.TakeChange());
    EXPECT_EQ(ring.GetUsed(), 0);
    EXPECT_EQ(std::string(ring.GetLine(0)), "");
}

TEST(TerminalRing, RefusesRingsItCannotHold)
{
    EXPECT_THROW(CTerminalRing(0, 10), XBase);
    EXPECT_THROW(CTerminalRing(10, -1), XBase);
    CTerminalRing ring(2, 5);
    EXPECT_THROW(ring.GetLine(2), XBase);
    EXPECT_THROW(ring.GetLine(-1), XBase);
}
