#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 8-bit run-length rows of device-independent images. An item is two bytes:
//   n > 0, c        n pixels of colour c (an encoded run);
//   0, 0            end of the row;   0, 1   end of the image;
//   0, 2, dx, dy    move right and up;
//   0, n >= 3       n literal pixels follow, padded to an even length.

// Encodes `height` rows of `width` indices each, in the order they lie in memory.
// Rows use absolute runs of at most 255 pixels: 240 instead of 255 when the rest
// would be 1 or 2 pixels, since an absolute run holds at least 3. Rows narrower
// than 3 pixels use encoded runs of one pixel. Each row ends with 0, 0 and the
// image with 0, 1 in place of the last row's end.
std::vector<uint8_t> EncodeRLE8(const uint8_t* indices, uint32_t width, uint32_t height);

// The exact length EncodeRLE8 produces.
uint64_t GetRLE8EncodedSize(uint32_t width, uint32_t height);

// Decodes run-length data into `indices` (width x height, rows in the same order
// as the encoded ones). Every read is bounded by `size`; pixels outside the image
// are dropped and pixels the data never reaches keep their value.
void DecodeRLE8(const uint8_t* data, size_t size, uint8_t* indices, uint32_t width, uint32_t height);
