#pragma once

#include "images/Font.h"

#include <memory>

// The program-wide slot that keeps one font for reuse, with a use count. Canvases
// take their fonts here and give them back; the last font given back stays for
// the next request of the same record.
class CFontCache {
public:
    static CFontCache& Get();

    // The slot's font when it answers `record` (one more user); otherwise a new
    // font, which takes the slot when the slot is free or its font unused. The
    // result stays the cache's: hand it back with Release. XBase when no font can
    // be made; the slot is then as it was.
    CFont* Acquire(const SFontRecord& record);
    // One user less of the slot's font; another font takes the slot when the
    // slot's font is unused, and is deleted otherwise.
    void Release(CFont* font);

    const CFont* GetSlotFont() const { return mSlot.get(); }
    int32_t GetUseCount() const { return mUseCount; }
    // Deletes the kept font; at shut-down, before the platform goes.
    void Empty();

private:
    std::unique_ptr<CFont> mSlot;
    int32_t mUseCount = 0;
};
