#pragma once

#include <cstdint>

// The file calls of the operating system, reshaped for the media layer. Every
// function reports failure by its result; the callers choose the exception.
namespace SystemFile {

constexpr int kNoHandle = -1;

// Opens an existing file for shared reading; kNoHandle on failure.
int OpenForReading(const char* path);
// Creates or truncates a file for writing; kNoHandle on failure.
int CreateForWriting(const char* path);
// Opens an existing file for writing without truncating it; kNoHandle on failure.
int OpenExistingForWriting(const char* path);
void Close(int handle);

// Bytes moved, or -1 on failure. Retries interrupted and partial transfers.
int64_t Read(int handle, void* buffer, int64_t size);
int64_t Write(int handle, const void* buffer, int64_t size);

// One piece of memory that a scattered read fills.
struct SSpan {
    void* data;
    int64_t size;
};
// Fills the spans one after another, as Read of each in turn would, in as few
// system calls as the system allows. Bytes moved (fewer than asked at the end of
// the file), or -1 on failure.
int64_t ReadScattered(int handle, const SSpan* spans, int count);

// The new absolute position, or -1 on failure.
int64_t Seek(int handle, int64_t position);
int64_t Tell(int handle);
// The file's size, or -1 on failure.
int64_t Size(int handle);

} // namespace SystemFile
