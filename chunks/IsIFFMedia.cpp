#include "chunks/IFFReader2.h"

#include "media/Media.h"
#include "media/XBase.h"

bool CIFFReader2::IsIFFMedia(CMedia& medium)
{
    try {
        CIFFReader2 reader(medium);
        CIFFChunkInfo chunk;
        return reader.GetFirstChunk(chunk) && chunk.GetKind() != kSimpleChunk
            && chunk.GetTotalSize() == medium.GetSize();
    } catch (const XBase&) {
        return false;
    }
}
