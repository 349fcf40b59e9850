#pragma once

#include <string>

namespace SystemTemporaryFolder {

// Makes a new folder only this user can enter, with an unguessable name, inside
// $TMPDIR (or /tmp). Its path with a trailing '/'; empty on failure.
std::string Create(const char* prefix);
// The same inside `parent`.
std::string CreateInside(const std::string& parent, const char* prefix);
// Removes the folder and the files directly inside it; false when something stays.
bool Remove(const std::string& path);

} // namespace SystemTemporaryFolder
