#pragma once

#include "files/Version.h"

#include <cstdint>

// A 256-byte block that stamps a file: a four-character code, a version and a
// short notice. On disk line breaks are single carriage returns; in memory they
// are carriage return plus line feed.
class CVersionedHeader {
public:
    static constexpr int32_t kBlockSize = 256;
    static constexpr int32_t kTextLimit = 128;

    CVersionedHeader() = default;
    CVersionedHeader(uint32_t code, const CVersion& version, const char* text);

    uint32_t GetCode() const { return mCode; }
    const CVersion& GetVersion() const { return mVersion; }
    const char* GetText() const { return mText; }

    void WriteBlock(uint8_t* dst) const;
    // A block whose version marker is missing keeps this record's version.
    void ReadBlock(const uint8_t* src);

private:
    static constexpr int32_t kVersionOffset = 4;
    static constexpr int32_t kTextOffset = 9;

    uint32_t mCode = 0;
    CVersion mVersion;
    char mText[kTextLimit + 1] = {};
};
