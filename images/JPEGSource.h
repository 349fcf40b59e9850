#pragma once

struct jpeg_decompress_struct;
class CMedia;

// Makes the decompression object read its JPEG stream from `medium`, from the
// medium's current position to its end, in pieces of 4096 bytes. The source
// record and its buffer come from the object's permanent memory pool, so they
// live exactly as long as the object; a second call for the same object reuses
// them. The medium is not owned and must outlive the decoding.
//
// A stream with no bytes at all fails with the library's "empty input" error; a
// stream that ends early gets the library's warning and an end-of-image marker
// in place of the missing data, so the picture decodes to its full size.
void SetMediaSource(jpeg_decompress_struct* decompressor, CMedia& medium);
