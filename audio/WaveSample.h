#pragma once

#include <cstdint>
#include <memory>

class CMedia;
class CMemoryMedia;

// A simpler sample holder than WAVE_SAMPLE: its 16-bit data lies in one memory
// medium of length * 2 bytes plus 1024 spare bytes.
class CWaveSample {
public:
    static constexpr int32_t kNameSize = 68; // 67 characters and the terminator

    // Makes its own zero-filled medium; XOutOfMemory for a length whose bytes do
    // not fit a medium.
    CWaveSample(const char* name, int32_t rate, int32_t length);
    // Takes over `media` (which must not be null).
    CWaveSample(const char* name, int32_t rate, int32_t length, std::unique_ptr<CMemoryMedia> media);
    virtual ~CWaveSample();

    CWaveSample(const CWaveSample&) = delete;
    CWaveSample& operator=(const CWaveSample&) = delete;

    const char* GetName() const { return mName; }
    void SetName(const char* name);
    int32_t GetRate() const { return mRate; }
    int32_t GetLength() const { return mLength; }
    CMemoryMedia& GetMedia() { return *mData; }
    // The medium's bytes.
    uint8_t* GetDataPointer();

    // A second medium that travels with the sample; none unless set. Owned.
    CMedia* GetSecondMedia() { return mSecond.get(); }
    void SetSecondMedia(std::unique_ptr<CMedia> media);

private:
    int32_t mRate = 0;
    char mName[kNameSize] = {};
    int32_t mLength = 0;
    std::unique_ptr<CMemoryMedia> mData;
    std::unique_ptr<CMedia> mSecond;
};
