#pragma once

#include "images/Bitmap.h"
#include "images/ImageHeader.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CMedia;
class CPixelFormat;

// A JPEG stream decoded into a device-independent image for a pixel format:
//   depth 8          indices into the format's palette (the library's two-pass
//                    quantiser with error diffusion), stored as 8-bit run-length
//                    rows, with the palette as the header's colour table;
//   depth 16         5-5-5 words, red in bits 10-14, green 5-9, blue 0-4;
//   depth 24         blue, green, red;
//   depth 32         blue, green, red, 0;
// uncompressed rows padded to 4 bytes, all rows bottom-up.
struct SDecodedImage {
    SImageHeader header;
    std::vector<uint8_t> pixels;
};

// The largest picture decoded, 8192 x 8192 pixels or as many in another shape; its
// sides are also limited to those of a bitmap, CBitmap::kMaxDimension. A larger one
// is refused with XJPegOutOfMemory before anything is allocated for it, since its
// bitmap alone would take a quarter of a gigabyte.
constexpr uint64_t kMaxJPEGPixels = uint64_t{8192} * 8192;

// Decodes the JPEG stream from the medium's position to its end. Depth 8 takes the
// palettised road, every other depth the true-colour one; a depth other than 8, 16,
// 24 or 32 reads no rows, so the library reports too few of them (XJPegBadFormat).
// The library's fatal errors come out as XJPeg exceptions (JPEGErrorManager.h), and
// so does an arithmetic-coded stream (XJPegInternalError), which the mod files'
// reader cannot decode.
SDecodedImage DecodeJPEG(const CPixelFormat& format, CMedia& medium);

// The bitmap MakeBitmap makes of DecodeJPEG's image, owned by the caller. At 24
// and 32 bits the rows go straight into the bitmap, with the same result.
std::unique_ptr<CBitmap> LoadJPEG(const CPixelFormat& format, CMedia& medium);

// LoadJPEG of the running program's "JPEG" resource `id`. No such item: XBase.
std::unique_ptr<CBitmap> LoadJPEGResource(const CPixelFormat& format, uint16_t id);
