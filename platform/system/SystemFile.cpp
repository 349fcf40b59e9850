#include "platform/system/SystemFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
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

// Moves `size` bytes with as many calls of `transfer(done)` as it takes, each
// answering the bytes it moved or -1; interrupted calls are repeated. A read that
// moves nothing has met the end of the file; a write that moves nothing failed.
template <typename Transfer>
int64_t Repeat(int64_t size, bool readsToEnd, Transfer transfer)
{
    int64_t done = 0;
    while (done < size) {
        const ssize_t now = transfer(done);
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0 || (now == 0 && !readsToEnd))
            return -1;
        if (now == 0)
            break;
        done += now;
    }
    return done;
}

} // namespace

int OpenForReading(const char* path)
{
    const int handle = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (handle < 0)
        return kNoHandle;
    // A folder opens for reading on this platform but is no file to read either.
    struct stat info {};
    const int flags = fcntl(handle, F_GETFL);
    if (fstat(handle, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0
        || fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) != 0) {
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

int CreateUnique(const std::string& prefix, const std::string& suffix, std::string& path)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int kAttempts = 100;
    std::random_device random;
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i)
            name += kLetters[pick(random)];
        name += suffix;
        const int handle = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle >= 0) {
            AdviseRandomAccess(handle);
            path = name;
            return handle;
        }
        if (errno != EEXIST)
            break;
    }
    path.clear();
    return kNoHandle;
}

int OpenExistingForWriting(const char* path)
{
    return Opened(open(path, O_WRONLY | O_CLOEXEC));
}

bool Close(int handle)
{
    // After an interrupted close the handle is gone all the same on Linux; only
    // an input or output error, or a full disk on delayed writes, loses data.
    if (handle >= 0 && close(handle) != 0)
        return errno == EINTR;
    return true;
}

int64_t Read(int handle, void* buffer, int64_t size)
{
    auto* bytes = static_cast<char*>(buffer);
    return Repeat(size, true, [&](int64_t done) { return read(handle, bytes + done, size - done); });
}

int64_t Write(int handle, const void* buffer, int64_t size)
{
    const auto* bytes = static_cast<const char*>(buffer);
    return Repeat(size, false, [&](int64_t done) { return write(handle, bytes + done, size - done); });
}

int64_t ReadAt(int handle, void* buffer, int64_t size, int64_t position)
{
    auto* bytes = static_cast<char*>(buffer);
    return Repeat(size, true, [&](int64_t done) { return pread(handle, bytes + done, size - done, position + done); });
}

int64_t WriteAt(int handle, const void* buffer, int64_t size, int64_t position)
{
    const auto* bytes = static_cast<const char*>(buffer);
    return Repeat(size, false,
                  [&](int64_t done) { return pwrite(handle, bytes + done, size - done, position + done); });
}

int64_t ReadScatteredAt(int handle, const SSpan* spans, int count, int64_t position)
{
    std::vector<iovec> pieces(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        pieces[i] = {spans[i].data, static_cast<size_t>(spans[i].size)};
    // One call takes at most IOV_MAX pieces and may stop short of them; carry on
    // from the byte where it stopped.
    int64_t done = 0;
    int first = 0;
    while (first < count) {
        const ssize_t now = preadv(handle, &pieces[first], std::min(count - first, IOV_MAX), position + done);
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

int64_t Size(int handle)
{
    struct stat info {};
    if (fstat(handle, &info) != 0)
        return -1;
    return info.st_size;
}

} // namespace SystemFile
