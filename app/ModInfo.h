#pragma once

#include "files/Version.h"

#include <cstdint>

// The mod's text record: the four text files' contents and the record's version.
// Its byte image is the data of the "INFO" chunk.
class CModInfo {
public:
    static constexpr int32_t kCommentsLimit = 600;
    static constexpr int32_t kAddressLimit = 200;
    static constexpr int32_t kModNameLimit = 64;
    static constexpr int32_t kImageSize = 1280;

    CModInfo();

    // The fields, zero-terminated; each holds its limit of characters and a terminator.
    char* GetComments() { return mComments; }
    char* GetFtpAddress() { return mFtpAddress; }
    char* GetWwwAddress() { return mWwwAddress; }
    char* GetModName() { return mModName; }
    const char* GetComments() const { return mComments; }
    const char* GetFtpAddress() const { return mFtpAddress; }
    const char* GetWwwAddress() const { return mWwwAddress; }
    const char* GetModName() const { return mModName; }
    const CVersion& GetVersion() const { return mVersion; }

    void WriteImage(uint8_t* image) const;
    // Texts end at their zero or their limit. A record without a version marker
    // is 1.0.0; one with an unknown marker keeps the version this record had.
    void ReadImage(const uint8_t* image);

private:
    static constexpr int32_t kCommentsOffset = 0;
    static constexpr int32_t kFtpOffset = 601;
    static constexpr int32_t kWwwOffset = 802;
    static constexpr int32_t kModNameOffset = 1003;
    static constexpr int32_t kVersionOffset = 1073;

    char mComments[kCommentsLimit + 1] = {};
    char mFtpAddress[kAddressLimit + 1] = {};
    char mWwwAddress[kAddressLimit + 1] = {};
    char mModName[kModNameLimit + 1] = {};
    CVersion mVersion;
};
