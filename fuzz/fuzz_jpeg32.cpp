// LoadJPEG from memory for a 32-bit display: the true-colour decoder straight
// into a bitmap.
#include "images/JPEGLoader.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryMedia media(int32_t(size), const_cast<uint8_t*>(data));
    try {
        LoadJPEG(CPixelFormat(32), media);
    } catch (const XBase&) {
    }
    return 0;
}
