#include "audio/AIFFFormat.h"

#include "media/ByteOrder.h"
#include "media/XBase.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t WholeHertz(double rate)
{
    // Truncated toward zero; anything below 1 Hz (negative, NaN) reads as 0 and
    // anything beyond 32 bits as the largest value, so the conversion is defined.
    if (!(rate >= 1.0))
        return 0;
    if (rate >= 4294967295.0)
        return UINT32_MAX;
    return static_cast<uint32_t>(rate);
}

} // namespace

AIFFCommonChunk ParseCommonChunk(const uint8_t* bytes)
{
    AIFFCommonChunk common;
    common.channels = static_cast<int16_t>(GetBE16(bytes));
    common.frames = GetBE32(bytes + 2);
    common.bits = GetBE16(bytes + 6);
    common.rate = WholeHertz(GetExtended(bytes + 8));
    return common;
}

void PackCommonChunk(const AIFFCommonChunk& common, uint8_t* bytes)
{
    SetBE16(bytes, static_cast<uint16_t>(common.channels));
    SetBE32(bytes + 2, common.frames);
    SetBE16(bytes + 6, common.bits);
    SetExtended(bytes + 8, double(common.rate));
}

bool IsValid(const AIFFCommonChunk& common)
{
    return common.channels >= 1 && common.channels <= 255 && common.frames != 0 && common.bits >= 8 &&
           common.bits <= 32 && common.rate != 0 && common.rate <= uint32_t{INT32_MAX};
}

AIFFSoundDataHeader ParseSoundDataHeader(const uint8_t* bytes)
{
    return AIFFSoundDataHeader{GetBE32(bytes), GetBE32(bytes + 4)};
}

void PackSoundDataHeader(const AIFFSoundDataHeader& header, uint8_t* bytes)
{
    SetBE32(bytes, header.offset);
    SetBE32(bytes + 4, header.blockSize);
}

AIFFInstrumentChunk ParseInstrumentChunk(const uint8_t* bytes)
{
    AIFFInstrumentChunk instrument;
    instrument.baseNote = static_cast<int8_t>(bytes[0]);
    instrument.detune = static_cast<int8_t>(bytes[1]);
    instrument.lowNote = static_cast<int8_t>(bytes[2]);
    instrument.highNote = static_cast<int8_t>(bytes[3]);
    instrument.lowVelocity = static_cast<int8_t>(bytes[4]);
    instrument.highVelocity = static_cast<int8_t>(bytes[5]);
    instrument.gain = static_cast<int16_t>(GetBE16(bytes + 6));
    instrument.sustainLoop.playMode = static_cast<int16_t>(GetBE16(bytes + 8));
    instrument.sustainLoop.beginMarker = static_cast<int16_t>(GetBE16(bytes + 10));
    instrument.sustainLoop.endMarker = static_cast<int16_t>(GetBE16(bytes + 12));
    instrument.releaseLoop.playMode = static_cast<int16_t>(GetBE16(bytes + 14));
    instrument.releaseLoop.beginMarker = static_cast<int16_t>(GetBE16(bytes + 16));
    instrument.releaseLoop.endMarker = static_cast<int16_t>(GetBE16(bytes + 18));
    return instrument;
}

void PackInstrumentChunk(const AIFFInstrumentChunk& instrument, uint8_t* bytes)
{
    bytes[0] = static_cast<uint8_t>(instrument.baseNote);
    bytes[1] = static_cast<uint8_t>(instrument.detune);
    bytes[2] = static_cast<uint8_t>(instrument.lowNote);
    bytes[3] = static_cast<uint8_t>(instrument.highNote);
    bytes[4] = static_cast<uint8_t>(instrument.lowVelocity);
    bytes[5] = static_cast<uint8_t>(instrument.highVelocity);
    SetBE16(bytes + 6, static_cast<uint16_t>(instrument.gain));
    SetBE16(bytes + 8, static_cast<uint16_t>(instrument.sustainLoop.playMode));
    SetBE16(bytes + 10, static_cast<uint16_t>(instrument.sustainLoop.beginMarker));
    SetBE16(bytes + 12, static_cast<uint16_t>(instrument.sustainLoop.endMarker));
    SetBE16(bytes + 14, static_cast<uint16_t>(instrument.releaseLoop.playMode));
    SetBE16(bytes + 16, static_cast<uint16_t>(instrument.releaseLoop.beginMarker));
    SetBE16(bytes + 18, static_cast<uint16_t>(instrument.releaseLoop.endMarker));
}

std::vector<AIFFMarker> ParseMarkerChunk(const uint8_t* bytes, uint32_t size)
{
    if (size < 2)
        throw XBadFormat();
    const uint16_t count = GetBE16(bytes);
    std::vector<AIFFMarker> markers;
    uint64_t at = 2;
    for (uint16_t i = 0; i < count; ++i) {
        // id (2), position (4) and the name's length byte must lie in the chunk, then the name.
        if (at + 7 > size)
            throw XBadFormat();
        AIFFMarker marker;
        marker.id = static_cast<int16_t>(GetBE16(bytes + at));
        marker.position = static_cast<int32_t>(GetBE32(bytes + at + 2));
        const uint8_t length = bytes[at + 6];
        if (at + 7 + length > size)
            throw XBadFormat();
        marker.name.assign(reinterpret_cast<const char*>(bytes + at + 7), length);
        at += 7 + length;
        if ((7 + length) & 1)
            ++at; // the pad byte keeps the next marker at an even offset
        markers.push_back(std::move(marker));
    }
    return markers;
}

std::vector<uint8_t> PackMarkerChunk(const std::vector<AIFFMarker>& markers)
{
    std::vector<uint8_t> bytes(2);
    SetBE16(bytes.data(), static_cast<uint16_t>(std::min<size_t>(markers.size(), 65535)));
    for (size_t i = 0; i < markers.size() && i < 65535; ++i) {
        const AIFFMarker& marker = markers[i];
        const uint8_t length = static_cast<uint8_t>(std::min<size_t>(marker.name.size(), 255));
        const size_t at = bytes.size();
        bytes.resize(at + 7 + length + ((7 + length) & 1), 0);
        SetBE16(&bytes[at], static_cast<uint16_t>(marker.id));
        SetBE32(&bytes[at + 2], static_cast<uint32_t>(marker.position));
        bytes[at + 6] = length;
        std::copy_n(marker.name.data(), length, &bytes[at + 7]);
    }
    return bytes;
}
