#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "tests/qt/PortTestSupport.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace WindowPort;

namespace {

constexpr SColour kWhite{255, 255, 255};
constexpr SColour kBlack{0, 0, 0};
constexpr SColour kRed{255, 0, 0};

// The window as rows of '#' (the colour) and '.' (anything else), for `rect`.
std::string Picture(WindowHandle window, const SRect& rect, SColour colour)
{
    std::string rows;
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        for (int32_t x = rect.left; x < rect.right; ++x)
            rows += GetPixel(window, x, y) == colour ? '#' : '.';
        rows += '\n';
    }
    return rows;
}

// Pixels that are not white, inside `rect` and outside it.
std::pair<int, int> InkInAndOut(WindowHandle window, const SRect& rect)
{
    std::pair<int, int> ink{0, 0};
    for (int32_t y = 0; y < 30; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            if (GetPixel(window, x, y) != kWhite)
                ++(x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom ? ink.first : ink.second);
        }
    }
    return ink;
}

class PortDrawingTest : public testing::Test {
protected:
    void SetUp() override { FillRect(mWindow.Get(), {0, 0, 40, 30}, kWhite, EMix::kCopy); }

    CTestWindow mWindow{40, 30};
};

TEST_F(PortDrawingTest, FillLeavesOutTheRightAndBottomEdge)
{
    FillRect(mWindow.Get(), {1, 1, 4, 3}, kRed, EMix::kCopy);
    EXPECT_EQ(Picture(mWindow.Get(), {0, 0, 5, 4}, kRed), ".....\n"
                                                          ".###.\n"
                                                          ".###.\n"
                                                          ".....\n");
}

TEST_F(PortDrawingTest, PolylineLeavesOutOnlyItsLastPoint)
{
    Polyline(mWindow.Get(), {{0, 0}, {3, 0}, {3, 3}, {1, 3}}, kBlack, EMix::kCopy);
    EXPECT_EQ(Picture(mWindow.Get(), {0, 0, 5, 5}, kBlack), "####.\n"
                                                            "...#.\n"
                                                            "...#.\n"
                                                            "..##.\n"
                                                            ".....\n");
}

// Each pixel of an inverted polyline flips once, vertices included, so drawing
// it twice leaves the picture as it was.
TEST_F(PortDrawingTest, InvertedPolylineFlipsEachPixelOnce)
{
    const std::vector<SPoint> outline{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
    Polyline(mWindow.Get(), outline, kRed, EMix::kInvert);
    EXPECT_EQ(Picture(mWindow.Get(), {0, 0, 6, 6}, kBlack), "#####.\n"
                                                            "#...#.\n"
                                                            "#...#.\n"
                                                            "#...#.\n"
                                                            "#####.\n"
                                                            "......\n");
    Polyline(mWindow.Get(), outline, kRed, EMix::kInvert);
    EXPECT_EQ(Picture(mWindow.Get(), {0, 0, 6, 6}, kWhite), "######\n"
                                                            "######\n"
                                                            "######\n"
                                                            "######\n"
                                                            "######\n"
                                                            "######\n");
}

TEST_F(PortDrawingTest, ClipCutsEveryOperation)
{
    SetClipRect(mWindow.Get(), {2, 2, 5, 4});
    EXPECT_EQ(GetClipBox(mWindow.Get()).right, 5);
    FillRect(mWindow.Get(), {0, 0, 40, 30}, kRed, EMix::kCopy);
    const uint32_t pixels[2] = {0xFF000000u, 0xFF000000u};
    CopyPixels(mWindow.Get(), 4, 3, pixels, 2, 1, {0, 0, 2, 1});
    EXPECT_EQ(Picture(mWindow.Get(), {0, 0, 7, 5}, kRed), ".......\n"
                                                          ".......\n"
                                                          "..###..\n"
                                                          "..##...\n"
                                                          ".......\n");
    ResetClip(mWindow.Get());
    EXPECT_EQ(GetClipBox(mWindow.Get()).right, 40);
    EXPECT_EQ(GetClipBox(mWindow.Get()).bottom, 30);
}

TEST_F(PortDrawingTest, CopyPixelsTakesTheSourceRectangle)
{
    // A 3 x 2 picture: its right column (x 1..2 of the source) goes to 10,10.
    const uint32_t pixels[6] = {0xFF000001u, 0xFF0000FFu, 0xFFFF0000u,   // row 0
                                0xFF000002u, 0xFF00FF00u, 0xFF000000u};  // row 1
    CopyPixels(mWindow.Get(), 10, 10, pixels, 3, 2, {1, 0, 3, 2});
    EXPECT_EQ(GetPixel(mWindow.Get(), 10, 10), (SColour{0, 0, 255}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 11, 10), kRed);
    EXPECT_EQ(GetPixel(mWindow.Get(), 10, 11), (SColour{0, 255, 0}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 11, 11), kBlack);
    EXPECT_EQ(GetPixel(mWindow.Get(), 12, 10), kWhite);
    // A source rectangle beyond the picture is cut to it.
    CopyPixels(mWindow.Get(), 20, 20, pixels, 3, 2, {2, 1, 9, 9});
    EXPECT_EQ(GetPixel(mWindow.Get(), 20, 20), kBlack);
    EXPECT_EQ(GetPixel(mWindow.Get(), 21, 20), kWhite);
}

TEST_F(PortDrawingTest, TextStaysInsideItsCell)
{
    const FontHandle font = CreateFont({"MS Sans Serif", 16, false, false, false});
    ASSERT_NE(font, 0u);
    const SSize extent = GetTextExtent(font, "Hello");
    const STextMetrics metrics = GetTextMetrics(font);
    EXPECT_EQ(extent.height, metrics.height);
    EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
    DrawText(mWindow.Get(), 3, 4, "Hello", font, kBlack, nullptr);
    const auto [inside, outside] = InkInAndOut(mWindow.Get(), {3, 4, 3 + extent.width, 4 + metrics.height});
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
    DeleteFont(font);
}

TEST_F(PortDrawingTest, StandardIconStaysInItsRectangle)
{
    DrawStandardIcon(mWindow.Get(), {4, 2, 28, 26}, EStandardIcon::kStop);
    const auto [inside, outside] = InkInAndOut(mWindow.Get(), {4, 2, 28, 26});
    EXPECT_GT(inside, 24 * 24 / 4);
    EXPECT_EQ(outside, 0);
}

// The framework asks for faces of another platform; they become the system's
// sans-serif face with a cell no higher than asked.
TEST(PortFontTest, MissingFaceBecomesSansSerifAtTheCellHeight)
{
    const QString sansSerif = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    for (const char* face : {"MS Sans Serif", "Helv", ""}) {
        for (int32_t cell : {8, 13, 24}) {
            const FontHandle font = CreateFont({face, cell, false, false, false});
            ASSERT_NE(font, 0u);
            EXPECT_EQ(QFontInfo(*CPortState::Get().FindFont(font)).family(), sansSerif) << face;
            const STextMetrics metrics = GetTextMetrics(font);
            EXPECT_LE(metrics.height, cell) << face << " " << cell;
            EXPECT_GE(metrics.height, cell - 2) << face << " " << cell;
            DeleteFont(font);
        }
    }
    EXPECT_EQ(CreateFont({"MS Sans Serif", -1, false, false, false}), 0u);
    EXPECT_EQ(CreateFont({"MS Sans Serif", 5000, false, false, false}), 0u);
}

TEST_F(PortDrawingTest, RepaintOfAnUnchangedWindowDrawsNothing)
{
    DrainMessages();
    const SPaintCounts before = GetPaintCounts(mWindow.Get());
    RepaintNow(mWindow.Get());
    const SPaintCounts after = GetPaintCounts(mWindow.Get());
    EXPECT_EQ(after.repaints, before.repaints + 1);
    EXPECT_EQ(after.drawingCalls, before.drawingCalls);
    for (const SMessage& message : DrainMessages())
        EXPECT_NE(message.kind, EMessage::kPaint);
    FillRect(mWindow.Get(), {0, 0, 1, 1}, kRed, EMix::kCopy);
    EXPECT_EQ(GetPaintCounts(mWindow.Get()).drawingCalls, before.drawingCalls + 1);
}

} // namespace
