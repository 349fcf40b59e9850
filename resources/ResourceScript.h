#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class CMedia;

// One parsed resource script: up to 1000 numbered texts read from the plain-text
// form the program carries. In that form
//   {{ ... }           is a comment, skipped to its first "}";
//   12<tab>{OK}        is entry 12, whose text is "OK";
// inside a text tabs, CRs and LFs are dropped (a text may run over several lines),
// "\r" becomes a carriage return, a backslash drops itself and the byte after it,
// and the first "}" ends the text. The first definition of an index wins.
class CResourceScript {
public:
    static constexpr uint32_t kSlotCount = 1000;
    static constexpr size_t kMaxTextLength = 3000;
    // An index has at most this many digits.
    static constexpr int kMaxIndexDigits = 10;

    CResourceScript(const char* type, uint16_t id);

    // Parses `size` bytes read from the medium's current position.
    void Parse(CMedia& media, int32_t size);
    void Parse(const uint8_t* bytes, size_t size);

    const char* GetType() const { return mType; }
    uint16_t GetId() const { return mId; }
    // The text at `index`, or null when that slot holds none (also for indexes of 1000 or more).
    const char* GetText(uint32_t index) const;

private:
    void Store(uint64_t index, const char* text, size_t length);

    char mType[5] = {};
    uint16_t mId = 0;
    std::array<std::unique_ptr<char[]>, kSlotCount> mTexts;
};
