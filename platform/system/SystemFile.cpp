#include "platform/system/SystemFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemFile {

namespace {

int Opened(int handle)
{
    return handle < 0 ? kNoHandle : handle;
}

void AdviseRandomAccess(int handle)
{
    if (handle >= 0)
        posix_fadvise(handle, 0, 0, POSIX_FADV_RANDOM);
}

} // namespace

int OpenForReading(const char* path)
{
    // Opened without waiting, as a pipe would wait for a writer; only a regular
    // file is kept, which then reads as usual.
    const int handle = Opened(open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (handle >= 0 && (fstat(handle, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(handle);
        return kNoHandle;
    }
    if (handle >= 0)
        fcntl(handle, F_SETFL, fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    AdviseRandomAccess(handle);
    return handle;
}

int CreateForWriting(const char* path)
{
    const int handle = Opened(open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    AdviseRandomAccess(handle);
    return handle;
}

int OpenExistingForWriting(const char* path)
{
    return Opened(open(path, O_WRONLY | O_CLOEXEC));
}

void Close(int handle)
{
    if (handle >= 0)
        close(handle);
}

int64_t Read(int handle, void* buffer, int64_t size)
{
    auto* bytes = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < size) {
        const ssize_t now = read(handle, bytes + done, size - done);
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0)
            return -1;
        if (now == 0)
            break;
        done += now;
    }
    return done;
}

int64_t Write(int handle, const void* buffer, int64_t size)
{
    const auto* bytes = static_cast<const char*>(buffer);
    int64_t done = 0;
    while (done < size) {
        const ssize_t now = write(handle, bytes + done, size - done);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return -1;
        done += now;
    }
    return done;
}

int64_t Seek(int handle, int64_t position)
{
    return lseek(handle, position, SEEK_SET);
}

int64_t Tell(int handle)
{
    return lseek(handle, 0, SEEK_CUR);
}

int64_t Size(int handle)
{
    struct stat info {};
    if (fstat(handle, &info) != 0)
        return -1;
    return info.st_size;
}

} // namespace SystemFile
