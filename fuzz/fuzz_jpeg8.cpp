// LoadJPEG from memory for an 8-bit display: the palettised decoder, its
// run-length rows and the bitmap made from them.
#include "images/JPEGErrorManager.h"
#include "images/JPEGLoader.h"
#include "images/JPEGSource.h"
#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <cstdio>

#include <jpeglib.h>

namespace {

// The quantiser's time grows with the picture's pixels, so a header that claims a
// large picture would spend each run on rows that fuzz_jpeg32 covers already. This
// target decodes pictures of at most 64 K pixels; of larger ones only the header
// is read. A header that fails goes on to LoadJPEG, to fail there as well.
constexpr uint64_t kMostPixels = 65536;

bool IsSmallPicture(CMedia& media)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = InstallErrorManager(&error);
    jpeg_create_decompress(&cinfo);
    try {
        SetMediaSource(&cinfo, media);
        jpeg_read_header(&cinfo, TRUE);
    } catch (const XBase&) {
        media.SetPosition(0);
        return true; // the error exit has destroyed the object
    }
    const bool small = uint64_t{cinfo.image_width} * cinfo.image_height <= kMostPixels;
    jpeg_destroy_decompress(&cinfo);
    media.SetPosition(0);
    return small;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CPixelFormat format = [] {
        uint8_t colours[kPaletteResourceSize];
        for (size_t i = 0; i < kPaletteResourceSize; ++i)
            colours[i] = uint8_t(i * 37);
        return CPixelFormat(BuildApplicationPalette(colours));
    }();
    CMemoryMedia media(int32_t(size), const_cast<uint8_t*>(data));
    if (!IsSmallPicture(media))
        return 0;
    try {
        LoadJPEG(format, media);
    } catch (const XBase&) {
    }
    return 0;
}
