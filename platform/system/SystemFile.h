#pragma once

#include <cstdint>

// The file calls of the operating system, reshaped for the media layer. Every
// function reports failure by its result; the callers choose the exception.
namespace SystemFile {

constexpr int kNoHandle = -1;

// Opens an existing regular file for shared reading, never waiting; kNoHandle on
// failure, and for a folder, a pipe, a device or anything else that is no regular file.
int OpenForReading(const char* path);
// Creates or truncates a file for writing; kNoHandle on failure.
int CreateForWriting(const char* path);
// Opens an existing file for writing without truncating it; kNoHandle on failure.
int OpenExistingForWriting(const char* path);
void Close(int handle);

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
