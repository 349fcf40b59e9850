#include "media/Media.h"

#include "media/XBase.h"

#include <algorithm>
#include <cstring>

void CMedia::Peek(int32_t size, void* buffer)
{
    Read(size, buffer);
    Skip(-size);
}

void CMedia::WriteByte(uint8_t value)
{
    Write(1, &value);
}

uint8_t CMedia::ReadByte()
{
    uint8_t value = 0;
    Read(1, &value);
    return value;
}

uint8_t CMedia::PeekByte()
{
    uint8_t value = 0;
    Read(1, &value);
    Skip(-1);
    return value;
}

uint16_t CMedia::ReadWordAt(int32_t position)
{
    SetPosition(position);
    uint8_t bytes[2] = {0, 0};
    Read(2, bytes);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

void CMedia::Skip(int32_t delta)
{
    // A skip of nothing must not touch the position at all: some media cannot report it cheaply.
    if (delta == 0)
        return;
    const int64_t target = int64_t{GetPosition()} + delta;
    if (target < INT32_MIN || target > INT32_MAX)
        throw XPosition();
    SetPosition(static_cast<int32_t>(target));
}

void CMedia::ReadAt(int32_t position, int32_t size, void* buffer)
{
    SetPosition(position);
    Read(size, buffer);
}

void CMedia::WriteAt(int32_t position, int32_t size, const void* buffer)
{
    if (GetPosition() != position)
        SetPosition(position);
    Write(size, buffer);
}

void CMedia::ReadScattered(const SMediaSpan* spans, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        Read(spans[i].size, spans[i].data);
}

void CMedia::Fill(uint8_t value, int32_t count)
{
    uint8_t piece[100];
    std::memset(piece, value, sizeof piece);
    while (count > 0) {
        const int32_t now = std::min<int32_t>(count, sizeof piece);
        Write(now, piece);
        count -= now;
    }
}
