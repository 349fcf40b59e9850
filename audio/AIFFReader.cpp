#include "audio/AIFFReader.h"

#include "audio/AIFFFormat.h"
#include "audio/FrameReader.h"
#include "audio/PositionKeeper.h"
#include "audio/WAVE_SAMPLE.h"
#include "files/FileSpec.h"
#include "media/Media.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <algorithm>
#include <vector>

CAIFFReader::CAIFFReader(CMedia& media)
    : CIFFReader(media, "FORM")
{
}

CAIFFReader::~CAIFFReader() = default;

void CAIFFReader::ReadAIFFInfo(CMedia& media, SampleFileInfo& info)
{
    CPositionKeeper keeper(media);
    CAIFFReader reader(media);
    uint8_t bytes[AIFFCommonChunk::kSize];
    uint32_t size = 0;
    // Reading 18 bytes of a shorter "COMM" would take them from the next chunk.
    if (!reader.FindChunk("COMM", size) || size < AIFFCommonChunk::kSize)
        throw XBadFormat();
    media.Read(sizeof bytes, bytes);
    const AIFFCommonChunk common = ParseCommonChunk(bytes);
    if (!IsValid(common))
        throw XBadFormat();

    info = SampleFileInfo();
    info.channels = static_cast<uint8_t>(common.channels);
    info.bits = static_cast<uint8_t>(common.bits);
    info.sampleRate = common.rate;
    info.frames = common.frames;
    info.plain = common.bits == 16;
}

void CAIFFReader::ReadAIFFInfo(const CFileSpec& file, SampleFileInfo& info)
{
    COpenFile media(file.GetFullPath().c_str());
    ReadAIFFInfo(media, info);
}

void CAIFFReader::LoadAIFF(const CFileSpec& file, uint8_t channelChoice, std::unique_ptr<WAVE_SAMPLE>& sample)
{
    sample.reset();
    COpenFile media(file.GetFullPath().c_str());
    LoadAIFF(media, file.GetFileName().c_str(), channelChoice, sample);
}

void CAIFFReader::LoadAIFF(CMedia& media, const char* name, uint8_t channelChoice,
                           std::unique_ptr<WAVE_SAMPLE>& sample)
{
    sample.reset();
    SampleFileInfo info;
    ReadAIFFInfo(media, info);
    if (!info.plain)
        throw XUnsupportedFormat();

    // Everything that can be refused is refused before the sample's memory is taken.
    WAVE_SAMPLE::CheckLength(info.frames);
    CAIFFReader reader(media);
    reader.SeekSoundData(info.channels, channelChoice, info.frames);

    // Reading the sound data writes every frame, so the pages are not cleared first.
    auto loaded = std::make_unique<WAVE_SAMPLE>(name, static_cast<int32_t>(info.sampleRate),
                                                static_cast<int32_t>(info.frames), 0, 0, false, EBATFill::kNone);
    reader.ReadSoundData(*loaded, info.channels, channelChoice);
    reader.ReadLoopInfo(*loaded);
    sample = std::move(loaded);
}

void CAIFFReader::SeekSoundData(int32_t channels, uint8_t channelChoice, int64_t frames)
{
    if (channels < 1 || channelChoice > channels)
        throw XUnsupportedFormat();
    CMedia& media = Media();
    uint32_t size = 0;
    if (!FindChunk("SSND", size))
        throw XBadFormat();
    if (size < AIFFSoundDataHeader::kSize)
        throw XRead();
    uint8_t bytes[AIFFSoundDataHeader::kSize];
    media.Read(sizeof bytes, bytes);
    const AIFFSoundDataHeader header = ParseSoundDataHeader(bytes);

    // The frames must lie inside the chunk and inside the medium: a short chunk
    // fails as a short read would, without reading what follows it.
    const int64_t first = int64_t{media.GetPosition()} + header.offset;
    const int64_t inChunk = int64_t{size} - AIFFSoundDataHeader::kSize - header.offset;
    const int64_t available = std::min<int64_t>(inChunk, int64_t{media.GetSize()} - first);
    if (frames * channels * 2 > available)
        throw XRead();
    media.SetPosition(static_cast<int32_t>(first));
}

void CAIFFReader::ReadSoundData(WAVE_SAMPLE& sample, int32_t channels, uint8_t channelChoice)
{
    SeekSoundData(channels, channelChoice, sample.GetLength());
    // AIFF samples are big-endian: swapped on the way in.
    if (channelChoice == channels) {
        bool scaled = false;
        ReadMixdown(Media(), sample.GetData(), 2, channels, sample.GetLength(), true, scaled);
    } else {
        ReadChannel(Media(), sample.GetData(), 2, channels, channelChoice, sample.GetLength(), true);
    }
}

void CAIFFReader::ReadLoopInfo(WAVE_SAMPLE& sample)
{
    CMedia& media = Media();
    uint32_t size = 0;
    if (!FindChunk("INST", size))
        return;
    if (size < AIFFInstrumentChunk::kSize)
        throw XBadFormat();
    uint8_t bytes[AIFFInstrumentChunk::kSize];
    media.Read(sizeof bytes, bytes);
    const AIFFInstrumentChunk instrument = ParseInstrumentChunk(bytes);

    bool loopOn = instrument.sustainLoop.playMode != 0;
    if (instrument.baseNote != 0) {
        sample.SetBaseNote(static_cast<uint8_t>(instrument.baseNote));
        sample.SetDetune(instrument.detune);
    } else {
        sample.SetBaseNote(60);
        sample.SetDetune(0);
    }
    sample.SetHasInstrumentData(true);

    if (!FindChunk("MARK", size))
        return;
    // Read whole, but never more than the medium holds: the size field is not trusted.
    if (int64_t{size} > int64_t{media.GetSize()} - media.GetPosition())
        throw XBadFormat();
    std::vector<uint8_t> mark(size);
    media.Read(static_cast<int32_t>(size), mark.data());
    const std::vector<AIFFMarker> markers = ParseMarkerChunk(mark.data(), size);
    if (markers.size() < 2)
        return;

    auto find = [&markers](int16_t id) {
        const auto it = std::find_if(markers.begin(), markers.end(), [id](const AIFFMarker& m) { return m.id == id; });
        if (it == markers.end())
            throw XBadFormat();
        return it->position;
    };
    int32_t start = find(instrument.sustainLoop.beginMarker);
    int32_t end = find(instrument.sustainLoop.endMarker);
    if (start < 0) {
        start = 0;
        loopOn = false;
    }
    if (end > sample.GetLength()) {
        end = sample.GetLength();
        loopOn = false;
    }
    sample.SetLoop(start, end, loopOn);
}
