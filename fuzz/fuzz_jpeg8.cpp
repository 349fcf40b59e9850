// LoadJPEG from memory for an 8-bit display: the palettised decoder, its
// run-length rows and the bitmap made from them.
#include "images/JPEGLoader.h"
#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CPixelFormat format = [] {
        uint8_t colours[kPaletteResourceSize];
        for (size_t i = 0; i < kPaletteResourceSize; ++i)
            colours[i] = uint8_t(i * 37);
        return CPixelFormat(BuildApplicationPalette(colours));
    }();
    CMemoryMedia media(int32_t(size), const_cast<uint8_t*>(data));
    try {
        LoadJPEG(format, media);
    } catch (const XBase&) {
    }
    return 0;
}
