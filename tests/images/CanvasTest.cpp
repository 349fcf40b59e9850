#include "images/Bitmap.h"
#include "images/Canvas.h"
#include "images/FontCache.h"
#include "media/XBase.h"
#include "tests/qt/PortTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace WindowPort;

namespace {

const CColour kWhite(0xFFFF, 0xFFFF, 0xFFFF);
const CColour kBlack;
constexpr SColour kPlatformWhite{255, 255, 255};

class CanvasTest : public testing::Test {
protected:
    void SetUp() override
    {
        CFontCache::Get().Empty();
        mCanvas.FillRectWith({0, 0, 40, 30}, kWhite);
    }

    // Rows of '#' (not white) and '.' (white) over `rect`.
    std::string Picture(const SRect& rect) const
    {
        std::string rows;
        for (int32_t y = rect.top; y < rect.bottom; ++y) {
            for (int32_t x = rect.left; x < rect.right; ++x)
                rows += GetPixel(mWindow.Get(), x, y) == kPlatformWhite ? '.' : '#';
            rows += '\n';
        }
        return rows;
    }

    // The bounds of every pixel that is not white.
    SRect Inked() const
    {
        SRect bounds{40, 30, 0, 0};
        for (int32_t y = 0; y < 30; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                if (GetPixel(mWindow.Get(), x, y) == kPlatformWhite)
                    continue;
                bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                          std::max(bounds.bottom, y + 1)};
            }
        }
        return bounds;
    }

    CTestWindow mWindow{40, 30};
    CCanvas mCanvas{mWindow.Get()};
};

TEST_F(CanvasTest, FrameOutlinesThePixelsInsideTheRectangle)
{
    mCanvas.FrameRect({0, 0, 10, 5});
    EXPECT_EQ(Picture({0, 0, 11, 6}), "##########.\n"
                                      "#........#.\n"
                                      "#........#.\n"
                                      "#........#.\n"
                                      "##########.\n"
                                      "...........\n");
}

TEST_F(CanvasTest, LinesIncludeBothEndsInEitherOrder)
{
    mCanvas.HorizontalLine(0, 10, 3);
    EXPECT_EQ(Picture({0, 3, 12, 4}), "###########.\n");
    mCanvas.VerticalLine(20, 8, 5);
    EXPECT_EQ(Picture({20, 4, 21, 10}), ".\n#\n#\n#\n#\n.\n");
    mCanvas.Line(30, 1, 27, 1);
    EXPECT_EQ(Picture({26, 1, 32, 2}), ".####.\n");
}

TEST_F(CanvasTest, LineOfOnePointDrawsNothing)
{
    mCanvas.Line(5, 5, 5, 5);
    EXPECT_EQ(Picture({4, 4, 7, 7}), "...\n...\n...\n");
}

// A line that rises while it runs right stays on its own diagonal, both ends drawn once.
TEST_F(CanvasTest, LineDifferingOnBothAxesJoinsItsOwnEnds)
{
    mCanvas.SetDrawingMode(22);
    mCanvas.Line(0, 4, 4, 0);
    EXPECT_EQ(Picture({0, 0, 6, 6}), "....#.\n"
                                     "...#..\n"
                                     "..#...\n"
                                     ".#....\n"
                                     "#.....\n"
                                     "......\n");
}

TEST_F(CanvasTest, DrawingModesMixLinesAndFills)
{
    struct SCase {
        int32_t mode;
        int32_t readBack;
        SColour expected; // over a start pixel of 0x10, 0x80, 0x0F with colour 0x2100, 0x0100, 0xF000
    };
    const SCase cases[] = {{20, 20, {0x21, 0x01, 0xF0}}, {21, 21, {0x31, 0x81, 0xFF}}, {22, 22, {0xEF, 0x7F, 0xF0}},
                           {7, 20, {0x21, 0x01, 0xF0}}};
    for (const SCase& test : cases) {
        mCanvas.SetDrawingMode(20);
        mCanvas.FillRectWith({0, 0, 4, 4}, CColour(0x1000, 0x8000, 0x0F00));
        mCanvas.SetDrawingMode(test.mode);
        EXPECT_EQ(mCanvas.GetDrawingMode(), test.readBack);
        mCanvas.SetColour(CColour(0x2100, 0x0100, 0xF000));
        mCanvas.FillRect({0, 0, 1, 1});
        mCanvas.HorizontalLine(0, 1, 2);
        EXPECT_EQ(GetPixel(mWindow.Get(), 0, 0), test.expected) << test.mode;
        EXPECT_EQ(GetPixel(mWindow.Get(), 1, 2), test.expected) << test.mode;
        EXPECT_EQ(GetPixel(mWindow.Get(), 1, 1), (SColour{0x10, 0x80, 0x0F})) << test.mode;
    }
}

TEST_F(CanvasTest, ColourKeepsTheHighByteAndReadsBackWidened)
{
    mCanvas.SetColour(CColour(0xFFFF, 0x8000, 0x00FF));
    mCanvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(GetPixel(mWindow.Get(), 0, 0), (SColour{255, 128, 0}));
    EXPECT_EQ(mCanvas.GetColour(), CColour(0xFF00, 0x8000, 0x0000));
    const SColour face = GetSystemColour(ESystemColour::kFace3D);
    EXPECT_EQ(mCanvas.GetBackground(), CColour(uint16_t(face.red << 8), uint16_t(face.green << 8),
                                               uint16_t(face.blue << 8)));
}

TEST_F(CanvasTest, FillWithAndEraseKeepTheCurrentColour)
{
    mCanvas.SetColour(CColour(0x1200, 0x3400, 0x5600));
    mCanvas.FillRectWith({0, 0, 2, 2}, kBlack);
    mCanvas.EraseRect({2, 0, 4, 2});
    EXPECT_EQ(mCanvas.GetColour(), CColour(0x1200, 0x3400, 0x5600));
    EXPECT_EQ(GetPixel(mWindow.Get(), 1, 1), (SColour{0, 0, 0}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 3, 1), GetSystemColour(ESystemColour::kFace3D));
    EXPECT_EQ(GetPixel(mWindow.Get(), 4, 1), kPlatformWhite);
}

TEST_F(CanvasTest, TextSitsOnItsBaseline)
{
    mCanvas.SetFont(SFontRecord("MS Sans Serif", 14));
    const STextMetrics metrics = GetTextMetrics(CFontCache::Get().GetSlotFont()->GetHandle());
    EXPECT_EQ(mCanvas.GetLineHeight(), metrics.height);
    EXPECT_EQ(mCanvas.GetAscent(), metrics.ascent);
    mCanvas.SetDrawingMode(21);
    mCanvas.DrawText(5, 20, "Hx");
    const SRect inked = Inked();
    EXPECT_GE(inked.top, 20 - metrics.ascent);
    EXPECT_LE(inked.bottom, 20 - metrics.ascent + metrics.height);
    EXPECT_LE(inked.bottom, 20 + 1) << "'H' and 'x' end on the baseline";
    EXPECT_GE(inked.left, 5);
    EXPECT_LE(inked.right, 5 + mCanvas.TextWidth("Hx"));
}

// Opaque text (mode 20) fills its cell with the background; mode 21 leaves it.
TEST_F(CanvasTest, OpaqueTextFillsItsCell)
{
    mCanvas.SetFont(SFontRecord("Helv", 12));
    mCanvas.DrawText(0, 10, "i");
    EXPECT_EQ(Inked().top, 10 - mCanvas.GetAscent());
    EXPECT_EQ(Inked().bottom, 10 - mCanvas.GetAscent() + mCanvas.GetLineHeight());
    mCanvas.FillRectWith({0, 0, 40, 30}, kWhite);
    mCanvas.SetDrawingMode(21);
    mCanvas.DrawText(0, 10, "i");
    EXPECT_GT(Inked().top, 10 - mCanvas.GetAscent());
}

TEST_F(CanvasTest, TextInRectIsCentredAndTextLeftSitsTwoPixelsIn)
{
    mCanvas.SetFont(SFontRecord("MS Sans Serif", 12));
    mCanvas.SetDrawingMode(20);
    mCanvas.SetColour(kBlack);
    // The background is the face colour, so the opaque box shows where the text went.
    const int32_t width = mCanvas.TextWidth("OK");
    const int32_t height = mCanvas.GetLineHeight();
    mCanvas.DrawTextInRect({0, 0, 40, 30}, "OK");
    EXPECT_EQ(Inked().left, (40 - width) / 2);
    EXPECT_EQ(Inked().top, (30 - height) / 2);
    EXPECT_EQ(Inked().right, (40 - width) / 2 + width);
    mCanvas.FillRectWith({0, 0, 40, 30}, kWhite);
    mCanvas.DrawTextLeft({10, 0, 40, 30}, "OK");
    EXPECT_EQ(Inked().left, 12);
    EXPECT_EQ(Inked().top, (30 - height) / 2 - 1);
}

TEST_F(CanvasTest, CopyBitmapCopiesTheSourceRectangle)
{
    CBitmap bitmap(3, 2);
    bitmap.GetRow(0)[1] = 0xFF123456u;
    bitmap.GetRow(1)[2] = 0xFF654321u;
    mCanvas.CopyBitmap(10, 20, bitmap, {1, 0, 3, 2});
    EXPECT_EQ(GetPixel(mWindow.Get(), 10, 20), (SColour{0x12, 0x34, 0x56}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 11, 21), (SColour{0x65, 0x43, 0x21}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 10, 21), (SColour{0, 0, 0}));
    EXPECT_EQ(GetPixel(mWindow.Get(), 12, 20), kPlatformWhite);
}

TEST_F(CanvasTest, ClipBoxAndCoordinates)
{
    EXPECT_EQ(mCanvas.GetClipBox().right, 40);
    mCanvas.SetClipRect({5, 6, 7, 8});
    mCanvas.FillRect({0, 0, 40, 30});
    EXPECT_EQ(Inked().left, 5);
    EXPECT_EQ(Inked().bottom, 8);
    const SRect screen = mCanvas.ClientToScreen(SRect{1, 2, 11, 22});
    EXPECT_EQ(screen.Width(), 10);
    EXPECT_EQ(screen.Height(), 20);
    const SRect back = mCanvas.ScreenToClient(screen);
    EXPECT_EQ(back.left, 1);
    EXPECT_EQ(back.bottom, 22);
    const SPoint origin = mCanvas.ClientToScreen(SPoint{0, 0});
    EXPECT_EQ(screen.left - origin.x, 1);
    // The next canvas on the window starts with the whole client area.
    CCanvas next(mWindow.Get());
    EXPECT_EQ(next.GetClipBox().left, 0);
    EXPECT_EQ(next.GetClipBox().right, 40);
}

TEST(CanvasWindowTest, CanvasNeedsAWindow)
{
    EXPECT_THROW(CCanvas(987654), XBase);
}

TEST(FontRecordTest, FaceIsLimitedAndComparedUpToItsEnd)
{
    EXPECT_THROW(SFontRecord(std::string(65, 'x'), 8), XBadFormat);
    EXPECT_EQ(SFontRecord(std::string(64, 'x'), 8).GetFace().size(), 64u);
    SFontRecord a("Helv", 8);
    SFontRecord b("Helv", 8);
    b.face[10] = 'z'; // after the terminator
    EXPECT_EQ(a, b);
    EXPECT_NE(a, SFontRecord("Helv", 8, true));
    EXPECT_NE(a, SFontRecord("Helv", 9));
    EXPECT_NE(a, SFontRecord("Helv", 8, false, false, true));
    SFontRecord unterminated;
    std::fill(std::begin(unterminated.face), std::end(unterminated.face), 'y');
    EXPECT_EQ(unterminated.GetFace(), std::string(64, 'y'));
}

} // namespace
