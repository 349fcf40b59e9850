#include "images/FontCache.h"

CFontCache& CFontCache::Get()
{
    static CFontCache cache;
    return cache;
}

CFont* CFontCache::Acquire(const SFontRecord& record)
{
    if (mSlot && mSlot->GetRecord() == record) {
        ++mUseCount;
        return mSlot.get();
    }
    auto font = std::make_unique<CFont>(record);
    if (mSlot && mUseCount == 0)
        mSlot.reset();
    if (mSlot)
        return font.release();
    mSlot = std::move(font);
    mUseCount = 1;
    return mSlot.get();
}

void CFontCache::Release(CFont* font)
{
    if (font == nullptr)
        return;
    if (font == mSlot.get()) {
        // A surplus release leaves the count at 0 rather than below it.
        if (mUseCount > 0)
            --mUseCount;
        return;
    }
    if (mUseCount == 0) {
        mSlot.reset(font);
        return;
    }
    delete font;
}

void CFontCache::Empty()
{
    mSlot.reset();
    mUseCount = 0;
}
