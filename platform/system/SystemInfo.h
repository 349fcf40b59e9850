#pragma once

#include <string>

// What the framework asks about the operating system itself.
namespace SystemInfo {

// Reads "major.minor" from the front of a kernel release text such as
// "6.1.0-18-amd64". False when the text does not start that way or a number does
// not fit 0..255.
bool ParseKernelRelease(const char* release, int& major, int& minor);

// The running kernel's major and minor version; false when it cannot be asked.
bool GetKernelVersion(int& major, int& minor);

// The folder that holds the operating system's own programs, libraries and
// shared data, with a trailing '/'.
std::string GetSystemFolder();

} // namespace SystemInfo
