#include "audio/AIFFWriter.h"

#include "audio/AIFFFormat.h"
#include "audio/BAT.h"
#include "audio/FrameReader.h"
#include "audio/SaveToFile.h"
#include "audio/WAVE_SAMPLE.h"
#include "media/Media.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <algorithm>
#include <typeinfo>
#include <vector>

CAIFFWriter::CAIFFWriter(CMedia& media)
    : CIFFWriter(media)
{
}

CAIFFWriter::~CAIFFWriter() = default;

namespace {

// The two markers the sustain loop names: 1 at its start, 2 at its end.
std::vector<AIFFMarker> LoopMarkers(int32_t loopStart, int32_t loopEnd)
{
    return {{1, loopStart, "Loop start"}, {2, loopEnd, "Loop end"}};
}

} // namespace

void CAIFFWriter::SaveAIFF(const CFileSpec& file, const char* creator, const WAVE_SAMPLE& sample)
{
    SaveAIFF(file, "AIFF", creator, sample, nullptr, nullptr, 0);
}

void CAIFFWriter::SaveAIFF(const CFileSpec& file, const char* fileType, const char* creator,
                           const WAVE_SAMPLE& sample, const char* signature, const void* data, int32_t size)
{
    SaveToFile(file, fileType, creator, [&](CMedia& media) { SaveAIFF(media, sample, signature, data, size); });
}

void CAIFFWriter::SaveAIFF(CMedia& media, const WAVE_SAMPLE& sample, const char* signature, const void* data,
                           int32_t size)
{
    CAIFFWriter writer(media);
    writer.OpenGroup("FORM", "AIFF");
    writer.WriteCOMM(sample);
    writer.WriteSSND(sample);
    writer.WriteINST(sample);
    writer.WriteMARK(sample);
    if (data)
        writer.WriteAPPL(signature, data, size);
    writer.CloseGroup();
}

int64_t CAIFFWriter::GetSavedSize(const WAVE_SAMPLE& sample)
{
    // A chunk is its 8-byte header, its data and a pad byte after odd data; the
    // group's header is 12 bytes.
    const auto chunk = [](int64_t size) { return 8 + size + (size & 1); };
    const int64_t frames = int64_t{sample.GetLength()} * 2;
    const int64_t markers = static_cast<int64_t>(PackMarkerChunk(LoopMarkers(0, 0)).size());
    return 12 + chunk(AIFFCommonChunk::kSize) + chunk(AIFFSoundDataHeader::kSize + frames)
        + chunk(AIFFInstrumentChunk::kSize) + chunk(markers);
}

void CAIFFWriter::WriteCOMM(const WAVE_SAMPLE& sample)
{
    AIFFCommonChunk common;
    common.channels = 1;
    common.frames = static_cast<uint32_t>(sample.GetLength());
    common.bits = 16;
    common.rate = static_cast<uint32_t>(std::max(0, sample.GetRate()));
    WriteCOMM(common);
}

void CAIFFWriter::WriteCOMM(const AIFFCommonChunk& common)
{
    uint8_t bytes[AIFFCommonChunk::kSize];
    PackCommonChunk(common, bytes);
    WriteChunk("COMM", bytes, sizeof bytes);
}

void CAIFFWriter::WriteSSND(const WAVE_SAMPLE& sample)
{
    BeginSSND(AIFFSoundDataHeader());
    WriteSwapped(sample.GetData(), static_cast<uint32_t>(sample.GetLength()) * 2);
    CloseChunk();
}

void CAIFFWriter::WriteSSND(const BAT& data)
{
    BeginSSND(AIFFSoundDataHeader());
    WriteSwapped(data, data.GetSize());
    CloseChunk();
}

void CAIFFWriter::WriteSSND(const AIFFSoundDataHeader& header, const void* bigEndianData, int32_t frames)
{
    if (frames < 0 || int64_t{frames} * 2 > INT32_MAX)
        throw XWrite();
    BeginSSND(header);
    WriteBytes(frames * 2, bigEndianData);
    CloseChunk();
}

void CAIFFWriter::BeginSSND(const AIFFSoundDataHeader& header)
{
    uint8_t bytes[AIFFSoundDataHeader::kSize];
    PackSoundDataHeader(header, bytes);
    OpenChunk("SSND");
    WriteBytes(sizeof bytes, bytes);
}

void CAIFFWriter::WriteINST(const WAVE_SAMPLE& sample)
{
    if (sample.HasInstrumentData())
        WriteINST(static_cast<int8_t>(sample.GetBaseNote()), sample.GetDetune());
    else
        WriteINST(60, 0);
}

void CAIFFWriter::WriteINST(int8_t baseNote, int8_t detune)
{
    // The sustain loop names markers 1 and 2 but is written with play mode 0, so a
    // saved loop comes back switched off.
    AIFFInstrumentChunk instrument;
    instrument.baseNote = baseNote;
    instrument.detune = detune;
    uint8_t bytes[AIFFInstrumentChunk::kSize];
    PackInstrumentChunk(instrument, bytes);
    WriteChunk("INST", bytes, sizeof bytes);
}

void CAIFFWriter::WriteMARK(const WAVE_SAMPLE& sample)
{
    WriteMARK(sample.GetLoopStart(), sample.GetLoopEnd());
}

void CAIFFWriter::WriteMARK(int32_t loopStart, int32_t loopEnd)
{
    const std::vector<uint8_t> bytes = PackMarkerChunk(LoopMarkers(loopStart, loopEnd));
    WriteChunk("MARK", bytes.data(), static_cast<int32_t>(bytes.size()));
}

void CAIFFWriter::WriteAPPL(const char* signature, const void* data, int32_t size)
{
    uint8_t packed[4];
    PackChunkID(packed, signature);
    OpenChunk("APPL");
    WriteBytes(sizeof packed, packed);
    WriteBytes(size, data);
    CloseChunk();
}

void CAIFFWriter::WriteSwapped(const BAT& data, uint32_t count)
{
    if (count > INT32_MAX)
        throw XWrite();
    // Only the last span of the range can have odd length; its last byte has no
    // partner and is copied as it is.
    const auto swapSpan = [](uint8_t* out, const uint8_t* in, uint32_t length) {
        SwapWordsInto(out, in, static_cast<int32_t>(length / 2));
        if (length % 2 != 0)
            out[length - 1] = in[length - 1];
    };
    // Only a plain memory medium is filled in place: a medium derived from it may
    // want to see every Write.
    CMedia& media = Media();
    if (typeid(media) == typeid(CMemoryMedia)) {
        uint8_t* block = static_cast<CMemoryMedia&>(media).ClaimForWriting(static_cast<int32_t>(count));
        data.ForEachSpan(0, count, [&](const uint8_t* span, uint32_t length, uint32_t done) {
            swapSpan(block + done, span, length);
        });
        return;
    }

    // Elsewhere the swapped copy is gathered across pages and written in large
    // pieces: a write per page costs more than the swapping itself.
    constexpr uint32_t kPieceSize = 1 << 16;
    std::vector<uint8_t> piece(std::min(count, kPieceSize));
    uint32_t filled = 0;
    data.ForEachSpan(0, count, [&](const uint8_t* span, uint32_t length, uint32_t) {
        for (uint32_t done = 0; done < length;) {
            const uint32_t now = std::min<uint32_t>(kPieceSize - filled, length - done);
            swapSpan(piece.data() + filled, span + done, now);
            filled += now;
            done += now;
            if (filled == kPieceSize) {
                media.Write(static_cast<int32_t>(filled), piece.data());
                filled = 0;
            }
        }
    });
    media.Write(static_cast<int32_t>(filled), piece.data());
}
