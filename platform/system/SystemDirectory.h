#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The folder and file-status calls of the operating system, reshaped for the
// files layer. Every function reports failure by its result; the callers choose
// the exception. Time stamps are file times: 100-nanosecond ticks since
// 1 January 1601, the scale the framework's entry records use.
namespace SystemDirectory {

struct SStatus {
    bool directory = false;
    // A pipe, socket or device: opening or reading one may block or never end.
    bool special = false;
    uint64_t size = 0;
    // Which file this is: two names of one file share both.
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t created = 0;
    uint64_t modified = 0;
};

// What is at `path`, symbolic links followed: a link to a folder is a folder. A
// link whose target is missing still answers true, as a file of size 0 with the
// link's own times, so a listing shows it and opening it fails later. False when
// nothing at all is there.
bool GetStatus(const char* path, SStatus& out);

// True when a file that is no folder can be reached at `path`, links followed: a
// dangling link answers false, as opening it would fail.
bool IsExistingFile(const char* path);

// True when both paths name the same file (same device and inode).
bool IsSameFile(const char* first, const char* second);

// Every name in the folder, in the order the file system gives them ("." and ".."
// included when it reports them). False when the folder cannot be read.
bool ListNames(const char* folder, std::vector<std::string>& names);

// Creates one folder (not its parents); false when it exists or cannot be made.
bool MakeFolder(const char* path);
// Removes a file (never a folder); false on failure.
bool RemoveFile(const char* path);
// Puts `from` in the place of `to` in one step, replacing what `to` names
// itself: a link there is replaced, not followed. False on failure.
bool RenameOver(const char* from, const char* to);
// Sets the last-write time, leaving the access time as it is.
bool SetModifiedTime(const char* path, uint64_t fileTime);

// The process's current folder without a trailing '/', or empty on failure.
std::string GetCurrentFolder();

// Conversions between the Unix clock and file times. Instants before 1601 become 0.
uint64_t FileTimeFromUnix(int64_t seconds, int64_t nanoseconds);
void UnixFromFileTime(uint64_t fileTime, int64_t& seconds, int64_t& nanoseconds);

} // namespace SystemDirectory
