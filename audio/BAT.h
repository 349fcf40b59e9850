#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

class CMedia;

// Whether new pages start zeroed or are left for the buffer's maker, who writes
// every byte of the buffer before anything reads it.
enum class EBATFill { kZeros, kNone };

// A large byte buffer split into fixed pages of 16384 bytes, so that a long sample
// never needs one huge allocation. Byte offset o lies in page o / 16384 at
// o % 16384; 16-bit sample i lies at byte offset 2i and never straddles a page.
// Samples are stored least significant byte first, whatever the host.
//
// Every range operation checks its range against the size (XPosition when it does
// not fit) and walks it span by span: the part up to the end of the first page,
// then whole pages, then the rest.
class BAT {
public:
    static constexpr int32_t kPageSize = 16384;
    static constexpr int32_t kMaxPages = 4086;
    // 66,945,024 bytes: the most the page table can describe.
    static constexpr uint32_t kMaxSize = uint32_t{kMaxPages} * kPageSize;

    // Makes ceil(size / 16384) pages, zero-filled unless `fill` says the maker
    // fills them; the last page's bytes beyond the size are cleared either way. A
    // size beyond kMaxSize is refused with XOutOfMemory before anything is
    // allocated; when a page cannot be made, the pages already made are released
    // and the failure passed on.
    explicit BAT(uint32_t size, EBATFill fill = EBATFill::kZeros);
    virtual ~BAT();

    BAT(const BAT&) = delete;
    BAT& operator=(const BAT&) = delete;

    uint32_t GetSize() const { return mSize; }
    int32_t GetPageCount() const;
    // XPosition for an index outside 0 .. GetPageCount() - 1.
    uint8_t* GetPage(int32_t index);
    const uint8_t* GetPage(int32_t index) const;

    int16_t GetSample(uint32_t index) const;
    void SetSample(uint32_t index, int16_t value);
    uint8_t GetByte(uint32_t offset) const;
    void SetByte(uint32_t offset, uint8_t value);

    void Read(uint32_t offset, uint32_t count, void* destination) const;
    void Write(uint32_t offset, uint32_t count, const void* source);
    // At the medium's current position; the medium's failure passes through.
    void WriteToMedia(uint32_t offset, uint32_t count, CMedia& media) const;
    // Straight into the pages, with one scattered read of the medium for the
    // whole range.
    void ReadFromMedia(uint32_t offset, uint32_t count, CMedia& media);
    // Through the first scratch buffer, 16384 bytes at a time (XInternalError when
    // the scratch buffers have not been made).
    void CopyTo(uint32_t offset, uint32_t count, BAT& other, uint32_t otherOffset) const;

    // Swaps the two bytes of every 16-bit word in place.
    void SwapBytes();
    // The same for the words of a range, which starts at an even offset (XPosition
    // otherwise); an odd last byte has no partner and stays.
    void SwapBytes(uint32_t offset, uint32_t count);
    // Same size and the same 16-bit words.
    bool Equals(const BAT& other) const;

    // Both guard words still hold what the constructor put there.
    bool GuardsIntact() const;

    // Calls `span(memory, length, doneBefore)` for each piece of the range.
    template <typename Span>
    void ForEachSpan(uint32_t offset, uint32_t count, Span span);
    template <typename Span>
    void ForEachSpan(uint32_t offset, uint32_t count, Span span) const;

private:
    static constexpr uint32_t kFrontGuard = 0x57A51555u;
    static constexpr uint32_t kBackGuard = 0xE2DE2DE2u;

    void CheckRange(uint32_t offset, uint32_t count) const;
    template <typename Byte, typename Span>
    void Walk(uint32_t offset, uint32_t count, Span& span) const;

    uint32_t mFrontGuard = kFrontGuard;
    uint32_t mSize = 0;
    // Entries beyond the last page stay empty.
    std::array<std::unique_ptr<uint8_t[]>, kMaxPages> mPages;
    uint32_t mBackGuard = kBackGuard;
};

template <typename Byte, typename Span>
void BAT::Walk(uint32_t offset, uint32_t count, Span& span) const
{
    CheckRange(offset, count);
    uint32_t done = 0;
    while (done < count) {
        const uint32_t at = offset + done;
        const uint32_t within = at % kPageSize;
        const uint32_t length = std::min<uint32_t>(kPageSize - within, count - done);
        Byte* page = mPages[at / kPageSize].get();
        span(page + within, length, done);
        done += length;
    }
}

template <typename Span>
void BAT::ForEachSpan(uint32_t offset, uint32_t count, Span span)
{
    Walk<uint8_t>(offset, count, span);
}

template <typename Span>
void BAT::ForEachSpan(uint32_t offset, uint32_t count, Span span) const
{
    Walk<const uint8_t>(offset, count, span);
}
