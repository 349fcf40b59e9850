#pragma once

// Loading shared libraries and finding their functions.
namespace SystemLibrary {

// Loads the library file at `path` with every symbol resolved at once; null on failure.
void* Load(const char* path);
// The address of the exported symbol, or null when the library has none by that name.
void* FindSymbol(void* library, const char* name);
void Unload(void* library);

} // namespace SystemLibrary
