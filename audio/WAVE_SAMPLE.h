#pragma once

#include "audio/BAT.h"

#include <cstdint>
#include <memory>

// A sample in memory: name, rate, length in frames, loop and instrument data, and
// its 16-bit mono data (least significant byte first) in a paged BAT of length * 2
// bytes. The AIFF and WAVE loaders make these; the AIFF writer saves them.
//
// While loop checking is on (it is from the start; SetLoopChecking turns it off
// for the whole process) every change of the loop is checked: an empty or reversed
// loop, or one starting before 0, becomes the whole sample with the loop on;
// otherwise start and end are limited to the sample.
class WAVE_SAMPLE {
public:
    static constexpr int32_t kNameSize = 68; // 67 characters and the terminator
    // The longest sample whose data fits a BAT.
    static constexpr int32_t kMaxFrames = static_cast<int32_t>(BAT::kMaxSize / 2);

    // Refuses a length outside 0 .. kMaxFrames with XOutOfMemory before anything
    // is allocated, since no buffer can be made for it. A name longer than 67
    // characters is cut. With `loopOn` false the loop becomes 0 to length. The
    // data starts zeroed, unless `fill` says its maker writes all of it (a loader).
    WAVE_SAMPLE(const char* name, int32_t rate, int32_t length, int32_t loopStart, int32_t loopEnd, bool loopOn,
                EBATFill fill = EBATFill::kZeros);
    virtual ~WAVE_SAMPLE();

    WAVE_SAMPLE(const WAVE_SAMPLE&) = delete;
    WAVE_SAMPLE& operator=(const WAVE_SAMPLE&) = delete;

    // XOutOfMemory when no sample of `frames` frames can be made.
    static void CheckLength(int64_t frames);

    static void SetLoopChecking(bool on);
    static bool IsLoopCheckingOn();

    const char* GetName() const { return mName; }
    void SetName(const char* name);
    int32_t GetRate() const { return mRate; }
    void SetRate(int32_t rate) { mRate = rate; }
    int32_t GetLength() const { return mLength; }
    // The data buffer is not remade: a length it cannot hold is refused (XPosition).
    // The overview goes stale and the loop is checked against the new length.
    void SetLength(int32_t length);

    BAT& GetData() { return *mData; }
    const BAT& GetData() const { return *mData; }
    void SwapDataBytes() { mData->SwapBytes(); }

    bool IsLoopOn() const { return mLoopOn; }
    int32_t GetLoopStart() const { return mLoopStart; }
    int32_t GetLoopEnd() const { return mLoopEnd; }
    // Keeps the start and end it is given even when `on` is false, then checks.
    void SetLoop(int32_t start, int32_t end, bool on);
    void SetLoopStart(int32_t start);
    void SetLoopEnd(int32_t end);

    bool HasInstrumentData() const { return mHasInstrumentData; }
    void SetHasInstrumentData(bool has) { mHasInstrumentData = has; }
    uint8_t GetBaseNote() const { return mBaseNote; }
    void SetBaseNote(uint8_t note) { mBaseNote = note; }
    int8_t GetDetune() const { return mDetune; }
    void SetDetune(int8_t detune) { mDetune = detune; }
    void ClearInstrumentData();

    // One peak byte per block of 32 frames, in a buffer of max(1, length / 32) * 2
    // bytes. It is made on first use, so loading and saving never pay for it.
    bool IsOverviewStale() const { return mOverviewStale; }
    const BAT& GetOverview();
    void BuildOverview();

    // The nearest frame around `position`, no further than `range` away, where the
    // signal crosses zero; the position itself when there is none.
    int32_t FindZeroCrossing(int32_t position, int32_t range) const;
    // Scales the data so that its largest absolute sample becomes 32767.
    void Normalize();

private:
    void CheckLoop();
    int32_t Sample(int32_t frame) const { return mData->GetSample(static_cast<uint32_t>(frame)); }

    int32_t mRate = 0;
    char mName[kNameSize] = {};
    int32_t mLength = 0;
    std::unique_ptr<BAT> mData;
    bool mOverviewStale = true;
    std::unique_ptr<BAT> mOverview; // made on first use
    bool mLoopOn = false;
    int32_t mLoopStart = 0;
    int32_t mLoopEnd = 0;
    bool mHasInstrumentData = false;
    uint8_t mBaseNote = 0;
    int8_t mDetune = 0;
};
