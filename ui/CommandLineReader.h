#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reads paths from a command line whose names may hold blanks: from the start,
// every prefix that ends before a blank or at the end is tried, the longest
// one that `exists` is handed to `open`, and reading goes on after the blank
// that ends it, until no prefix exists. Returns the text left over (empty when
// everything was read).
std::string ReadCommandLinePaths(std::string_view text, const std::function<bool(const std::string&)>& exists,
                                 const std::function<void(const std::string&)>& open);

// A text for the "could not be found" alert: as it is when shorter than 64
// characters, else "..." and its last 61 characters.
std::string AbbreviateForAlert(const std::string& text);
