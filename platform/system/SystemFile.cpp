#include "platform/system/SystemFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

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
    const int handle = Opened(open(path, O_RDONLY | O_CLOEXEC));
    struct stat info {};
    // A folder opens for reading on this platform but is no file to read.
    if (handle >= 0 && (fstat(handle, &info) != 0 || S_ISDIR(info.st_mode))) {
        close(handle);
        return kNoHandle;
    }
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

int64_t ReadScattered(int handle, const SSpan* spans, int count)
{
    std::vector<iovec> pieces(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        pieces[i] = {spans[i].data, static_cast<size_t>(spans[i].size)};
    // One call takes at most IOV_MAX pieces and may stop short of them; carry on
    // from the byte where it stopped.
    int64_t done = 0;
    int first = 0;
    while (first < count) {
        const ssize_t now = readv(handle, &pieces[first], std::min(count - first, IOV_MAX));
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0)
            return -1;
        if (now == 0)
            break;
        done += now;
        for (size_t left = static_cast<size_t>(now); left > 0;) {
            iovec& piece = pieces[first];
            const size_t taken = std::min(left, piece.iov_len);
            piece.iov_base = static_cast<char*>(piece.iov_base) + taken;
            piece.iov_len -= taken;
            left -= taken;
            if (piece.iov_len == 0)
                ++first;
        }
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
