#pragma once

#include "media/ByteOrder.h"
#include "media/MemoryMedia.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// Chunk bytes built by hand, so the readers are tried on files our writers would
// never make.
class CBytes {
public:
    explicit CBytes(bool littleEndian = false)
        : mLittle(littleEndian)
    {
    }
    CBytes& Text(const char* text)
    {
        mBytes.insert(mBytes.end(), text, text + std::strlen(text));
        return *this;
    }
    CBytes& U8(uint8_t value)
    {
        mBytes.push_back(value);
        return *this;
    }
    CBytes& U16(uint16_t value)
    {
        uint8_t field[2];
        mLittle ? SetLE16(field, value) : SetBE16(field, value);
        mBytes.insert(mBytes.end(), field, field + 2);
        return *this;
    }
    CBytes& U32(uint32_t value)
    {
        uint8_t field[4];
        mLittle ? SetLE32(field, value) : SetBE32(field, value);
        mBytes.insert(mBytes.end(), field, field + 4);
        return *this;
    }
    CBytes& Rate(uint32_t hertz)
    {
        uint8_t field[10];
        SetExtended(field, double(hertz));
        mBytes.insert(mBytes.end(), field, field + 10);
        return *this;
    }
    CBytes& Raw(const std::vector<uint8_t>& bytes)
    {
        mBytes.insert(mBytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    CBytes& Fill(size_t count, uint8_t value)
    {
        mBytes.insert(mBytes.end(), count, value);
        return *this;
    }
    // Starts a chunk with a size to be patched by EndChunk.
    CBytes& BeginChunk(const char* id)
    {
        Text(id);
        mChunkStart = mBytes.size();
        return U32(0);
    }
    CBytes& EndChunk(bool pad = true)
    {
        const uint32_t size = static_cast<uint32_t>(mBytes.size() - mChunkStart - 4);
        mLittle ? SetLE32(&mBytes[mChunkStart], size) : SetBE32(&mBytes[mChunkStart], size);
        if (pad && (size & 1))
            mBytes.push_back(0);
        return *this;
    }
    // Patches the outer group size to cover everything after the first 8 bytes.
    CBytes& CloseGroup()
    {
        const uint32_t size = static_cast<uint32_t>(mBytes.size() - 8);
        mLittle ? SetLE32(&mBytes[4], size) : SetBE32(&mBytes[4], size);
        return *this;
    }
    std::vector<uint8_t>& Get() { return mBytes; }

private:
    bool mLittle;
    size_t mChunkStart = 0;
    std::vector<uint8_t> mBytes;
};

// A memory medium over a copy of the bytes.
class CBytesMedia : public CMemoryMedia {
public:
    explicit CBytesMedia(std::vector<uint8_t> bytes)
        : CMemoryMedia(static_cast<int32_t>(bytes.size()), bytes.data())
        , mBytes(std::move(bytes))
    {
    }

private:
    std::vector<uint8_t> mBytes; // the block the base class looks into; moving keeps its address
};

// A memory medium that records the size of every read and fails the write after
// `writesBeforeFailure` successful ones.
class CRecordingMedia : public CMemoryMedia {
public:
    explicit CRecordingMedia(int32_t size, int writesBeforeFailure = -1)
        : CMemoryMedia(size)
        , mWritesLeft(writesBeforeFailure)
    {
        std::memset(GetBuffer(), 0, size_t(size));
    }
    void Read(int32_t size, void* buffer) override
    {
        mReads.push_back(size);
        CMemoryMedia::Read(size, buffer);
    }
    void Write(int32_t size, const void* buffer) override;
    std::vector<int32_t> mReads;

private:
    int mWritesLeft;
};

// Makes writing a file past `bytes` fail (EFBIG) for its lifetime, so a write
// failure can be had on a real file.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(uint64_t bytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    uint64_t mOldSoft = 0;
    void (*mOldHandler)(int) = nullptr;
};

// The whole file's bytes; empty when it cannot be read.
std::vector<uint8_t> FileBytes(const std::string& path);

// The bytes written so far (up to the current position).
std::vector<uint8_t> Written(CMemoryMedia& media);
// 16-bit values as bytes, big- or little-endian.
std::vector<uint8_t> Words(const std::vector<int16_t>& values, bool littleEndian);
