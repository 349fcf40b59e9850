#include "images/Screen.h"
#include "images/ScreenClient.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "tests/qt/PortTestSupport.h"
#include "tools/JPEGWriter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Serves bitmaps of id x (id / 100) for ids from 100 on, and counts what it is asked.
class CFakeClient : public CScreenClient {
public:
    void ColourTableChanged(const CPixelFormat& format) override
    {
        ++mChanges;
        mDepth = format.GetDepth();
        if (mFailChange)
            throw XOutOfMemory();
    }
    std::unique_ptr<CBitmap> LoadWindowBitmap(WindowPort::WindowHandle, const CPixelFormat&, int32_t id) override
    {
        ++mLoads[id];
        if (id == 13)
            throw XBadFormat();
        return id >= 100 ? std::make_unique<CBitmap>(id, id / 100) : nullptr;
    }

    int mChanges = 0;
    int mDepth = 0;
    bool mFailChange = false;
    std::map<int32_t, int> mLoads;
};

class ScreenTest : public testing::Test {
protected:
    CFakeClient mClient;
    CScreen mScreen{mClient};
};

TEST_F(ScreenTest, BitmapsAreLoadedOnceAndKept)
{
    CBitmap* bitmap = mScreen.GetBitmap(1, 300);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->GetWidth(), 300);
    EXPECT_EQ(mScreen.GetBitmap(1, 300), bitmap);
    EXPECT_EQ(mClient.mLoads[300], 1);
    EXPECT_EQ(mScreen.GetBitmap(1, 5), nullptr);
    EXPECT_EQ(mScreen.GetBitmap(1, 5), nullptr);
    EXPECT_EQ(mClient.mLoads[5], 2) << "a miss is not remembered";
    EXPECT_THROW(mScreen.GetBitmap(1, 13), XBadFormat);
    mScreen.RemoveBitmap(300);
    mScreen.GetBitmap(1, 300);
    EXPECT_EQ(mClient.mLoads[300], 2);
}

TEST_F(ScreenTest, BitmapSizeOrZerosAndXBase)
{
    int32_t width = 7;
    int32_t height = 7;
    mScreen.GetBitmapSize(1, 250, width, height);
    EXPECT_EQ(width, 250);
    EXPECT_EQ(height, 2);
    width = height = 7;
    EXPECT_THROW(mScreen.GetBitmapSize(1, 42, width, height), XBase);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
}

TEST_F(ScreenTest, RebuildEmptiesTheCacheAndTellsTheClient)
{
    mScreen.GetBitmap(1, 200);
    mScreen.RebuildColourTable();
    EXPECT_EQ(mClient.mChanges, 1);
    EXPECT_EQ(mClient.mDepth, mScreen.GetPixelFormat().GetDepth());
    EXPECT_EQ(mScreen.GetCachedCount(), 0u);
    mClient.mFailChange = true;
    mScreen.RebuildColourTable();
    EXPECT_EQ(mClient.mChanges, 2);
    EXPECT_EQ(GetScreenPixelFormat().GetDepth(), mScreen.GetPixelFormat().GetDepth());
}

TEST_F(ScreenTest, JPEGBitmapsJoinTheCache)
{
    SRGBImage image(6, 4);
    std::vector<uint8_t> jpeg = WriteJPEG(image);
    CMemoryMedia medium(int32_t(jpeg.size()), jpeg.data());
    mScreen.AddJPEGBitmapFromMedium(mScreen.GetPixelFormat(), 77, medium);
    int32_t width = 0;
    int32_t height = 0;
    mScreen.GetBitmapSize(1, 77, width, height);
    EXPECT_EQ(width, 6);
    EXPECT_EQ(height, 4);
    EXPECT_EQ(mClient.mLoads.count(77), 0u);
    EXPECT_THROW(mScreen.AddJPEGBitmap(mScreen.GetPixelFormat(), 70000), XBase);
    EXPECT_THROW(mScreen.AddJPEGBitmap(mScreen.GetPixelFormat(), 4321), XBase);
    EXPECT_EQ(mScreen.GetCachedCount(), 1u);
}

} // namespace
