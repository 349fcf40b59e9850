#include "files/VersionedHeader.h"

#include "media/ByteOrder.h"

#include <cstring>

CVersionedHeader::CVersionedHeader(uint32_t code, const CVersion& version, const char* text)
    : mCode(code)
    , mVersion(version)
{
    std::strncpy(mText, text, kTextLimit);
}

void CVersionedHeader::WriteBlock(uint8_t* dst) const
{
    std::memset(dst, 0, kBlockSize);
    SetBE32(dst, mCode);
    mVersion.WriteLong(dst + kVersionOffset);
    // Line feeds are left out, so the carriage returns alone mark the breaks.
    uint8_t* out = dst + kTextOffset;
    int32_t stored = 0;
    for (const char* in = mText; *in != 0 && stored < kTextLimit; ++in) {
        if (*in != '\n')
            out[stored++] = static_cast<uint8_t>(*in);
    }
}

void CVersionedHeader::ReadBlock(const uint8_t* src)
{
    mCode = GetBE32(src);
    mVersion.ReadLong(src + kVersionOffset);
    // The stored text ends at its zero or at the end of its 129-byte field.
    const uint8_t* in = src + kTextOffset;
    int32_t written = 0;
    for (int32_t i = 0; i <= kTextLimit && in[i] != 0 && written < kTextLimit; ++i) {
        mText[written++] = static_cast<char>(in[i]);
        if (in[i] == '\r' && written < kTextLimit)
            mText[written++] = '\n';
    }
    mText[written] = 0;
}
