#include "media/OpenFile.h"

#include "media/XBase.h"
#include "platform/system/SystemFile.h"

#include <cstdint>

COpenFile::COpenFile(const char* fullPath)
    : mHandle(SystemFile::OpenForReading(fullPath))
{
    if (mHandle == SystemFile::kNoHandle)
        throw XCreateFailed();
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
    // A short read has still moved the position by what it read.
    if (size < 0 || SystemFile::Read(mHandle, buffer, size) != size)
        throw XRead();
}

void COpenFile::Write(int32_t size, const void* buffer)
{
    if (size < 0 || SystemFile::Write(mHandle, buffer, size) != size)
        throw XWrite();
}

int32_t COpenFile::GetPosition()
{
    const int64_t position = SystemFile::Tell(mHandle);
    if (position < 0)
        throw XFile();
    if (position > INT32_MAX)
        throw XPosition();
    return static_cast<int32_t>(position);
}

void COpenFile::SetPosition(int32_t position)
{
    if (position < 0 || SystemFile::Seek(mHandle, position) != position)
        throw XPosition();
}

int32_t COpenFile::GetSize()
{
    // Files of 2 GiB or more do not fit the format's sizes; they are refused, not cut.
    const int64_t size = SystemFile::Size(mHandle);
    if (size < 0)
        throw XPosition();
    if (size > INT32_MAX)
        throw XTooLarge();
    return static_cast<int32_t>(size);
}
