#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// A picture in memory for our own JPEG files: three samples per pixel, red,
// green, blue, rows top-down without padding.
struct SRGBImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    SRGBImage() = default;
    SRGBImage(int w, int h);

    uint8_t* Row(int y) { return pixels.data() + size_t(y) * size_t(width) * 3; }
    const uint8_t* Row(int y) const { return pixels.data() + size_t(y) * size_t(width) * 3; }
    void Set(int x, int y, uint8_t red, uint8_t green, uint8_t blue);
};

enum class EJPEGCoding { kHuffman, kArithmetic };
// kScanPerComponent: sequential, but each component in a scan of its own, so
// later scans bring their own tables.
enum class EJPEGProcess { kSequential, kProgressive, kScanPerComponent };
enum class EJPEGColour { kColour, kGrayscale, kCMYK };

struct SJPEGWriteOptions {
    int quality = 90;
    EJPEGCoding coding = EJPEGCoding::kHuffman;
    EJPEGProcess process = EJPEGProcess::kSequential;
    EJPEGColour colour = EJPEGColour::kColour;
    int restartRows = 0; // a restart marker every that many MCU rows; 0 for none
};

// Compresses `image` with the system's JPEG library; throws std::runtime_error
// when the library refuses.
std::vector<uint8_t> WriteJPEG(const SRGBImage& image, const SJPEGWriteOptions& options = {});

// The same file with the Huffman table definitions `tables` left out, each named
// as its DHT segment names it: class in the high four bits (0 DC, 1 AC), slot in
// the low ones. A segment left with no table goes as a whole. Throws
// std::runtime_error for a file whose markers it cannot follow.
std::vector<uint8_t> WithoutHuffmanTables(const std::vector<uint8_t>& jpeg, std::initializer_list<uint8_t> tables);
