// Walks a chunk tree from arbitrary bytes: the nested reader at every level, then the text dump.
#include "chunks/IFFReader2.h"
#include "media/MemoryMedia.h"
#include "media/StringMedia.h"
#include "media/XBase.h"

#include <cstdint>
#include <vector>

namespace {

void Walk(CIFFReader2& reader, int depth)
{
    CIFFChunkInfo chunk;
    if (depth > 8 || !reader.GetFirstChunk(chunk))
        return;
    do {
        if (chunk.GetKind() == kSimpleChunk) {
            std::vector<uint8_t> data(chunk.GetDataSize());
            reader.ReadChunkData(chunk, data.data());
        } else {
            CIFFReader2 child(reader, chunk);
            if (child.GetMedia() != nullptr)
                Walk(child, depth + 1);
        }
    } while (reader.GetNextChunk(chunk, chunk));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    CMemoryMedia input(static_cast<int32_t>(bytes.size()), bytes.data());
    try {
        CIFFReader2 reader(input);
        reader.CountChunks();
        Walk(reader, 0);
    } catch (const XBase&) {
    }
    CIFFReader2::IsIFFMedia(input);
    CStringMedia output;
    try {
        CIFFReader2::DumpChunks(input, output, 0);
    } catch (const XBase&) {
    }
    return 0;
}
