#pragma once

struct CApplicationStartup;

// The program's own start function: it names the application in the record,
// makes its application object, runs it and deletes it.
using ProgramStartFunction = void (*)(CApplicationStartup& startup);

// The entry point of a windowed program, for its main(): installs the handler
// that turns failed allocations into XOutOfMemory, starts the platform (which
// takes its own options out of argv), installs the framework's window
// procedure, builds the start-up record and calls `start` with it. Returns 0,
// or 1 when an exception of the XBase family ended the program. The program's
// main installs its resources (InstallProgramResources) first: the application
// reads its version from them.
int ApplicationMain(int argc, char** argv, ProgramStartFunction start);
