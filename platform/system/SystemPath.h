#pragma once

#include <string>

namespace SystemPath {

// The path made absolute against the current folder, with "." and ".."
// components resolved by text (links are left as they are). Empty on failure.
std::string MakeAbsolute(const std::string& path);
bool IsDirectory(const std::string& path);
// True when anything, a dangling link included, has that name.
bool Exists(const std::string& path);
// Creates one folder; true when it exists afterwards.
bool CreateDirectory(const std::string& path);

} // namespace SystemPath
