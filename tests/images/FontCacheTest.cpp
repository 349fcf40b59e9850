#include "images/Canvas.h"
#include "images/FontCache.h"
#include "tests/qt/PortTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const SFontRecord kDialog("MS Sans Serif", 8);
const SFontRecord kLarge("MS Sans Serif", 16, true);

class FontCacheTest : public testing::Test {
protected:
    void SetUp() override { CFontCache::Get().Empty(); }
    void TearDown() override { CFontCache::Get().Empty(); }

    uint64_t Made() const { return CFont::GetMadeCount() - mMadeBefore; }

    CFontCache& mCache = CFontCache::Get();
    CTestWindow mWindow{20, 20};
    uint64_t mMadeBefore = CFont::GetMadeCount();
};

// Also while another canvas holds the slot, when giving the font back would
// delete it and asking again would make it anew.
TEST_F(FontCacheTest, SameRecordTwiceMakesOneFont)
{
    CCanvas holder(mWindow.Get());
    holder.SetFont(kLarge);
    CCanvas canvas(mWindow.Get());
    canvas.SetFont(kDialog);
    canvas.SetFont(kDialog);
    EXPECT_EQ(Made(), 2u);
    EXPECT_EQ(mCache.GetUseCount(), 1);
}

// Two canvases share the font; it outlives them unused, serves the next request
// for its record, and goes when another record is asked for.
TEST_F(FontCacheTest, CanvasesShareTheKeptFont)
{
    const CFont* shared = nullptr;
    {
        CCanvas first(mWindow.Get());
        CCanvas second(mWindow.Get());
        first.SetFont(kDialog);
        second.SetFont(kDialog);
        shared = mCache.GetSlotFont();
        EXPECT_EQ(Made(), 1u);
        EXPECT_EQ(mCache.GetUseCount(), 2);
    }
    EXPECT_EQ(mCache.GetSlotFont(), shared);
    EXPECT_EQ(mCache.GetUseCount(), 0);
    {
        CCanvas again(mWindow.Get());
        again.SetFont(kDialog);
        EXPECT_EQ(Made(), 1u) << "reused, not made again";
        EXPECT_EQ(mCache.GetUseCount(), 1);
    }
    CCanvas other(mWindow.Get());
    other.SetFont(kLarge);
    EXPECT_EQ(Made(), 2u);
    EXPECT_NE(mCache.GetSlotFont(), shared);
    EXPECT_EQ(mCache.GetSlotFont()->GetRecord(), kLarge);
    EXPECT_EQ(mCache.GetUseCount(), 1);
}

// While the slot's font is in use, another record gets a font of its own, which
// is deleted when given back; given back while the slot's font is unused, it
// takes the slot.
TEST_F(FontCacheTest, FontsOutsideTheSlot)
{
    CFont* kept = mCache.Acquire(kDialog);
    CFont* extra = mCache.Acquire(kLarge);
    EXPECT_NE(extra, kept);
    EXPECT_EQ(mCache.GetSlotFont(), kept);
    mCache.Release(extra);
    EXPECT_EQ(mCache.GetSlotFont(), kept);
    EXPECT_EQ(mCache.GetUseCount(), 1);

    extra = mCache.Acquire(kLarge);
    mCache.Release(kept);
    EXPECT_EQ(mCache.GetUseCount(), 0);
    mCache.Release(extra);
    EXPECT_EQ(mCache.GetSlotFont(), extra);
    EXPECT_EQ(mCache.GetUseCount(), 0);
    EXPECT_EQ(mCache.Acquire(kLarge), extra);
    EXPECT_EQ(Made(), 3u);
    mCache.Release(extra);
    mCache.Release(extra); // one too many: the count stays at 0
    EXPECT_EQ(mCache.GetUseCount(), 0);
}

} // namespace
