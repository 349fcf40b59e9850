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

// The new absolute position, or -1 on failure.
int64_t Seek(int handle, int64_t position);
int64_t Tell(int handle);
// The file's size, or -1 on failure.
int64_t Size(int handle);

} // namespace SystemFile
