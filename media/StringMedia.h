#pragma once

#include "media/Media.h"

#include <string>

// A medium over a string that grows with every write past its end: for output
// whose size is not known beforehand, such as a dump of a chunk tree.
class CStringMedia : public CMedia {
public:
    CStringMedia() = default;
    explicit CStringMedia(std::string bytes) : mBytes(std::move(bytes)) {}

    void Read(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    int32_t GetPosition() override { return mPosition; }
    void SetPosition(int32_t position) override;
    int32_t GetSize() override { return static_cast<int32_t>(mBytes.size()); }

    const std::string& GetBytes() const { return mBytes; }

private:
    std::string mBytes;
    int32_t mPosition = 0;
};
