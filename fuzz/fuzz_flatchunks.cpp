// Walks a flat chunk file with the reader's searches. The first byte chooses the
// reader's settings (bit 0: little-endian RIFF, bit 1: ignore pad bytes) and the
// offset into each chunk's data; the rest is the file.
#include "chunks/IFFReader.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 0x7FFFFFFF)
        return 0;
    const uint8_t flags = data[0];
    CMemoryMedia media(static_cast<int32_t>(size - 1), const_cast<uint8_t*>(data + 1)); // only read
    CIFFReader reader(media, (flags & 1) ? "RIFF" : "FORM");
    if (flags & 1)
        reader.SetLittleEndian();
    if (flags & 2)
        reader.IgnorePadBytes();
    for (const char* id : {"COMM", "SSND", "INST", "MARK", "fmt ", "data", "APPL", "LIST"}) {
        try {
            uint32_t chunkSize = 0;
            uint8_t bytes[64];
            reader.ReadChunkData(id, bytes, flags >> 4, 16, chunkSize);
        } catch (const XBase&) {
        }
    }
    return 0;
}
