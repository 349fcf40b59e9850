#include "media/PartialMedia.h"

#include "media/XBase.h"

CPartialMedia::CPartialMedia(CMedia& inner, int32_t start, int32_t length, EExtent extent)
    : mInner(inner)
    , mStart(start)
    , mLength(length < 0 ? 0 : length)
    , mOpenEnded(length <= 0 && extent == EExtent::kOpenEndedWhenZero)
{
}

int64_t CPartialMedia::ReadLimit()
{
    if (IsOpenEnded())
        return mInner.GetSize();
    return int64_t{mStart} + mLength;
}

void CPartialMedia::CheckRead(int32_t size)
{
    if (size < 0 || int64_t{mInner.GetPosition()} + size > ReadLimit())
        throw XRead();
}

void CPartialMedia::CheckWrite(int32_t size)
{
    if (size < 0)
        throw XWrite();
    if (!IsOpenEnded() && int64_t{mInner.GetPosition()} + size > int64_t{mStart} + mLength)
        throw XWrite();
}

int32_t CPartialMedia::InnerPosition(int32_t position) const
{
    const int64_t inner = int64_t{mStart} + position;
    if (inner < 0 || inner > INT32_MAX)
        throw XPosition();
    return static_cast<int32_t>(inner);
}

void CPartialMedia::Read(int32_t size, void* buffer)
{
    CheckRead(size);
    mInner.Read(size, buffer);
}

void CPartialMedia::Peek(int32_t size, void* buffer)
{
    CheckRead(size);
    mInner.Peek(size, buffer);
}

void CPartialMedia::Write(int32_t size, const void* buffer)
{
    CheckWrite(size);
    mInner.Write(size, buffer);
}

int32_t CPartialMedia::GetPosition()
{
    return mInner.GetPosition() - mStart;
}

void CPartialMedia::SetPosition(int32_t position)
{
    if (!IsOpenEnded() && position > mLength)
        throw XPosition();
    mInner.SetPosition(InnerPosition(position));
}

int32_t CPartialMedia::GetSize()
{
    if (!IsOpenEnded())
        return mLength;
    const int32_t innerSize = mInner.GetSize();
    return innerSize > mStart ? innerSize - mStart : 0;
}

// The byte operations go straight to the inner medium without a window check;
// readers that rely on the window use Read.
void CPartialMedia::WriteByte(uint8_t value)
{
    mInner.WriteByte(value);
}

uint8_t CPartialMedia::ReadByte()
{
    return mInner.ReadByte();
}

uint8_t CPartialMedia::PeekByte()
{
    return mInner.PeekByte();
}

uint16_t CPartialMedia::ReadWordAt(int32_t innerPosition)
{
    if (innerPosition < mStart)
        throw XBase();
    if (!IsOpenEnded() && int64_t{innerPosition} > int64_t{mStart} + mLength)
        throw XBase();
    return mInner.ReadWordAt(innerPosition);
}

void CPartialMedia::Skip(int32_t delta)
{
    const int64_t target = int64_t{mInner.GetPosition()} + delta;
    if (target < mStart)
        throw XBase();
    if (!IsOpenEnded() && target > int64_t{mStart} + mLength)
        throw XBase();
    mInner.Skip(delta);
}

void CPartialMedia::ReadAt(int32_t position, int32_t size, void* buffer)
{
    mInner.ReadAt(InnerPosition(position), size, buffer);
}

void CPartialMedia::WriteAt(int32_t position, int32_t size, const void* buffer)
{
    mInner.WriteAt(InnerPosition(position), size, buffer);
}
