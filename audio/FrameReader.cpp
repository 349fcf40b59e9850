#include "audio/FrameReader.h"

#include "audio/BAT.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Plain pointers, freed only by FreeScratchBuffers: a holder with a destructor of
// its own could be destroyed at exit before a static owner elsewhere frees them.
uint8_t* gScratch1 = nullptr;
uint8_t* gScratch2 = nullptr;

// Byte-wise loads and stores keep the conversion independent of the host's byte
// order and of alignment; compilers turn them into plain moves.
inline int32_t LoadLE16(const uint8_t* p)
{
    return static_cast<int16_t>(p[0] | p[1] << 8);
}

inline void StoreLE16(uint8_t* p, int32_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

inline int32_t LoadSample(const uint8_t* p, int32_t bytesPerSample)
{
    // An 8-bit sample times 256, taken as a 16-bit value.
    return bytesPerSample == 2 ? LoadLE16(p) : static_cast<int8_t>(p[0]) * 256;
}

void CheckParameters(int32_t bytesPerSample, int32_t channels, int32_t channelIndex, int32_t frames)
{
    // A frame wider than the scratch buffer would give blocks of 0 frames and never end.
    if (bytesPerSample < 1 || bytesPerSample > 2 || channels < 1 || channels > kScratchBufferSize / bytesPerSample)
        throw XUnsupportedFormat();
    if (channelIndex < 0 || channelIndex >= channels)
        throw XUnsupportedFormat();
    if (frames < 0)
        throw XPosition();
    if (!gScratch1 || !gScratch2)
        throw XInternalError();
}

// Runs the block loop: reads each block of raw frames into the first scratch
// buffer, swaps it when asked, and lets `convert(raw, firstFrame, frameCount)`
// turn it into samples and put them away.
template <typename Convert>
void ConvertBlocks(CMedia& source, int32_t bytesPerSample, int32_t channels, int32_t frames, bool swap,
                   Convert convert)
{
    const int32_t frameBytes = bytesPerSample * channels;
    const int32_t framesPerBlock = std::min(kScratchBufferSize / frameBytes, kScratchBufferSize / 2);
    uint8_t* raw = gScratch1;
    for (int32_t done = 0; done < frames;) {
        const int32_t n = std::min(framesPerBlock, frames - done);
        source.Read(n * frameBytes, raw);
        if (swap && bytesPerSample == 2)
            SwapWords(raw, n * channels);
        convert(raw, done, n);
        done += n;
    }
}

// 16-bit mono frames need no conversion: they are read straight into the
// buffer's pages, and swapped there when the file is big-endian.
void ReadMonoFrames(CMedia& source, BAT& destination, int32_t channelIndex, int32_t frames, bool swap)
{
    CheckParameters(2, 1, channelIndex, frames);
    const int64_t bytes = int64_t{frames} * 2;
    if (bytes > destination.GetSize())
        throw XPosition();
    destination.ReadFromMedia(0, static_cast<uint32_t>(bytes), source);
    if (swap)
        destination.SwapBytes(0, static_cast<uint32_t>(bytes));
}

bool IsMono16(int32_t bytesPerSample, int32_t channels)
{
    return bytesPerSample == 2 && channels == 1;
}

} // namespace

void MakeScratchBuffers()
{
    if (gScratch1 && gScratch2)
        return;
    try {
        if (!gScratch1)
            gScratch1 = new uint8_t[kScratchBufferSize]();
        gScratch2 = new uint8_t[kScratchBufferSize]();
    } catch (...) {
        FreeScratchBuffers();
        throw;
    }
}

void FreeScratchBuffers()
{
    delete[] gScratch1;
    delete[] gScratch2;
    gScratch1 = nullptr;
    gScratch2 = nullptr;
}

uint8_t* GetScratchBuffer1()
{
    return gScratch1;
}

uint8_t* GetScratchBuffer2()
{
    return gScratch2;
}

void SwapWords(void* memory, int32_t count)
{
    SwapWordsInto(memory, memory, count);
}

void SwapWordsInto(void* destination, const void* source, int32_t count)
{
    // Whole words through memcpy, which the compiler turns into plain (and, over
    // the loop, vector) moves whatever the alignment.
    auto* out = static_cast<uint8_t*>(destination);
    const auto* in = static_cast<const uint8_t*>(source);
    for (int32_t i = 0; i < count; ++i) {
        uint16_t word;
        std::memcpy(&word, in + 2 * i, 2);
        word = static_cast<uint16_t>(word >> 8 | word << 8);
        std::memcpy(out + 2 * i, &word, 2);
    }
}

void PickChannelConverter(void*, const uint8_t* raw, uint8_t* converted, int32_t bytesPerSample, int32_t channels,
                          int32_t channelIndex, int32_t frames)
{
    if (channels == 1 && bytesPerSample == 2) {
        std::memcpy(converted, raw, size_t(frames) * 2);
        return;
    }
    const int32_t frameBytes = bytesPerSample * channels;
    const uint8_t* in = raw + channelIndex * bytesPerSample;
    for (int32_t k = 0; k < frames; ++k, in += frameBytes)
        StoreLE16(converted + 2 * k, LoadSample(in, bytesPerSample));
}

void MixdownConverter(void* context, const uint8_t* raw, uint8_t* converted, int32_t bytesPerSample,
                      int32_t channels, int32_t channelIndex, int32_t frames)
{
    auto& mix = *static_cast<MixContext*>(context);
    if (channels == 1) {
        // Nothing to mix, so nothing can clip.
        PickChannelConverter(context, raw, converted, bytesPerSample, channels, channelIndex, frames);
        mix.maximum = 0;
        mix.minimum = 0;
        return;
    }
    const int32_t gain = mix.gain;
    const uint8_t* in = raw;
    for (int32_t k = 0; k < frames; ++k) {
        int32_t sum = 0;
        for (int32_t c = 0; c < channels; ++c, in += bytesPerSample) {
            const int32_t sample = LoadSample(in, bytesPerSample);
            sum += gain == 32768 ? sample : (sample * gain) >> 15;
        }
        if (sum > mix.maximum)
            mix.maximum = sum;
        else if (sum < mix.minimum)
            mix.minimum = sum;
        StoreLE16(converted + 2 * k, std::clamp(sum, -32768, 32767));
    }
}

void ReadFrames(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t channelIndex,
                int32_t frames, bool swap, FrameConverter converter, void* context)
{
    CheckParameters(bytesPerSample, channels, channelIndex, frames);
    if (int64_t{frames} * 2 > destination.GetSize())
        throw XPosition();
    // Samples are converted straight into the pages, span by span: a block's
    // samples may end in the next page.
    const int32_t frameBytes = bytesPerSample * channels;
    ConvertBlocks(source, bytesPerSample, channels, frames, swap, [&](const uint8_t* raw, int32_t first, int32_t n) {
        destination.ForEachSpan(static_cast<uint32_t>(first) * 2, static_cast<uint32_t>(n) * 2,
                                [&](uint8_t* span, uint32_t length, uint32_t before) {
                                    converter(context, raw + before / 2 * frameBytes, span, bytesPerSample, channels,
                                              channelIndex, static_cast<int32_t>(length / 2));
                                });
    });
}

void ReadFramesToMedia(CMedia& source, CMedia& destination, int32_t bytesPerSample, int32_t channels,
                       int32_t channelIndex, int32_t frames, bool swap, FrameConverter converter, void* context)
{
    CheckParameters(bytesPerSample, channels, channelIndex, frames);
    if (int64_t{frames} * 2 > INT32_MAX)
        throw XPosition();
    uint8_t* converted = gScratch2;
    ConvertBlocks(source, bytesPerSample, channels, frames, swap, [&](const uint8_t* raw, int32_t first, int32_t n) {
        converter(context, raw, converted, bytesPerSample, channels, channelIndex, n);
        destination.WriteAt(first * 2, n * 2, converted);
    });
}

void ReadChannel(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t channelIndex,
                 int32_t frames, bool swap)
{
    if (IsMono16(bytesPerSample, channels)) {
        ReadMonoFrames(source, destination, channelIndex, frames, swap);
        return;
    }
    ReadFrames(source, destination, bytesPerSample, channels, channelIndex, frames, swap, PickChannelConverter,
               nullptr);
}

void ReadMixdown(CMedia& source, BAT& destination, int32_t bytesPerSample, int32_t channels, int32_t frames,
                 bool swap, bool& scaled)
{
    scaled = false;
    // One channel has nothing to mix, so nothing can clip.
    if (IsMono16(bytesPerSample, channels)) {
        ReadMonoFrames(source, destination, 0, frames, swap);
        return;
    }
    const int32_t start = source.GetPosition();
    MixContext mix;
    ReadFrames(source, destination, bytesPerSample, channels, 0, frames, swap, MixdownConverter, &mix);
    if (mix.maximum <= 32767 && mix.minimum >= -32768)
        return;

    // Some sum clipped: read the frames again with a gain that brings the loudest
    // sum to about full scale (1073709056 is 32767 * 32768).
    source.SetPosition(start);
    mix.gain = 1073709056 / std::max(mix.maximum, -mix.minimum);
    mix.maximum = 0;
    mix.minimum = 0;
    ReadFrames(source, destination, bytesPerSample, channels, 0, frames, swap, MixdownConverter, &mix);
    scaled = true;
}
