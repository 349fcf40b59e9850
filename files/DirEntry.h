#pragma once

#include "files/FileType.h"
#include "files/PathText.h"

#include <cstdint>

// One entry of a folder as the iterator and CFileSpec::GetInfo report it. Times
// are file times: 100-nanosecond ticks since 1 January 1601.
struct CDirEntry {
    char name[PathText::kNameFieldSize] = {};
    CUnknownFileType type;
    uint64_t created = 0;
    uint64_t modified = 0;
    bool hidden = false;     // the name starts with "."
    bool directory = false;  // a folder, or a link to one
    uint32_t size = 0;       // the low 32 bits of the file's size; 0 for a folder
    // Linux additions. A pipe, socket or device, links followed: nothing to open.
    bool special = false;
    // Which file this is, links followed: two names of one file share both.
    uint64_t device = 0;
    uint64_t inode = 0;
};

// Fills `entry` for the thing called `name` at `path`; false when nothing is there.
bool FillDirEntry(CDirEntry& entry, const char* path, const char* name);
