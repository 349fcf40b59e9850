#include "audio/WaveReader.h"

#include "audio/FrameReader.h"
#include "audio/PositionKeeper.h"
#include "audio/WAVE_SAMPLE.h"
#include "audio/WaveFormat.h"
#include "files/FileSpec.h"
#include "media/Media.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <algorithm>

CWaveReader::CWaveReader(CMedia& media)
    : RIFF_READER(media)
{
}

CWaveReader::~CWaveReader() = default;

void CWaveReader::ReadWaveInfo(CMedia& media, SampleFileInfo& info)
{
    CPositionKeeper keeper(media);
    CWaveReader reader(media);
    uint8_t bytes[WaveFormatChunk::kSize];
    uint32_t size = 0;
    // Reading 16 bytes of a shorter "fmt " would take them from the next chunk.
    if (!reader.FindChunk("fmt ", size) || size < WaveFormatChunk::kSize)
        throw XBadFormat();
    media.Read(sizeof bytes, bytes);
    uint32_t dataSize = 0;
    if (!reader.FindChunk("data", dataSize))
        throw XBadFormat();
    const WaveFormatChunk format = ParseWaveFormatChunk(bytes);
    if (!IsValid(format))
        throw XUnsupportedFormat();

    // Validity keeps channels at 1 or more and bits at 8 or more, so the frame
    // size is never 0.
    const int64_t frameBytes = int64_t{format.channels} * (format.bitsPerSample / 8);
    info = SampleFileInfo();
    info.channels = static_cast<uint8_t>(format.channels);
    info.bits = static_cast<uint8_t>(format.bitsPerSample);
    info.sampleRate = format.samplesPerSecond;
    info.frames = static_cast<uint32_t>(dataSize / frameBytes);
    info.plain = format.formatTag == WaveFormatChunk::kIntegerPCM && format.bitsPerSample == 16;
}

void CWaveReader::ReadWaveInfo(const CFileSpec& file, SampleFileInfo& info)
{
    COpenFile media(file.GetFullPath().c_str());
    ReadWaveInfo(media, info);
}

void CWaveReader::LoadWave(const CFileSpec& file, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample)
{
    sample.reset();
    COpenFile media(file.GetFullPath().c_str());
    LoadWave(media, file.GetFileName().c_str(), channelChoice, sample);
}

void CWaveReader::LoadWave(CMedia& media, const char* name, uint8_t channelChoice,
                           std::unique_ptr<WAVE_SAMPLE>& sample)
{
    sample.reset();
    SampleFileInfo info;
    ReadWaveInfo(media, info);
    if (!info.plain)
        throw XUnsupportedFormat();

    // Everything that can be refused is refused before the sample's memory is taken.
    WAVE_SAMPLE::CheckLength(info.frames);
    CWaveReader reader(media);
    reader.SeekSoundData(info.channels, channelChoice, info.frames);

    // Reading the sound data writes every frame, so the pages are not cleared first.
    auto loaded = std::make_unique<WAVE_SAMPLE>(name, static_cast<int32_t>(info.sampleRate),
                                                static_cast<int32_t>(info.frames), 0, 0, false, EBATFill::kNone);
    reader.ReadSoundData(*loaded, info.channels, channelChoice);
    sample = std::move(loaded);
}

void CWaveReader::SeekSoundData(int32_t channels, uint8_t channelChoice, int64_t frames)
{
    if (channels < 1 || channelChoice > channels)
        throw XUnsupportedFormat();
    CMedia& media = Media();
    uint32_t size = 0;
    if (!FindChunk("data", size))
        throw XBadFormat();
    // A short chunk fails as a short read would, without reading what follows it.
    const int64_t available = std::min<int64_t>(size, int64_t{media.GetSize()} - media.GetPosition());
    if (frames * channels * 2 > available)
        throw XRead();
}

void CWaveReader::ReadSoundData(WAVE_SAMPLE& sample, int32_t channels, uint8_t channelChoice)
{
    SeekSoundData(channels, channelChoice, sample.GetLength());
    if (channelChoice == channels) {
        bool scaled = false;
        ReadMixdown(Media(), sample.GetData(), 2, channels, sample.GetLength(), false, scaled);
    } else {
        ReadChannel(Media(), sample.GetData(), 2, channels, channelChoice, sample.GetLength(), false);
    }
}
