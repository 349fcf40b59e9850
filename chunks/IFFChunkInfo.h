#pragma once

#include <cstdint>

// What kind of chunk a descriptor names. Groups carry a type behind their size.
enum ChunkKind : int32_t {
    kNoChunk = -1,
    kSimpleChunk = 0,
    kFormChunk = 1,
    kCatChunk = 2,
    kListChunk = 3,
};

// One chunk of an IFF tree: its kind, its id (for a group: its type), where its
// header starts and how many data bytes it holds (for a group: its contents
// without the type). A plain value, copied freely.
class CIFFChunkInfo {
public:
    CIFFChunkInfo() = default;
    CIFFChunkInfo(int32_t kind, const char* id, int32_t position, int32_t dataSize);

    int32_t GetKind() const { return mKind; }
    const char* GetID() const { return mID; }
    bool IDIs(const char* text) const;
    int32_t GetPosition() const { return mPosition; }
    int32_t GetDataSize() const { return mDataSize; }
    // 8 for a simple chunk, 12 for a group; XBase for a descriptor of no kind.
    int32_t GetHeaderSize() const;
    // Header and data, without the pad byte. 64-bit: a hostile size field may come close to 2^32.
    int64_t GetTotalSize() const;

private:
    int32_t mKind = kNoChunk;
    char mID[5] = {};
    int32_t mPosition = 0;
    int32_t mDataSize = 0;
};
