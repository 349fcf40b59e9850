// Reads the format of an AIFF file from memory, then loads it twice: picking the
// first channel, and mixing all channels down.
#include "audio/AIFFReader.h"
#include "audio/FrameReader.h"
#include "audio/WAVE_SAMPLE.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

static CScratchBuffers gScratchBuffers;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x7FFFFFFF)
        return 0;
    CMemoryMedia media(static_cast<int32_t>(size), const_cast<uint8_t*>(data)); // only read
    try {
        SampleFileInfo info;
        CAIFFReader::ReadAIFFInfo(media, info);
        std::unique_ptr<WAVE_SAMPLE> sample;
        CAIFFReader::LoadAIFF(media, "fuzz.aif", 0, sample);
        CAIFFReader::LoadAIFF(media, "fuzz.aif", info.channels, sample);
    } catch (const XBase&) {
    }
    return 0;
}
