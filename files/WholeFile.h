#pragma once

#include <cstdint>

class CFileSpec;
class CMemoryMedia;

// Reads a whole file into a new memory medium at position 0 (the caller owns
// it). Throws what COpenFile throws; nothing is left allocated then.
CMemoryMedia* LoadFileIntoMemory(const CFileSpec& file);
// The same, storing the result in `out` as well.
CMemoryMedia* LoadFileIntoMemory(const CFileSpec& file, CMemoryMedia*& out);

// Creates (or truncates) the file and writes `size` bytes in one go. When the
// write fails the partly written file is deleted and the failure thrown on. A
// file that could not be created is not touched. The type and creator codes are
// not stored on this platform.
void WriteWholeFile(const CFileSpec& file, const char* typeCode, const char* creator, const void* data, int32_t size);

// Reads exactly `size` bytes from the start of the file into `buffer`; XRead when
// the file is shorter.
void ReadWholeFile(const CFileSpec& file, void* buffer, int32_t size);
