// The resource-script parser over arbitrary bytes: every text it stores must be
// a terminated string of at most 3000 characters in one of the 1000 slots.
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "resources/ResourceScript.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    CMemoryMedia media(int32_t(size), const_cast<uint8_t*>(data));
    try {
        CResourceScript script("SSTR", 1000);
        script.Parse(media, media.GetSize());
        for (uint32_t i = 0; i <= CResourceScript::kSlotCount; ++i) {
            const char* text = script.GetText(i);
            if (text != nullptr && (i == CResourceScript::kSlotCount || std::strlen(text) > CResourceScript::kMaxTextLength))
                std::abort();
        }
    } catch (const XBase&) {
    }
    return 0;
}
