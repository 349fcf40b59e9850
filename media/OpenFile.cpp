#include "media/OpenFile.h"

#include "media/XBase.h"
#include "platform/system/SystemFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

COpenFile::COpenFile(const char* fullPath)
    : mHandle(SystemFile::OpenForReading(fullPath))
{
    if (mHandle == SystemFile::kNoHandle)
        throw XCreateFailed();
    mOpenedSize = SystemFile::Size(mHandle);
}

COpenFile::COpenFile(const char* fullPath, const char* /*fileType*/, const char* /*creator*/)
    : mHandle(SystemFile::CreateForWriting(fullPath))
{
    if (mHandle == SystemFile::kNoHandle)
        throw XCreateFailed();
}

COpenFile::COpenFile(SOpenedHandle opened)
    : mHandle(opened.handle)
{
    if (mHandle == SystemFile::kNoHandle)
        throw XCreateFailed();
}

COpenFile::~COpenFile()
{
    Close();
}

void COpenFile::Close()
{
    CloseConfirmed();
}

bool COpenFile::CloseConfirmed()
{
    const bool confirmed = SystemFile::Close(mHandle);
    mHandle = SystemFile::kNoHandle;
    return confirmed;
}

void COpenFile::Read(int32_t size, void* buffer)
{
    if (size < 0)
        throw XRead();
    if (size == 0)
        return;
    auto* bytes = static_cast<uint8_t*>(buffer);
    int64_t done = size <= kShortRead ? ReadAhead(size, bytes) : 0;
    bool failed = false;
    if (done < size) {
        const int64_t now = SystemFile::ReadAt(mHandle, bytes + done, size - done, mPosition + done);
        failed = now < 0;
        done += std::max<int64_t>(now, 0);
    }
    // A short read has still moved the position by what it read.
    mPosition += done;
    if (failed || done != size)
        throw XRead();
}

int32_t COpenFile::ReadAhead(int32_t size, uint8_t* buffer)
{
    const bool inBlock = mPosition >= mAheadStart && mPosition < mAheadStart + mAheadLength;
    if (!inBlock) {
        if (!mAhead)
            mAhead.reset(new uint8_t[kReadAheadSize]);
        const int64_t read = SystemFile::ReadAt(mHandle, mAhead.get(), kReadAheadSize, mPosition);
        mAheadStart = mPosition;
        mAheadLength = static_cast<int32_t>(std::max<int64_t>(read, 0));
    }
    const int64_t held = mAheadStart + mAheadLength - mPosition;
    const auto count = static_cast<int32_t>(std::clamp<int64_t>(held, 0, size));
    std::memcpy(buffer, mAhead.get() + (mPosition - mAheadStart), static_cast<size_t>(count));
    return count;
}

void COpenFile::ReadScattered(const SMediaSpan* spans, int32_t count)
{
    std::vector<SystemFile::SSpan> pieces(static_cast<size_t>(std::max(count, 0)));
    int64_t total = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (spans[i].size < 0)
            throw XRead();
        pieces[i] = {spans[i].data, spans[i].size};
        total += spans[i].size;
    }
    const int64_t done = SystemFile::ReadScatteredAt(mHandle, pieces.data(), count, mPosition);
    if (done > 0)
        mPosition += done;
    if (done != total)
        throw XRead();
}

void COpenFile::Write(int32_t size, const void* buffer)
{
    if (size < 0)
        throw XWrite();
    // What was read ahead may be written over.
    mAheadLength = 0;
    const int64_t done = SystemFile::WriteAt(mHandle, buffer, size, mPosition);
    if (done != size)
        throw XWrite();
    mPosition += done;
}

int32_t COpenFile::GetPosition()
{
    if (mHandle == SystemFile::kNoHandle)
        throw XFile();
    if (mPosition > INT32_MAX)
        throw XPosition();
    return static_cast<int32_t>(mPosition);
}

void COpenFile::SetPosition(int32_t position)
{
    if (position < 0 || mHandle == SystemFile::kNoHandle)
        throw XPosition();
    mPosition = position;
}

int32_t COpenFile::GetSize()
{
    // Files of 2 GiB or more do not fit the format's sizes; they are refused, not cut.
    const int64_t size = mOpenedSize >= 0 ? mOpenedSize : SystemFile::Size(mHandle);
    if (size < 0)
        throw XPosition();
    if (size > INT32_MAX)
        throw XTooLarge();
    return static_cast<int32_t>(size);
}
