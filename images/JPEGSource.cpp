#include "images/JPEGSource.h"

#include "media/Media.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

constexpr int32_t kBufferSize = 4096;

struct SMediaSource {
    jpeg_source_mgr pub; // first, so the library's source pointer is ours as well
    CMedia* medium;
    JOCTET* buffer;
    bool atStartOfFile;
};

SMediaSource* Source(j_decompress_ptr cinfo)
{
    return reinterpret_cast<SMediaSource*>(cinfo->src);
}

void InitSource(j_decompress_ptr cinfo)
{
    Source(cinfo)->atStartOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    SMediaSource* source = Source(cinfo);
    // Never ask for more than the medium holds, so reading at its end does not throw.
    const int64_t left = int64_t{source->medium->GetSize()} - source->medium->GetPosition();
    int32_t count = static_cast<int32_t>(std::clamp<int64_t>(left, 0, kBufferSize));
    if (count > 0)
        source->medium->Read(count, source->buffer);
    if (count == 0) {
        if (source->atStartOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        // Treat the missing rest as an end-of-image marker: the decoder then
        // finishes the picture with what it has.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        count = 2;
    }
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = static_cast<size_t>(count);
    source->atStartOfFile = false;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    SMediaSource* source = Source(cinfo);
    while (count > static_cast<long>(source->pub.bytes_in_buffer)) {
        count -= static_cast<long>(source->pub.bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    source->pub.next_input_byte += count;
    source->pub.bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

} // namespace

void SetMediaSource(jpeg_decompress_struct* cinfo, CMedia& medium)
{
    // Reuse only a record that is ours: another kind of source has another layout.
    if (cinfo->src == nullptr || cinfo->src->init_source != InitSource) {
        auto* source = static_cast<SMediaSource*>(
            (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(SMediaSource)));
        source->buffer = static_cast<JOCTET*>(
            (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kBufferSize));
        cinfo->src = &source->pub;
    }
    SMediaSource* source = Source(cinfo);
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInputBuffer;
    source->pub.skip_input_data = SkipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = nullptr;
    source->medium = &medium;
    source->atStartOfFile = true;
}
