#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The chunk records of AIFF files and their big-endian byte images. Parsing takes
// bytes that the caller has already checked to be there; the marker parser checks
// its own bounds, since markers have variable length.

// "COMM": the format, 18 bytes.
struct AIFFCommonChunk {
    static constexpr int32_t kSize = 18;
    int16_t channels = 0;
    uint32_t frames = 0;
    uint16_t bits = 0;
    uint32_t rate = 0; // whole hertz, from the 80-bit number (fraction dropped)
};

AIFFCommonChunk ParseCommonChunk(const uint8_t* bytes);
void PackCommonChunk(const AIFFCommonChunk& common, uint8_t* bytes);
// Channels 1 to 255 (what a SampleFileInfo can report), frames not 0, bits 8 to
// 32, and a rate from 1 to the largest signed 32-bit number.
bool IsValid(const AIFFCommonChunk& common);

// The 8 bytes in front of the frames of "SSND".
struct AIFFSoundDataHeader {
    static constexpr int32_t kSize = 8;
    uint32_t offset = 0;    // bytes to skip before the first frame
    uint32_t blockSize = 0; // ignored
};

AIFFSoundDataHeader ParseSoundDataHeader(const uint8_t* bytes);
void PackSoundDataHeader(const AIFFSoundDataHeader& header, uint8_t* bytes);

struct AIFFLoop {
    int16_t playMode = 0; // 0: no looping
    int16_t beginMarker = 0;
    int16_t endMarker = 0;
};

// "INST": base note and loops, 20 bytes.
struct AIFFInstrumentChunk {
    static constexpr int32_t kSize = 20;
    int8_t baseNote = 60;
    int8_t detune = 0;
    int8_t lowNote = 0;
    int8_t highNote = 127;
    int8_t lowVelocity = 1;
    int8_t highVelocity = 127;
    int16_t gain = 0;
    AIFFLoop sustainLoop{0, 1, 2};
    AIFFLoop releaseLoop{0, 3, 4};
};

AIFFInstrumentChunk ParseInstrumentChunk(const uint8_t* bytes);
void PackInstrumentChunk(const AIFFInstrumentChunk& instrument, uint8_t* bytes);

// One entry of "MARK".
struct AIFFMarker {
    int16_t id = 0;
    int32_t position = 0; // in sample frames
    std::string name = "Uninited marker";
};

// The markers of a whole "MARK" chunk: a 16-bit count, then for each an id, a
// position, a counted name and a pad byte when 7 + name length is odd (a missing
// pad after the last marker is forgiven). XBadFormat when a marker runs past the
// chunk.
std::vector<AIFFMarker> ParseMarkerChunk(const uint8_t* bytes, uint32_t size);
// The bytes of a "MARK" chunk holding these markers (names longer than 255
// characters are cut).
std::vector<uint8_t> PackMarkerChunk(const std::vector<AIFFMarker>& markers);
