#pragma once

#include <cstdint>
#include <string>

// The file calls of the operating system, reshaped for the media layer. Every
// function reports failure by its result; the callers choose the exception.
namespace SystemFile {

constexpr int kNoHandle = -1;

// Opens an existing regular file for shared reading; kNoHandle on failure. A
// folder, pipe, socket or device is refused without waiting: none has a size to
// read whole, and a pipe without a writer would hold the caller for ever.
int OpenForReading(const char* path);
// Creates or truncates a file for writing; kNoHandle on failure.
int CreateForWriting(const char* path);
// Creates a new file for writing under a name nothing else has: `prefix`, six
// random letters and digits, `suffix`. Its permissions are those of any created
// file (read and write as the umask allows). kNoHandle on failure; `path` is
// then empty.
int CreateUnique(const std::string& prefix, const std::string& suffix, std::string& path);
// Opens an existing file for writing without truncating it; kNoHandle on failure.
int OpenExistingForWriting(const char* path);
// False when the system reports that data written may have been lost.
bool Close(int handle);

// Bytes moved, or -1 on failure. Retries interrupted and partial transfers.
int64_t Read(int handle, void* buffer, int64_t size);
int64_t Write(int handle, const void* buffer, int64_t size);
// The same at an absolute position, leaving the handle's own position alone, so a
// caller that keeps its position itself needs no call to move it.
int64_t ReadAt(int handle, void* buffer, int64_t size, int64_t position);
int64_t WriteAt(int handle, const void* buffer, int64_t size, int64_t position);

// One piece of memory that a scattered read fills.
struct SSpan {
    void* data;
    int64_t size;
};
// Fills the spans one after another from the absolute position, as ReadAt of
// each in turn would, in as few system calls as the system allows. Bytes moved
// (fewer than asked at the end of the file), or -1 on failure.
int64_t ReadScatteredAt(int handle, const SSpan* spans, int count, int64_t position);

// The file's size, or -1 on failure.
int64_t Size(int handle);

} // namespace SystemFile
