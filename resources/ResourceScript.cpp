#include "resources/ResourceScript.h"

#include "media/Media.h"
#include "media/XBase.h"

#include <cstring>
#include <string>
#include <vector>

CResourceScript::CResourceScript(const char* type, uint16_t id)
    : mId(id)
{
    std::strncpy(mType, type, 4);
}

const char* CResourceScript::GetText(uint32_t index) const
{
    return index < kSlotCount ? mTexts[index].get() : nullptr;
}

void CResourceScript::Store(uint64_t index, const char* text, size_t length)
{
    // Indexes past the table are dropped: the table has exactly kSlotCount slots.
    if (index >= kSlotCount || mTexts[index])
        return;
    auto copy = std::make_unique<char[]>(length + 1);
    std::memcpy(copy.get(), text, length);
    copy[length] = 0;
    mTexts[index] = std::move(copy);
}

void CResourceScript::Parse(CMedia& media, int32_t size)
{
    if (size < 0)
        throw XBadFormat();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    media.Read(size, bytes.data());
    Parse(bytes.data(), bytes.size());
}

void CResourceScript::Parse(const uint8_t* bytes, size_t size)
{
    enum class EState { kTopLevel, kIndex, kOpeningBrace, kComment, kText };

    EState state = EState::kTopLevel;
    uint64_t index = 0;
    int digits = 0;
    bool haveIndex = false;
    std::string text;
    text.reserve(64);

    // A text keeps at most kMaxTextLength characters; the rest of a longer one is dropped.
    const auto append = [&text](char c) {
        if (text.size() < kMaxTextLength)
            text.push_back(c);
    };

    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(bytes[i]);
        const bool digit = c >= '0' && c <= '9';
        switch (state) {
        case EState::kTopLevel:
            if (c == '{') {
                state = EState::kOpeningBrace;
            } else if (digit) {
                index = static_cast<uint64_t>(c - '0');
                digits = 1;
                haveIndex = true;
                state = EState::kIndex;
            }
            break;
        case EState::kIndex:
            if (digit && digits < kMaxIndexDigits) {
                index = index * 10 + static_cast<uint64_t>(c - '0');
                ++digits;
            } else if (c == '{') {
                state = EState::kOpeningBrace;
            } else {
                // An eleventh digit ends the index like any other byte; the ten are kept.
                state = EState::kTopLevel;
            }
            break;
        case EState::kOpeningBrace:
            if (c == '{' || !haveIndex) {
                // "{{" opens a comment; so does a braced text before the first index.
                state = EState::kComment;
            } else {
                // The byte after the brace is taken as it stands, whatever it is.
                text.clear();
                text.push_back(c);
                state = EState::kText;
            }
            break;
        case EState::kComment:
            if (c == '}')
                state = EState::kTopLevel;
            break;
        case EState::kText:
            if (c == '}') {
                Store(index, text.data(), text.size());
                state = EState::kTopLevel;
            } else if (c == '\t' || c == '\n' || c == '\r') {
                // Line breaks of the script are layout, not text.
            } else if (c == '\\') {
                if (i + 1 < size && bytes[++i] == 'r')
                    append('\r');
            } else {
                append(c);
            }
            break;
        }
    }
    // A text still open at the end of the script has no closing brace and is not stored.
}
