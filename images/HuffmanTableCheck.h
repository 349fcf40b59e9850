#pragma once

#include <cstdint>

struct jpeg_common_struct;
struct jpeg_decompress_struct;

// The reader of the mod files knows no Huffman tables but those a JPEG stream
// defines, while the library quietly supplies the standard ones for a stream
// that lacks them. This check keeps the library to the stream's own tables: a
// scan that needs a table the stream has not defined before it is refused with
// the library's "Huffman table was not defined" error (XJPegInternalError), in
// every scan of the picture, progressive ones included.
//
// It learns of table definitions and scan headers from the messages the library
// sends to its error manager as it reads the markers, so it sees each marker as
// it is read, before any data of the scan is decoded.
class CHuffmanTableCheck {
public:
    // Watches `decompressor`, which must have its error manager installed and be
    // created already; the check takes the object's client data field and must
    // live as long as the object is used.
    explicit CHuffmanTableCheck(jpeg_decompress_struct& decompressor);

    CHuffmanTableCheck(const CHuffmanTableCheck&) = delete;
    CHuffmanTableCheck& operator=(const CHuffmanTableCheck&) = delete;

private:
    static void EmitMessage(jpeg_common_struct* cinfo, int level);
    void Notice(jpeg_decompress_struct& cinfo);
    void CheckScan(jpeg_decompress_struct& cinfo) const;
    static void Require(jpeg_decompress_struct& cinfo, uint8_t defined, int table);

    void (*mLibraryEmitMessage)(jpeg_common_struct*, int) = nullptr;
    uint8_t mDefinedDC = 0; // bit n set: DC table n has been defined
    uint8_t mDefinedAC = 0;
};
