#pragma once

#include "media/Media.h"

#include <cstdint>
#include <memory>

// A file on disk as a medium. Files are named by their full path here; the file
// specifications of the files layer open them through this class.
//
// The position is kept here and every transfer says where it goes, so moving
// about a file costs no system call. A file opened for reading reports the size
// it had when it was opened, and its short reads (chunk headers, format records)
// are served from a block read ahead of them: walking a file's chunks takes one
// system call rather than a few per chunk. So a file that another program
// changes while it is open may be seen as it was; a read past its new end fails
// as at the end of any file.
class COpenFile : public CMedia {
public:
    // Opens an existing file for shared reading; XCreateFailed when that fails.
    explicit COpenFile(const char* fullPath);
    // Creates the file for writing, truncating one that exists; XCreateFailed when
    // that fails. The type and creator codes are not stored on this platform.
    COpenFile(const char* fullPath, const char* fileType, const char* creator);
    ~COpenFile() override;

    COpenFile(const COpenFile&) = delete;
    COpenFile& operator=(const COpenFile&) = delete;

    void Read(int32_t size, void* buffer) override;
    void Write(int32_t size, const void* buffer) override;
    int32_t GetPosition() override;
    void SetPosition(int32_t position) override;
    int32_t GetSize() override;
    // One system call for as many spans as the system takes at once.
    void ReadScattered(const SMediaSpan* spans, int32_t count) override;

    void Close();

protected:
    // Takes over a handle opened elsewhere; XCreateFailed when it is no handle.
    struct SOpenedHandle {
        int handle;
    };
    explicit COpenFile(SOpenedHandle opened);
    // Closes the file; false when the system reports that data written to it
    // may have been lost.
    bool CloseConfirmed();

private:
    static constexpr int32_t kReadAheadSize = 4096;
    // Reads of at most this many bytes go through the read-ahead block.
    static constexpr int32_t kShortRead = 512;

    // Copies what the read-ahead block holds of `size` bytes at the position,
    // reading a new block there first when it holds none of them; answers the
    // bytes copied.
    int32_t ReadAhead(int32_t size, uint8_t* buffer);

    int mHandle;
    int64_t mPosition = 0;
    int64_t mOpenedSize = -1; // for a file opened for reading; -1 otherwise
    std::unique_ptr<uint8_t[]> mAhead;
    int64_t mAheadStart = 0;
    int32_t mAheadLength = 0;
};
