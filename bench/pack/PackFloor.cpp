// The floor for packing a mod folder: the least work any packer has to do with
// the same inputs, in one process and without any framing of its own.
//
//   bench_pack_floor FOLDER OUTPUT
//
// Every file of the folder is read whole; every ".jpg" is decoded once with
// libjpeg into memory (the pixels are thrown away: a packer decodes only to check
// the size); the 16-bit frames of every ".wav" are byte-swapped in memory into
// the big-endian order of AIFF; and the bytes (the swapped frames in place of the
// WAVE files) are written one after another into OUTPUT. bench/pack/run.sh times
// it beside modstower-cli pack and a shell script doing the same with standard
// tools.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

std::vector<uint8_t> ReadWhole(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw std::runtime_error("cannot open " + path.string());
    std::vector<uint8_t> bytes(std::filesystem::file_size(path));
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got != bytes.size())
        throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

bool HasExtension(const std::filesystem::path& path, const char* extension)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) { return char(c | 0x20); });
    return ext == extension;
}

// The library's own error handling prints the reason and ends the process: the
// inputs here are the generator's, and a broken one makes the measurement void.
void DecodeJPEG(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& pixels)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    const size_t stride = size_t(cinfo.output_width) * cinfo.output_components;
    pixels.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

uint32_t LoadLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Finds the "data" chunk of a RIFF WAVE file and swaps its 16-bit frames in
// place; answers the frames' offset and length.
void SwapWaveFrames(std::vector<uint8_t>& bytes, size_t& offset, size_t& length, const std::string& name)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        throw std::runtime_error(name + " is not a WAVE file");
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint64_t size = LoadLE32(bytes.data() + at + 4);
        if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            offset = at + 8;
            length = size_t(std::min<uint64_t>(size, bytes.size() - offset)) & ~size_t{1};
            uint8_t* p = bytes.data() + offset;
            for (size_t i = 0; i < length; i += 2)
                std::swap(p[i], p[i + 1]);
            return;
        }
        at += 8 + size + (size & 1);
    }
    throw std::runtime_error(name + " has no data chunk");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_pack_floor FOLDER OUTPUT\n");
        return 2;
    }
    try {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());

        std::FILE* output = std::fopen(argv[2], "wb");
        if (!output)
            throw std::runtime_error(std::string("cannot create ") + argv[2]);
        std::vector<uint8_t> pixels;
        uint64_t written = 0;
        for (const auto& path : files) {
            std::vector<uint8_t> bytes = ReadWhole(path);
            size_t offset = 0;
            size_t length = bytes.size();
            if (HasExtension(path, ".jpg"))
                DecodeJPEG(bytes, pixels);
            else if (HasExtension(path, ".wav"))
                SwapWaveFrames(bytes, offset, length, path.string());
            if (length > 0 && std::fwrite(bytes.data() + offset, 1, length, output) != length)
                throw std::runtime_error(std::string("cannot write ") + argv[2]);
            written += length;
        }
        if (std::fclose(output) != 0)
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
        std::printf("%zu files, %llu bytes written\n", files.size(), static_cast<unsigned long long>(written));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_pack_floor: %s\n", failure.what());
        return 1;
    }
    return 0;
}
