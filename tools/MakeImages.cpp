// Makes the project's own pictures and colours:
//
//   modstower_mkimage splash OUT.jpg          the program's splash picture
//   modstower_mkimage palette OUT.scol        the 236 palette colours, 708 bytes
//   modstower_mkimage photo W H SEED OUT.jpg  a photograph-like test picture
//   modstower_mkimage corpus DIR              seed inputs for the JPEG fuzz targets
//   modstower_mkimage icon SIZE OUT.png       the program's icon, SIZE pixels square
//   modstower_mkimage icon-svg OUT.svg        the program's icon, scalable
#include "tools/IconDrawing.h"
#include "tools/ImageSynth.h"
#include "tools/JPEGWriter.h"
#include "tools/PNGWriter.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

int Number(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != 0 || value < 1 || value > 65535)
        throw std::runtime_error(std::string("not a size: ") + text);
    return int(value);
}

// Small inputs reach the interesting paths of the decoder quickly: every coding
// process the library knows, odd sizes, restart markers, and damaged streams.
void WriteCorpus(const std::string& dir)
{
    std::filesystem::create_directories(dir);
    const auto path = [&](const char* name) { return (std::filesystem::path(dir) / name).string(); };

    SJPEGWriteOptions plain;
    plain.quality = 75;
    WriteFile(path("photo-16x16.jpg"), WriteJPEG(MakePhotoLikeImage(16, 16, 1), plain));
    WriteFile(path("three-wide.jpg"), WriteJPEG(MakePhotoLikeImage(3, 5, 2), plain));
    WriteFile(path("one-pixel.jpg"), WriteJPEG(MakePhotoLikeImage(1, 1, 3), plain));

    SJPEGWriteOptions gray = plain;
    gray.colour = EJPEGColour::kGrayscale;
    WriteFile(path("grayscale-24x8.jpg"), WriteJPEG(MakePhotoLikeImage(24, 8, 4), gray));

    SJPEGWriteOptions progressive = plain;
    progressive.process = EJPEGProcess::kProgressive;
    WriteFile(path("progressive-20x12.jpg"), WriteJPEG(MakePhotoLikeImage(20, 12, 5), progressive));

    SJPEGWriteOptions restarts = plain;
    restarts.restartRows = 1;
    WriteFile(path("restarts-32x32.jpg"), WriteJPEG(MakePhotoLikeImage(32, 32, 6), restarts));

    SJPEGWriteOptions arithmetic = plain;
    arithmetic.coding = EJPEGCoding::kArithmetic;
    WriteFile(path("arithmetic-8x8.jpg"), WriteJPEG(MakePhotoLikeImage(8, 8, 7), arithmetic));

    std::vector<uint8_t> cut = WriteJPEG(MakePhotoLikeImage(24, 24, 8), plain);
    cut.resize(cut.size() / 2);
    WriteFile(path("truncated-24x24.jpg"), cut);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::string verb = argc > 1 ? argv[1] : "";
        if (verb == "splash" && argc == 3) {
            SJPEGWriteOptions options;
            options.quality = 88;
            WriteFile(argv[2], WriteJPEG(MakeSplashImage(), options));
        } else if (verb == "palette" && argc == 3) {
            WriteFile(argv[2], MakePaletteColours());
        } else if (verb == "photo" && argc == 6) {
            const uint32_t seed = uint32_t(std::strtoul(argv[4], nullptr, 10));
            WriteFile(argv[5], WriteJPEG(MakePhotoLikeImage(Number(argv[2]), Number(argv[3]), seed)));
        } else if (verb == "corpus" && argc == 3) {
            WriteCorpus(argv[2]);
        } else if (verb == "icon" && argc == 4) {
            WriteFile(argv[3], WritePNG(MakeProgramIcon().Rasterise(Number(argv[2]))));
        } else if (verb == "icon-svg" && argc == 3) {
            const std::string svg = MakeProgramIcon().ToSVG();
            WriteFile(argv[2], std::vector<uint8_t>(svg.begin(), svg.end()));
        } else {
            std::fprintf(stderr, "usage: %s splash OUT.jpg | palette OUT.scol | photo W H SEED OUT.jpg | corpus DIR\n"
                         "       %s icon SIZE OUT.png | icon-svg OUT.svg\n", argv[0], argv[0]);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "modstower_mkimage: %s\n", e.what());
        return 1;
    }
    return 0;
}
