#pragma once

#include <cstdint>
#include <memory>

// The bytes of the file being handled. The block is kept from one file to the
// next and grows only when a larger file comes: a fresh block per file would be
// cleared and faulted in page by page for nothing.
class CByteBuffer {
public:
    // Makes room for `size` bytes; what the block held before is not kept.
    uint8_t* Resize(int32_t size);
    void Clear() { mSize = 0; }

    uint8_t* GetData() { return mData.get(); }
    int32_t GetSize() const { return mSize; }

private:
    std::unique_ptr<uint8_t[]> mData;
    int32_t mSize = 0;
    int32_t mCapacity = 0;
};
