#pragma once

#include "files/FileSpec.h"

#include <cstdint>
#include <string>

// What the entry point knows when it starts the program, handed to the
// application's constructor.
struct CApplicationStartup {
    // The program's own start function names it; at most 71 characters are kept.
    std::string name = "Marrowby Win32 Application";
    CFileSpec programFile;
    // No module handle exists on this platform; kept for programs that pass one on.
    const void* module = nullptr;
    // The program's arguments joined with single blanks, in full: cutting them to
    // a fixed field would lose the paths at the end.
    std::string commandLine;
    int32_t showMode = 1;
    uint8_t flag = 0;
    uint8_t reserved[44] = {44};
};

// The start-up record of a program started with these arguments: the program
// file is the running executable, the command line argv[1..] joined with single
// blanks. XBase when the executable cannot be named.
CApplicationStartup MakeApplicationStartup(int argc, char** argv);
