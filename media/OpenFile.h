#pragma once

#include "media/Media.h"

// A file on disk as a medium. Files are named by their full path here; the file
// specifications of the files layer open them through this class.
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
    int mHandle;
};
