// The terminal view in a window: rows from the font, what is drawn where, and
// drawing only after a change.
#include "images/Canvas.h"
#include "tests/ui/windows/UiTestSupport.h"
#include "ui/DocumentWindow.h"
#include "ui/TerminalView.h"
#include "ui/WindowGroupView.h"

#include <gtest/gtest.h>

#include <string>

using WindowPort::SColour;

namespace {

constexpr SColour kBackground{0xE6, 0xE6, 0xE6};

bool IsDark(SColour colour)
{
    return colour.red < 0x80 && colour.green < 0x80 && colour.blue < 0x80;
}

// Dark pixels inside the rectangle.
int DarkPixels(WindowPort::WindowHandle window, const WindowPort::SRect& rect)
{
    int count = 0;
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        for (int32_t x = rect.left; x < rect.right; ++x)
            count += IsDark(WindowPort::GetPixel(window, x, y)) ? 1 : 0;
    }
    return count;
}

struct STerminalFont {
    int32_t height = 0;
    int32_t ascent = 0;
};

STerminalFont MeasureFont(WindowPort::WindowHandle window)
{
    CCanvas canvas(window);
    canvas.SetFont(CTerminalView::GetFontRecord());
    return {canvas.GetLineHeight(), canvas.GetAscent()};
}

// A document window with a terminal view at (10, 20), `rows` lines high.
struct STerminalWindow {
    STerminalWindow(int32_t rows, uint16_t capacity = 2000)
        : window(0, "Log", CWindowBitmapLoader::GetDefault()), view(&window.GetRootView(), capacity, 261)
    {
        window.Open({0, 0, 400, 300});
        font = MeasureFont(window.GetHandle());
        bounds = {10, 20, 310, static_cast<int16_t>(20 + rows * font.height)};
        view.SetBounds(bounds);
    }

    CDocumentWindow window;
    CTerminalView view;
    STerminalFont font;
    SViewRect bounds;
};

} // namespace

TEST(TerminalView, DrawsEachLineOnItsRowInsetFromTheLeft)
{
    RunInApplication([](CTestApplication&) {
        STerminalWindow terminal(5);
        const WindowPort::WindowHandle handle = terminal.window.GetHandle();
        ASSERT_GT(terminal.font.height, 0);
        terminal.view.AppendLine("Source: Sample Mod");
        terminal.view.AppendLine("** Kick.aif: not mono");
        terminal.view.AppendLine("Done... close window to exit application");
        terminal.view.Update();

        const SViewRect& b = terminal.bounds;
        const int32_t lineHeight = terminal.font.height;
        for (int32_t row = 0; row < 5; ++row) {
            const WindowPort::SRect band{b.left + CTerminalView::kTextInset, b.top + row * lineHeight, b.right,
                                         b.top + (row + 1) * lineHeight};
            if (row < 3)
                EXPECT_GT(DarkPixels(handle, band), 0) << "row " << row;
            else
                EXPECT_EQ(DarkPixels(handle, band), 0) << "row " << row;
        }
        // Nothing in the inset, the background everywhere text is not.
        EXPECT_EQ(DarkPixels(handle, {b.left, b.top, b.left + CTerminalView::kTextInset, b.bottom}), 0);
        EXPECT_EQ(WindowPort::GetPixel(handle, b.left, b.top), kBackground);
        EXPECT_EQ(WindowPort::GetPixel(handle, b.right - 1, b.bottom - 1), kBackground);
        // The first line stands on its baseline, the row's top plus the ascent:
        // below it the "S" of "Source" leaves no ink.
        const WindowPort::SRect capital{b.left + CTerminalView::kTextInset, b.top + terminal.font.ascent,
                                        b.left + CTerminalView::kTextInset + 4, b.top + lineHeight};
        EXPECT_EQ(DarkPixels(handle, capital), 0);
    });
}

TEST(TerminalView, RowsComeFromTheFontAndScrollingFollowsThem)
{
    RunInApplication([](CTestApplication&) {
        STerminalWindow terminal(10);
        EXPECT_EQ(terminal.view.CountRows(), 10);
        for (int i = 0; i < 12; ++i)
            terminal.view.AppendLine(("line " + std::to_string(i)).c_str());
        EXPECT_EQ(terminal.view.GetTopLine(), 1);

        // A view shorter than one line has no rows but keeps its lines.
        SViewRect flat = terminal.bounds;
        flat.bottom = static_cast<int16_t>(flat.top + terminal.font.height - 1);
        terminal.view.SetBounds(flat);
        EXPECT_EQ(terminal.view.CountRows(), 0);
        terminal.view.AppendLine("stored all the same");
        EXPECT_EQ(terminal.view.GetRing().GetUsed(), 13);
    });
}

TEST(TerminalView, UpdateDrawsOnlyAfterAChange)
{
    RunInApplication([](CTestApplication&) {
        STerminalWindow terminal(4);
        const WindowPort::WindowHandle handle = terminal.window.GetHandle();
        terminal.view.AppendLine("first");
        terminal.view.Update();
        const uint64_t drawn = WindowPort::GetPaintCounts(handle).drawingCalls;
        terminal.view.Update();
        EXPECT_EQ(WindowPort::GetPaintCounts(handle).drawingCalls, drawn);
        terminal.view.AppendLine("second");
        terminal.view.Update();
        EXPECT_GT(WindowPort::GetPaintCounts(handle).drawingCalls, drawn);

        // Scrolling counts as a change: the second line moves to the top row.
        terminal.view.SetScrollPosition(1);
        terminal.view.Update();
        const SViewRect& b = terminal.bounds;
        EXPECT_EQ(DarkPixels(handle, {b.left, b.top + terminal.font.height, b.right, b.bottom}), 0);
        EXPECT_GT(DarkPixels(handle, {b.left, b.top, b.right, b.top + terminal.font.height}), 0);
    });
}
