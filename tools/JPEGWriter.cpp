#include "tools/JPEGWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

SRGBImage::SRGBImage(int w, int h)
    : width(w)
    , height(h)
    , pixels(size_t(w) * size_t(h) * 3)
{
}

void SRGBImage::Set(int x, int y, uint8_t red, uint8_t green, uint8_t blue)
{
    uint8_t* pixel = Row(y) + size_t(x) * 3;
    pixel[0] = red;
    pixel[1] = green;
    pixel[2] = blue;
}

namespace {

// The library's default error exit ends the process; a tool or a test wants to
// hear about the failure instead.
[[noreturn]] void ThrowOnError(j_common_ptr cinfo)
{
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    throw std::runtime_error(std::string("JPEG compression failed: ") + message);
}

void Silent(j_common_ptr) {}

struct SCompressor {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;

    ~SCompressor()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(output);
    }
};

} // namespace

std::vector<uint8_t> WriteJPEG(const SRGBImage& image, const SJPEGWriteOptions& options)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != size_t(image.width) * size_t(image.height) * 3)
        throw std::runtime_error("WriteJPEG: the picture has no pixels or the wrong number");

    SCompressor c;
    c.cinfo.err = jpeg_std_error(&c.error);
    c.error.error_exit = ThrowOnError;
    c.error.output_message = Silent;
    jpeg_create_compress(&c.cinfo);
    jpeg_mem_dest(&c.cinfo, &c.output, &c.outputSize);

    c.cinfo.image_width = JDIMENSION(image.width);
    c.cinfo.image_height = JDIMENSION(image.height);
    // Four-colour files carry the inverted red, green and blue, and no black.
    const bool cmyk = options.colour == EJPEGColour::kCMYK;
    c.cinfo.input_components = cmyk ? 4 : 3;
    c.cinfo.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c.cinfo);
    jpeg_set_quality(&c.cinfo, options.quality, TRUE);
    if (options.colour == EJPEGColour::kGrayscale)
        jpeg_set_colorspace(&c.cinfo, JCS_GRAYSCALE);
    if (options.coding == EJPEGCoding::kArithmetic)
        c.cinfo.arith_code = TRUE;
    if (options.process == EJPEGProcess::kProgressive)
        jpeg_simple_progression(&c.cinfo);
    jpeg_scan_info scans[MAX_COMPONENTS] = {};
    if (options.process == EJPEGProcess::kScanPerComponent) {
        for (int i = 0; i < c.cinfo.num_components; ++i) {
            scans[i].comps_in_scan = 1;
            scans[i].component_index[0] = i;
            scans[i].Se = DCTSIZE2 - 1;
        }
        c.cinfo.scan_info = scans;
        c.cinfo.num_scans = c.cinfo.num_components;
    }
    c.cinfo.restart_in_rows = options.restartRows;

    jpeg_start_compress(&c.cinfo, TRUE);
    std::vector<uint8_t> inks(cmyk ? size_t(image.width) * 4 : 0);
    while (c.cinfo.next_scanline < c.cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.Row(int(c.cinfo.next_scanline)));
        if (cmyk) {
            for (int x = 0; x < image.width; ++x) {
                for (int i = 0; i < 3; ++i)
                    inks[size_t(x) * 4 + size_t(i)] = uint8_t(255 - row[x * 3 + i]);
                inks[size_t(x) * 4 + 3] = 0;
            }
            row = inks.data();
        }
        jpeg_write_scanlines(&c.cinfo, &row, 1);
    }
    jpeg_finish_compress(&c.cinfo);
    return std::vector<uint8_t>(c.output, c.output + c.outputSize);
}

namespace {

constexpr uint8_t kDefineHuffmanTables = 0xC4;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;

size_t SegmentLength(const std::vector<uint8_t>& jpeg, size_t marker)
{
    if (marker + 4 > jpeg.size())
        throw std::runtime_error("WithoutHuffmanTables: a marker segment is cut off");
    const size_t length = size_t(jpeg[marker + 2]) << 8 | jpeg[marker + 3];
    if (length < 2 || marker + 2 + length > jpeg.size())
        throw std::runtime_error("WithoutHuffmanTables: a marker segment is cut off");
    return length;
}

// The tables of one DHT segment's payload that are kept, each whole.
std::vector<uint8_t> KeptTables(const uint8_t* payload, size_t size, std::initializer_list<uint8_t> dropped)
{
    std::vector<uint8_t> kept;
    size_t at = 0;
    while (at + 17 <= size) {
        size_t values = 0;
        for (size_t i = 1; i <= 16; ++i)
            values += payload[at + i];
        const size_t end = std::min(size, at + 17 + values);
        if (std::find(dropped.begin(), dropped.end(), payload[at]) == dropped.end())
            kept.insert(kept.end(), payload + at, payload + end);
        at = end;
    }
    return kept;
}

// Where the entropy-coded data after a scan header ends: at the first marker
// that is neither a stuffed zero nor a restart marker.
size_t EntropyDataEnd(const std::vector<uint8_t>& jpeg, size_t at)
{
    while (at + 1 < jpeg.size()) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] != 0 && (jpeg[at + 1] < 0xD0 || jpeg[at + 1] > 0xD7))
            return at;
        ++at;
    }
    return jpeg.size();
}

} // namespace

std::vector<uint8_t> WithoutHuffmanTables(const std::vector<uint8_t>& jpeg, std::initializer_list<uint8_t> tables)
{
    if (jpeg.size() < 2)
        throw std::runtime_error("WithoutHuffmanTables: no start-of-image marker");
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    size_t at = 2;
    while (at < jpeg.size()) {
        if (jpeg[at] != 0xFF || at + 1 >= jpeg.size())
            throw std::runtime_error("WithoutHuffmanTables: no marker where one belongs");
        const uint8_t marker = jpeg[at + 1];
        if (marker == kEndOfImage) {
            out.insert(out.end(), jpeg.begin() + long(at), jpeg.end());
            break;
        }
        const size_t length = SegmentLength(jpeg, at);
        size_t next = at + 2 + length;
        if (marker == kDefineHuffmanTables) {
            const std::vector<uint8_t> kept = KeptTables(jpeg.data() + at + 4, length - 2, tables);
            if (!kept.empty()) {
                const size_t keptLength = kept.size() + 2;
                out.insert(out.end(), {0xFF, marker, uint8_t(keptLength >> 8), uint8_t(keptLength)});
                out.insert(out.end(), kept.begin(), kept.end());
            }
        } else {
            if (marker == kStartOfScan)
                next = EntropyDataEnd(jpeg, next);
            out.insert(out.end(), jpeg.begin() + long(at), jpeg.begin() + long(next));
        }
        at = next;
    }
    return out;
}
