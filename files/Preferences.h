#pragma once

#include <cstdint>

// Per-user, per-application settings: named binary values. Each value is one
// file, $XDG_CONFIG_HOME/Wrenfieldhaus Software/<application>/<name> (the
// configuration home defaults to ~/.config). The application and value names
// must be plain names: empty, ".", ".." or a name holding '/' is refused with
// XBase, so no name reaches outside its folder.

// The company folder every application of ours shares.
inline constexpr char kPreferencesCompany[] = "Wrenfieldhaus Software";

// Stores `size` bytes under `name`, replacing any earlier value whole. XBase when
// the folders cannot be made, the value cannot be written, or no configuration
// home is known.
void SetPreference(const char* appName, const char* name, const void* data, int32_t size);

// Reads the value into `buffer`: true and its size in `outSize` when stored,
// false when there is none (or no configuration home is known). XBase when the
// value holds more than `capacity` bytes, or it cannot be read.
bool GetPreference(const char* appName, const char* name, void* buffer, int32_t capacity, int32_t& outSize);
