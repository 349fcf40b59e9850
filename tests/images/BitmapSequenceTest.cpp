#include "images/Bitmap.h"
#include "images/BitmapSequence.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

namespace {

SBitmapRect Rect(int left, int top, int right, int bottom)
{
    return {int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)};
}

} // namespace

TEST(BitmapSequence, FramesOneBelowTheOther)
{
    CBitmap bitmap(30, 99);
    const CBitmapSequence sequence(&bitmap, 4);
    EXPECT_EQ(sequence.GetFrameCount(), 4);
    EXPECT_EQ(sequence.GetBitmap(), &bitmap);
    // (99 + 1) / 4 - 1 = 24 rows per frame, one line between frames.
    EXPECT_EQ(sequence.GetFrameRect(0), Rect(0, 0, 30, 24));
    EXPECT_EQ(sequence.GetFrameRect(1), Rect(0, 25, 30, 49));
    EXPECT_EQ(sequence.GetFrameRect(2), Rect(0, 50, 30, 74));
    EXPECT_EQ(sequence.GetFrameRect(3), Rect(0, 75, 30, 99));
    EXPECT_TRUE(sequence.GetFrameRect(4).IsEmpty());
    EXPECT_TRUE(sequence.GetFrameRect(-1).IsEmpty());
}

TEST(BitmapSequence, FilmStrip)
{
    CBitmap bitmap(64, 200);
    const CFilmStrip strip(&bitmap, 3, 5, 10, 40, 20);
    EXPECT_EQ(strip.GetFrameRect(0), Rect(5, 10, 45, 30));
    EXPECT_EQ(strip.GetFrameRect(1), Rect(5, 46, 45, 66));
    EXPECT_EQ(strip.GetFrameRect(2), Rect(5, 82, 45, 102)); // frames 16 pixels apart
    EXPECT_TRUE(strip.GetFrameRect(3).IsEmpty());

    // Frames whose coordinates do not fit 16 bits are empty, not wrapped.
    const CFilmStrip far(&bitmap, 1000, 0, 30000, 10, 200);
    EXPECT_EQ(far.GetFrameRect(0), Rect(0, 30000, 10, 30200));
    EXPECT_TRUE(far.GetFrameRect(20).IsEmpty());
}

TEST(BitmapSequence, TheBaseHasNoFramesAndCountsMustBePositive)
{
    CBitmap bitmap(8, 8);
    const CABCBitmapSequence base(&bitmap, 2);
    EXPECT_TRUE(base.GetFrameRect(0).IsEmpty());
    EXPECT_THROW(CBitmapSequence(&bitmap, 0), XBase);
    EXPECT_THROW(CFilmStrip(&bitmap, -1, 0, 0, 8, 8), XBase);
    EXPECT_THROW(CBitmapSequence(nullptr, 1), XBase);

    // More frames than rows: no frame has a height.
    const CBitmapSequence crowded(&bitmap, 9);
    EXPECT_TRUE(crowded.GetFrameRect(0).IsEmpty());
}
