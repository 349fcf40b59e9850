#include "audio/BAT.h"

#include "audio/FrameReader.h"
#include "media/Media.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstring>
#include <vector>

BAT::BAT(uint32_t size, EBATFill fill)
{
    if (size > kMaxSize)
        throw XOutOfMemory();
    mSize = size;
    // Pages already made are released by their owners if a later one fails.
    const int32_t pages = GetPageCount();
    for (int32_t i = 0; i < pages; ++i)
        mPages[i].reset(fill == EBATFill::kZeros ? new uint8_t[kPageSize]() : new uint8_t[kPageSize]);
    // The maker fills the size, no more: the rest of the last page is ours to clear,
    // so a page handed out never shows what its memory held before.
    if (fill == EBATFill::kNone && size % kPageSize != 0)
        std::memset(mPages[pages - 1].get() + size % kPageSize, 0, kPageSize - size % kPageSize);
}

BAT::~BAT() = default;

int32_t BAT::GetPageCount() const
{
    return static_cast<int32_t>((uint64_t{mSize} + kPageSize - 1) / kPageSize);
}

uint8_t* BAT::GetPage(int32_t index)
{
    if (index < 0 || index >= GetPageCount())
        throw XPosition();
    return mPages[index].get();
}

const uint8_t* BAT::GetPage(int32_t index) const
{
    if (index < 0 || index >= GetPageCount())
        throw XPosition();
    return mPages[index].get();
}

void BAT::CheckRange(uint32_t offset, uint32_t count) const
{
    if (uint64_t{offset} + count > mSize)
        throw XPosition();
}

int16_t BAT::GetSample(uint32_t index) const
{
    const uint64_t offset = uint64_t{index} * 2;
    if (offset + 2 > mSize)
        throw XPosition();
    const uint8_t* p = mPages[offset / kPageSize].get() + offset % kPageSize;
    return static_cast<int16_t>(p[0] | p[1] << 8);
}

void BAT::SetSample(uint32_t index, int16_t value)
{
    const uint64_t offset = uint64_t{index} * 2;
    if (offset + 2 > mSize)
        throw XPosition();
    uint8_t* p = mPages[offset / kPageSize].get() + offset % kPageSize;
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(static_cast<uint16_t>(value) >> 8);
}

uint8_t BAT::GetByte(uint32_t offset) const
{
    CheckRange(offset, 1);
    return mPages[offset / kPageSize][offset % kPageSize];
}

void BAT::SetByte(uint32_t offset, uint8_t value)
{
    CheckRange(offset, 1);
    mPages[offset / kPageSize][offset % kPageSize] = value;
}

void BAT::Read(uint32_t offset, uint32_t count, void* destination) const
{
    auto* out = static_cast<uint8_t*>(destination);
    ForEachSpan(offset, count, [out](const uint8_t* span, uint32_t length, uint32_t done) {
        std::memcpy(out + done, span, length);
    });
}

void BAT::Write(uint32_t offset, uint32_t count, const void* source)
{
    const auto* in = static_cast<const uint8_t*>(source);
    ForEachSpan(offset, count, [in](uint8_t* span, uint32_t length, uint32_t done) {
        std::memcpy(span, in + done, length);
    });
}

void BAT::WriteToMedia(uint32_t offset, uint32_t count, CMedia& media) const
{
    ForEachSpan(offset, count, [&media](const uint8_t* span, uint32_t length, uint32_t) {
        media.Write(static_cast<int32_t>(length), span);
    });
}

void BAT::ReadFromMedia(uint32_t offset, uint32_t count, CMedia& media)
{
    std::vector<SMediaSpan> spans;
    spans.reserve(count / kPageSize + 2);
    ForEachSpan(offset, count, [&spans](uint8_t* span, uint32_t length, uint32_t) {
        spans.push_back({span, static_cast<int32_t>(length)});
    });
    media.ReadScattered(spans.data(), static_cast<int32_t>(spans.size()));
}

void BAT::CopyTo(uint32_t offset, uint32_t count, BAT& other, uint32_t otherOffset) const
{
    CheckRange(offset, count);
    other.CheckRange(otherOffset, count);
    uint8_t* scratch = GetScratchBuffer1();
    if (!scratch)
        throw XInternalError();
    for (uint32_t done = 0; done < count;) {
        const uint32_t length = std::min<uint32_t>(kScratchBufferSize, count - done);
        Read(offset + done, length, scratch);
        other.Write(otherOffset + done, length, scratch);
        done += length;
    }
}

void BAT::SwapBytes()
{
    SwapBytes(0, mSize);
}

void BAT::SwapBytes(uint32_t offset, uint32_t count)
{
    // From an even offset every span but the last has even length, as pages have
    // even size, so no word straddles two pages.
    if (offset % 2 != 0)
        throw XPosition();
    ForEachSpan(offset, count, [](uint8_t* span, uint32_t length, uint32_t) {
        SwapWords(span, static_cast<int32_t>(length / 2));
    });
}

bool BAT::Equals(const BAT& other) const
{
    if (mSize != other.mSize)
        return false;
    const uint32_t wordBytes = mSize & ~1u;
    for (int32_t page = 0; page < GetPageCount(); ++page) {
        const uint32_t first = uint32_t(page) * kPageSize;
        const uint32_t length = std::min<uint32_t>(kPageSize, wordBytes - std::min(wordBytes, first));
        if (std::memcmp(mPages[page].get(), other.mPages[page].get(), length) != 0)
            return false;
    }
    return true;
}

bool BAT::GuardsIntact() const
{
    return mFrontGuard == kFrontGuard && mBackGuard == kBackGuard;
}
