#include "app/ComponentChecks.h"

#include "app/Catalogue.h"
#include "app/PackUserInterface.h"
#include "audio/AIFFReader.h"
#include "audio/SampleFileInfo.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveReader.h"
#include "files/FileSpec.h"
#include "images/Bitmap.h"
#include "images/JPEGLoader.h"
#include "images/PixelFormat.h"
#include "media/OpenFile.h"
#include "media/XBase.h"
#include "app/TextFormat.h"

#include <memory>
#include <string>

namespace {

// The words of one sample format's reasons, and how to read that format.
struct SSampleFormat {
    const char* invalid; // "** Invalid aiff: %s"
    void (*readInfo)(CMedia&, SampleFileInfo&);
    void (*load)(CMedia&, const char*, uint8_t, std::unique_ptr<WAVE_SAMPLE>&);
};

const SSampleFormat kAiffFormat = {"** Invalid aiff: %s", CAIFFReader::ReadAIFFInfo, CAIFFReader::LoadAIFF};
const SSampleFormat kWaveFormat = {"** Invalid wav: %s", CWaveReader::ReadWaveInfo, CWaveReader::LoadWave};

bool CheckSample(CMedia& file, const std::string& fileName, CPackUserInterface& log, const SSampleFormat& format,
                 std::unique_ptr<WAVE_SAMPLE>* loaded)
{
    const std::string invalid = FormatText(format.invalid, fileName.c_str());
    try {
        SampleFileInfo info;
        format.readInfo(file, info);
        bool ok = true;
        auto refuse = [&](const char* reason) {
            log.LogLine((invalid + reason).c_str());
            ok = false;
        };
        if (info.channels != 1)
            refuse(". Only mono samples allowed.");
        if (info.bits != 16)
            refuse(". Only 16-bit samples allowed.");
        if (info.sampleRate != 44100)
            refuse(". Sample-rate must be 44100 Hz.");
        if (!info.plain)
            refuse(".");
        // A sample without a single frame would become an AIFF file whose "COMM"
        // no reader takes; it is refused as a file that cannot be read.
        if (info.frames == 0)
            return false;
        if (ok) {
            // Loading proves that the sample data can be read.
            std::unique_ptr<WAVE_SAMPLE> sample;
            file.SetPosition(0);
            format.load(file, fileName.c_str(), 0, sample);
            if (loaded != nullptr)
                *loaded = std::move(sample);
        }
        return ok;
    } catch (const XBase&) {
        return false;
    }
}

} // namespace

EImageCheck CheckSkinImage(CMedia& image, int32_t row)
{
    try {
        const std::unique_ptr<CBitmap> bitmap = LoadJPEG(GetScreenPixelFormat(), image);
        const SImageSize& standard = SkinImageSizes[row];
        if (bitmap->GetWidth() != standard.width || bitmap->GetHeight() != standard.height)
            return EImageCheck::kNonstandardSize;
        return EImageCheck::kStandardSize;
    } catch (const XBase&) {
        return EImageCheck::kNotDecodable;
    }
}

bool CheckAiffSample(CMedia& file, const std::string& fileName, CPackUserInterface& log,
                     std::unique_ptr<WAVE_SAMPLE>* loaded)
{
    return CheckSample(file, fileName, log, kAiffFormat, loaded);
}

bool CheckWaveSample(const CFileSpec& spec, CPackUserInterface& log, std::unique_ptr<WAVE_SAMPLE>* loaded)
{
    try {
        COpenFile file(spec.GetFullPath().c_str());
        return CheckSample(file, spec.GetFileName(), log, kWaveFormat, loaded);
    } catch (const XBase&) {
        return false;
    }
}
