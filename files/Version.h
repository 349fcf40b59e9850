#pragma once

#include <cstdint>

// A version number: major.minor.bugfix with a build number and a stage.
// Ordering looks at major, minor and bugfix only.
class CVersion {
public:
    enum EStage : int32_t { kDevelopment = 1, kAlpha = 2, kBeta = 3, kRelease = 4 };

    enum EFormatStyle {
        kMajorMinor = 10,          // "%d.%d"
        kMajorMinorZero = 11,      // "%d.%0d"
        kMajorMinorBugfix = 12,    // "%d.%d.%d"
        kMajorMinorZeroBugfix = 13,// "%d.%0d.%d"
        kShortWithStage = 14,      // "2.0.1b3", "1.2"
    };

    static constexpr uint8_t kLongMarker = 0xBC;

    CVersion() = default;
    CVersion(uint8_t major, uint8_t minor, uint8_t bugfix = 0, uint8_t build = 0, int32_t stage = kRelease);
    virtual ~CVersion() = default;

    uint8_t GetMajor() const { return mMajor; }
    uint8_t GetMinor() const { return mMinor; }
    uint8_t GetBugfix() const { return mBugfix; }
    uint8_t GetBuild() const { return mBuild; }
    int32_t GetStage() const { return mStage; }
    uint16_t GetMajorMinor() const { return static_cast<uint16_t>(mMajor << 8 | mMinor); }
    uint32_t GetPacked() const { return uint32_t{mMajor} << 16 | uint32_t{mMinor} << 8 | mBugfix; }

    bool IsAtLeast(const CVersion& other) const { return GetPacked() >= other.GetPacked(); }
    bool IsAtMost(const CVersion& other) const { return GetPacked() <= other.GetPacked(); }
    bool IsSame(const CVersion& other) const { return GetPacked() == other.GetPacked(); }
    bool IsSameMajor(const CVersion& other) const { return mMajor == other.mMajor; }
    // At least `lowest`, and of no later major than `highest`.
    bool IsWithin(const CVersion& lowest, const CVersion& highest) const;

    // Writes the text of `style` into `out` (room for 32 characters is plenty);
    // an unknown style leaves `out` untouched.
    void Format(char* out, int style) const;

    // The long form: 0xBC, major, minor, bugfix, 0. Reading answers false and keeps
    // the version when the marker is missing; build and stage are kept either way.
    void WriteLong(uint8_t* dst) const;
    bool ReadLong(const uint8_t* src);
    static constexpr int32_t GetLongSize() { return 5; }

    // The short form: major, minor. Reading sets bugfix 0 and the release stage.
    void WriteShort(uint8_t* dst) const;
    void ReadShort(const uint8_t* src);

private:
    uint8_t mMajor = 0;
    uint8_t mMinor = 0;
    uint8_t mBugfix = 0;
    uint8_t mBuild = 0;
    int32_t mStage = kRelease;
};
