#include "audio/WAVE_SAMPLE.h"

#include "audio/SampleUtilities.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool gLoopChecking = true;

uint32_t OverviewSize(int32_t length)
{
    return static_cast<uint32_t>(std::max(1, length / 32)) * 2;
}

} // namespace

WAVE_SAMPLE::WAVE_SAMPLE(const char* name, int32_t rate, int32_t length, int32_t loopStart, int32_t loopEnd,
                         bool loopOn, EBATFill fill)
    : mRate(rate)
    , mLength(length)
{
    CheckLength(length);
    SetName(name);
    mLoopOn = loopOn;
    mLoopStart = loopOn ? loopStart : 0;
    mLoopEnd = loopOn ? loopEnd : length;
    CheckLoop();
    ClearInstrumentData();
    mData = std::make_unique<BAT>(static_cast<uint32_t>(length) * 2, fill);
}

WAVE_SAMPLE::~WAVE_SAMPLE() = default;

void WAVE_SAMPLE::CheckLength(int64_t frames)
{
    if (frames < 0 || frames > kMaxFrames)
        throw XOutOfMemory();
}

void WAVE_SAMPLE::SetLoopChecking(bool on)
{
    gLoopChecking = on;
}

bool WAVE_SAMPLE::IsLoopCheckingOn()
{
    return gLoopChecking;
}

void WAVE_SAMPLE::SetName(const char* name)
{
    std::memset(mName, 0, sizeof mName);
    if (name)
        std::strncpy(mName, name, kNameSize - 1);
}

void WAVE_SAMPLE::SetLength(int32_t length)
{
    if (length < 0 || int64_t{length} * 2 > mData->GetSize())
        throw XPosition();
    mLength = length;
    mOverviewStale = true;
    mOverview.reset();
    CheckLoop();
}

void WAVE_SAMPLE::SetLoop(int32_t start, int32_t end, bool on)
{
    mLoopStart = start;
    mLoopEnd = end;
    mLoopOn = on;
    CheckLoop();
}

void WAVE_SAMPLE::SetLoopStart(int32_t start)
{
    mLoopStart = start;
    CheckLoop();
}

void WAVE_SAMPLE::SetLoopEnd(int32_t end)
{
    mLoopEnd = end;
    CheckLoop();
}

void WAVE_SAMPLE::CheckLoop()
{
    if (!gLoopChecking)
        return;
    // A loop is at least one frame long; 64 bits, since the ends may be anything.
    if (int64_t{mLoopEnd} - mLoopStart < 1 || mLoopStart < 0) {
        mLoopStart = 0;
        mLoopEnd = mLength;
        mLoopOn = true;
        return;
    }
    mLoopStart = std::clamp(mLoopStart, 0, std::min(mLength, mLoopEnd));
    mLoopEnd = std::clamp(mLoopEnd, mLoopStart, mLength);
}

void WAVE_SAMPLE::ClearInstrumentData()
{
    mHasInstrumentData = false;
    mBaseNote = 0;
    mDetune = 0;
}

const BAT& WAVE_SAMPLE::GetOverview()
{
    if (!mOverview)
        mOverview = std::make_unique<BAT>(OverviewSize(mLength));
    return *mOverview;
}

void WAVE_SAMPLE::BuildOverview()
{
    GetOverview();
    const int32_t blocks = mLength / 32;
    for (int32_t block = 0; block < blocks; ++block) {
        int32_t peak = 0;
        for (int32_t frame = block * 32; frame < block * 32 + 32; ++frame) {
            const int32_t sample = Sample(frame);
            // The first sample of the largest size wins; its sign is kept.
            if (std::abs(sample) > std::abs(peak))
                peak = sample;
        }
        mOverview->SetByte(static_cast<uint32_t>(block), static_cast<uint8_t>(peak / 256));
    }
    mOverviewStale = false;
}

int32_t WAVE_SAMPLE::FindZeroCrossing(int32_t position, int32_t range) const
{
    if (mLength <= 0)
        return 0;
    position = std::clamp(position, 0, mLength - 1);
    const int32_t upper = static_cast<int32_t>(std::clamp<int64_t>(int64_t{position} + range, 0, mLength));
    const int32_t lower = static_cast<int32_t>(std::clamp<int64_t>(int64_t{position} - range, 0, upper));

    // Walk down and up from the position in step; a change of sign (or a zero)
    // against the previous sample of the same walk is a crossing.
    int32_t previousDown = Sample(position);
    int32_t previousUp = previousDown;
    for (int32_t i = position, j = position; i >= lower && j < upper; --i, ++j) {
        const int32_t down = Sample(i);
        if ((previousDown >= 0 && down <= 0) || (previousDown <= 0 && down >= 0))
            return i;
        const int32_t up = Sample(j);
        if ((previousUp >= 0 && up <= 0) || (previousUp <= 0 && up >= 0))
            return j;
        previousDown = down;
        previousUp = up;
    }
    return position;
}

void WAVE_SAMPLE::Normalize()
{
    BAT& data = *mData;
    const uint32_t count = static_cast<uint32_t>(mLength);
    int32_t peak = 0;
    data.ForEachSpan(0, count * 2, [&peak](const uint8_t* span, uint32_t length, uint32_t) {
        peak = std::max<int32_t>(peak, Peak(span, static_cast<int32_t>(length / 2)));
    });
    if (peak == 0)
        return;
    const int32_t k = 1073709056 / peak; // 32767 * 32768 / peak
    data.ForEachSpan(0, count * 2, [k](uint8_t* span, uint32_t length, uint32_t) {
        Scale(span, static_cast<int32_t>(length / 2), k);
    });
    mOverviewStale = true;
}
