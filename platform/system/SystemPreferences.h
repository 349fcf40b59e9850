#pragma once

#include <cstdint>
#include <string>

// The per-user store behind the framework's preferences: plain files under the
// user's configuration folder, one file per value.
namespace SystemPreferences {

// $XDG_CONFIG_HOME when it is set to an absolute path, else $HOME/.config; empty
// when neither is known. No trailing '/'.
std::string GetConfigHome();

// Creates `path` and any missing parents, new folders readable by the user only.
// True when the folder exists afterwards.
bool MakeFolders(const std::string& path);

// Replaces the file's contents with `size` bytes, all or nothing: the bytes go to
// a temporary file in the same folder that is then renamed over the old one.
bool StoreFile(const std::string& path, const void* data, int64_t size);

enum class EFetch { kFetched, kMissing, kTooLarge, kFailed };

// Reads the whole file into `buffer` when it fits in `capacity` bytes; `size` gets
// the count read. kMissing when there is no such file (or folder on the way),
// kTooLarge when it holds more than `capacity` bytes. Never trusts the size the
// file system reports: it reads, and tries for one byte more.
EFetch FetchFile(const std::string& path, void* buffer, int64_t capacity, int64_t& size);

} // namespace SystemPreferences
