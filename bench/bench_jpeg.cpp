// LoadJPEG against the JPEG library's own decoding of the same pictures: two
// skin-sized photograph-like images, made by our synthesiser. The library's
// run reads straight into a buffer that is allocated once, the least work a
// decode can be; LoadJPEG's includes the bitmap it hands back.
#include "images/JPEGLoader.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "tools/ImageSynth.h"
#include "tools/JPEGWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct SPicture {
    int width;
    int height;
    std::vector<uint8_t> jpeg;
};

const std::vector<SPicture>& Pictures()
{
    static const std::vector<SPicture> pictures = [] {
        std::vector<SPicture> list;
        for (const auto& [width, height] : {std::pair{1674, 30}, std::pair{592, 50}})
            list.push_back({width, height, WriteJPEG(MakePhotoLikeImage(width, height, uint32_t(width)))});
        return list;
    }();
    return pictures;
}

void Label(benchmark::State& state, const SPicture& picture)
{
    state.SetLabel(std::to_string(picture.width) + "x" + std::to_string(picture.height));
    state.SetItemsProcessed(state.iterations() * picture.width * picture.height);
}

void LibraryDecode(benchmark::State& state)
{
    const SPicture& picture = Pictures()[size_t(state.range(0))];
    std::vector<uint8_t> pixels(size_t(picture.width) * picture.height * 3);
    std::vector<JSAMPROW> rows(size_t(picture.height));
    for (int y = 0; y < picture.height; ++y)
        rows[size_t(y)] = pixels.data() + size_t(y) * picture.width * 3;

    for (auto _ : state) {
        jpeg_decompress_struct cinfo;
        jpeg_error_mgr error;
        cinfo.err = jpeg_std_error(&error);
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, picture.jpeg.data(), picture.jpeg.size());
        jpeg_read_header(&cinfo, TRUE);
        jpeg_start_decompress(&cinfo);
        while (cinfo.output_scanline < cinfo.output_height)
            jpeg_read_scanlines(&cinfo, rows.data() + cinfo.output_scanline, cinfo.output_height - cinfo.output_scanline);
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        benchmark::DoNotOptimize(pixels.data());
    }
    Label(state, picture);
}

void LoadJPEG24(benchmark::State& state)
{
    const SPicture& picture = Pictures()[size_t(state.range(0))];
    const CPixelFormat format(24);
    for (auto _ : state) {
        CMemoryMedia media(int32_t(picture.jpeg.size()), const_cast<uint8_t*>(picture.jpeg.data()));
        std::unique_ptr<CBitmap> bitmap = LoadJPEG(format, media);
        benchmark::DoNotOptimize(bitmap->GetPixels());
    }
    Label(state, picture);
}

void DecodeJPEG24(benchmark::State& state)
{
    const SPicture& picture = Pictures()[size_t(state.range(0))];
    const CPixelFormat format(24);
    for (auto _ : state) {
        CMemoryMedia media(int32_t(picture.jpeg.size()), const_cast<uint8_t*>(picture.jpeg.data()));
        SDecodedImage image = DecodeJPEG(format, media);
        benchmark::DoNotOptimize(image.pixels.data());
    }
    Label(state, picture);
}

void LoadJPEG8(benchmark::State& state)
{
    const SPicture& picture = Pictures()[size_t(state.range(0))];
    const CPixelFormat format(BuildApplicationPalette(MakePaletteColours().data()));
    for (auto _ : state) {
        CMemoryMedia media(int32_t(picture.jpeg.size()), const_cast<uint8_t*>(picture.jpeg.data()));
        std::unique_ptr<CBitmap> bitmap = LoadJPEG(format, media);
        benchmark::DoNotOptimize(bitmap->GetPixels());
    }
    Label(state, picture);
}

} // namespace

BENCHMARK(LibraryDecode)->Arg(0)->Arg(1);
BENCHMARK(LoadJPEG24)->Arg(0)->Arg(1);
BENCHMARK(DecodeJPEG24)->Arg(0)->Arg(1);
BENCHMARK(LoadJPEG8)->Arg(0)->Arg(1);

BENCHMARK_MAIN();
