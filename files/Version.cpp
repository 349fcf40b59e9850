#include "files/Version.h"

#include <cstdio>

CVersion::CVersion(uint8_t major, uint8_t minor, uint8_t bugfix, uint8_t build, int32_t stage)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
    , mBuild(build)
    , mStage(stage)
{
}

bool CVersion::IsWithin(const CVersion& lowest, const CVersion& highest) const
{
    return IsAtLeast(lowest) && mMajor <= highest.mMajor;
}

void CVersion::Format(char* out, int style) const
{
    constexpr size_t kRoom = 32;
    switch (style) {
    case kMajorMinor:
        std::snprintf(out, kRoom, "%d.%d", mMajor, mMinor);
        break;
    case kMajorMinorZero:
        std::snprintf(out, kRoom, "%d.%0d", mMajor, mMinor);
        break;
    case kMajorMinorBugfix:
        std::snprintf(out, kRoom, "%d.%d.%d", mMajor, mMinor, mBugfix);
        break;
    case kMajorMinorZeroBugfix:
        std::snprintf(out, kRoom, "%d.%0d.%d", mMajor, mMinor, mBugfix);
        break;
    case kShortWithStage: {
        int length = std::snprintf(out, kRoom, "%d.%d", mMajor, mMinor);
        if (mBugfix != 0)
            length += std::snprintf(out + length, kRoom - length, ".%d", mBugfix);
        const char* stageFormat = mStage == kDevelopment ? "Dev%d"
                                : mStage == kAlpha       ? "a%d"
                                : mStage == kBeta        ? "b%d"
                                                         : nullptr;
        if (stageFormat != nullptr)
            std::snprintf(out + length, kRoom - length, stageFormat, mBuild);
        break;
    }
    default:
        break;
    }
}

void CVersion::WriteLong(uint8_t* dst) const
{
    dst[0] = kLongMarker;
    dst[1] = mMajor;
    dst[2] = mMinor;
    dst[3] = mBugfix;
    dst[4] = 0;
}

bool CVersion::ReadLong(const uint8_t* src)
{
    if (src[0] != kLongMarker)
        return false;
    mMajor = src[1];
    mMinor = src[2];
    mBugfix = src[3];
    return true;
}

void CVersion::WriteShort(uint8_t* dst) const
{
    dst[0] = mMajor;
    dst[1] = mMinor;
}

void CVersion::ReadShort(const uint8_t* src)
{
    mMajor = src[0];
    mMinor = src[1];
    mBugfix = 0;
    mStage = kRelease;
}
