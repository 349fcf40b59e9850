#pragma once

#include <cstdint>

class CMedia;

// One piece of memory that a scattered read fills.
struct SMediaSpan {
    void* data;
    int32_t size;
};

// Anything that can be opened as a medium: a file, a resource item.
class CABCMediaSpec {
public:
    virtual ~CABCMediaSpec() = default;
    // A new medium on the specified thing; the caller owns it.
    virtual CMedia* OpenForReading() const = 0;
    // A new copy of this specification; the caller owns it.
    virtual CABCMediaSpec* Clone() const = 0;
};

// A random-access byte stream with a current position. Every reader and writer
// of the system works on this interface only. Positions, sizes and counts are
// signed 32-bit; failures are thrown as XRead, XWrite, XPosition and kin.
class CMedia {
public:
    virtual ~CMedia() = default;

    virtual void Read(int32_t size, void* buffer) = 0;
    virtual void Peek(int32_t size, void* buffer);
    virtual void Write(int32_t size, const void* buffer) = 0;
    virtual int32_t GetPosition() = 0;
    virtual void SetPosition(int32_t position) = 0;
    virtual int32_t GetSize() = 0;
    virtual void WriteByte(uint8_t value);
    virtual uint8_t ReadByte();
    virtual uint8_t PeekByte();
    // Two bytes at an absolute position, taken in little-endian order.
    virtual uint16_t ReadWordAt(int32_t position);
    virtual void Skip(int32_t delta);
    virtual void ReadAt(int32_t position, int32_t size, void* buffer);
    virtual void WriteAt(int32_t position, int32_t size, const void* buffer);
    // Fills the spans one after another from the current position, exactly as a
    // Read of each in turn does; a file does it in as few system calls as it can.
    virtual void ReadScattered(const SMediaSpan* spans, int32_t count);

    // Writes `count` copies of `value`; long runs go out in pieces of 100 bytes.
    void Fill(uint8_t value, int32_t count);
    void WriteZeros(int32_t count) { Fill(0, count); }
};
