#include "images/Bitmap.h"
#include "images/BitmapSequence.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<SBitmapRect> Frames(const CABCBitmapSequence& sequence, int16_t first, int16_t last)
{
    std::vector<SBitmapRect> rects;
    for (int16_t i = first; i <= last; ++i)
        rects.push_back(sequence.GetFrameRect(i));
    return rects;
}

} // namespace

TEST(BitmapSequence, FrameRectangles)
{
    // (99 + 1) / 4 - 1 = 24 rows per frame, one line between frames; outside the
    // sequence the rectangle is empty.
    CBitmap bitmap(30, 99);
    EXPECT_EQ(Frames(CBitmapSequence(&bitmap, 4), -1, 4),
              (std::vector<SBitmapRect>{{}, {0, 0, 30, 24}, {0, 25, 30, 49}, {0, 50, 30, 74}, {0, 75, 30, 99}, {}}));
    // More frames than rows: no frame has a height.
    EXPECT_TRUE(CBitmapSequence(&bitmap, 100).GetFrameRect(0).IsEmpty());

    // Film strip frames lie 16 pixels apart; those beyond 16-bit coordinates are empty, not wrapped.
    EXPECT_EQ(Frames(CFilmStrip(&bitmap, 3, 5, 10, 40, 20), -1, 3),
              (std::vector<SBitmapRect>{{}, {5, 10, 45, 30}, {5, 46, 45, 66}, {5, 82, 45, 102}, {}}));
    const CFilmStrip far(&bitmap, 1000, 0, 30000, 10, 200);
    EXPECT_EQ(far.GetFrameRect(0), (SBitmapRect{0, 30000, 10, 30200}));
    EXPECT_TRUE(far.GetFrameRect(20).IsEmpty());

    // Frames are worked out by dividing by the count.
    EXPECT_THROW(CBitmapSequence(&bitmap, 0), XBase);
    EXPECT_THROW(CFilmStrip(&bitmap, -1, 0, 0, 8, 8), XBase);
    EXPECT_THROW(CBitmapSequence(nullptr, 1), XBase);
}
