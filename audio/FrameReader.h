#pragma once

#include <cstdint>

class BAT;
class CMedia;

// Turning the interleaved frames of a sample file into mono 16-bit samples.
//
// Frames are read from the medium in blocks through two process-wide scratch
// buffers of 16384 bytes: the first receives raw frames; the converted samples go
// straight into a destination buffer's pages, or through the second into a
// destination medium. 16-bit mono frames skip the scratch buffers altogether.
// The buffers are made once at program start and released at the end (see
// CScratchBuffers), and they are unguarded: one conversion at a time.
//
// Output samples are always 16-bit, least significant byte first. Input samples
// are 1 or 2 bytes wide; 2-byte input is swapped first when the swap flag is set
// (big-endian files).

constexpr int32_t kScratchBufferSize = 16384;

// Allocates both buffers (nothing happens when they exist already); if the second
// cannot be made, the first is released too and the failure passed on.
void MakeScratchBuffers();
void FreeScratchBuffers();
// The buffers, or null while they are not made.
uint8_t* GetScratchBuffer1();
uint8_t* GetScratchBuffer2();

// Makes the scratch buffers for its lifetime. Every program's main holds one.
class CScratchBuffers {
public:
    CScratchBuffers() { MakeScratchBuffers(); }
    ~CScratchBuffers() { FreeScratchBuffers(); }
    CScratchBuffers(const CScratchBuffers&) = delete;
    CScratchBuffers& operator=(const CScratchBuffers&) = delete;
};

// What the mixing converter keeps between blocks.
struct MixContext {
    int32_t gain = 32768; // Q15, applied to each channel; 32768 means none
    int32_t maximum = 0;  // largest frame sum seen
    int32_t minimum = 0;  // smallest frame sum seen
};

// Turns `frames` raw frames into one channel of 16-bit samples.
using FrameConverter = void (*)(void* context, const uint8_t* raw, uint8_t* converted, int32_t bytesPerSample,
                                int32_t channels, int32_t channelIndex, int32_t frames);

// Picks channel `channelIndex` of each frame; 8-bit samples come out as value * 256.
void PickChannelConverter(void* context, const uint8_t* raw, uint8_t* converted, int32_t bytesPerSample,
                          int32_t channels, int32_t channelIndex, int32_t frames);
// Sums the channels of each frame (each scaled by the gain), keeps the extremes of
// the sums in the MixContext and writes the sums limited to 16 bits.
void MixdownConverter(void* context, const uint8_t* raw, uint8_t* converted, int32_t bytesPerSample,
                      int32_t channels, int32_t channelIndex, int32_t frames);

// Converts `frames` frames from the medium's current position into `destination`
// from its start (sample k at byte offset 2k). Parameters are checked before
// anything is read: 1 or 2 bytes per sample, 1 to 16384 / bytesPerSample channels
// and a channel index below the channel count (XUnsupportedFormat otherwise), and
// a destination large enough (XPosition otherwise). A read failure of the medium
// passes through and leaves the destination partly written.
void ReadFrames(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t channelIndex,
                int32_t frames, bool swap, FrameConverter converter, void* context);
// The same, writing sample k at byte offset 2k of the destination medium.
void ReadFramesToMedia(CMedia& source, CMedia& destination, int32_t bytesPerSample, int32_t channels,
                       int32_t channelIndex, int32_t frames, bool swap, FrameConverter converter, void* context);

// ReadFrames with the channel-pick converter. 16-bit mono frames, which need no
// converting, are read straight into the destination's pages in one scattered
// read, and swapped there when asked.
void ReadChannel(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t channelIndex,
                 int32_t frames, bool swap);

// Mixes all channels down to one. When a frame sum clips, the frames are read a
// second time from the same place with a gain that brings the loudest sum to about
// 32767, and `scaled` is set. 16-bit mono frames are read as ReadChannel reads them.
void ReadMixdown(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t frames,
                 bool swap, bool& scaled);

// Swaps the two bytes of each of `count` 16-bit words.
void SwapWords(void* memory, int32_t count);
// Copies `count` 16-bit words with their bytes swapped; the two may be the same
// memory, but must not overlap otherwise.
void SwapWordsInto(void* destination, const void* source, int32_t count);
