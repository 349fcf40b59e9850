#pragma once

#include <string>

// What a name in a folder is, and a move that never follows a link or takes a
// name in use. Every function reports failure by its result.
namespace SystemEntry {

enum class EKind { kMissing, kRegularFile, kLink, kFolder, kOther };

// What has this name, looked at itself: a link is a link, even a dangling one.
EKind GetKind(const std::string& path);
// What the name leads to once links are followed; kMissing for a dangling link.
EKind GetTargetKind(const std::string& path);

// Renames `from` to `to` only while nothing at all has the name `to`; never
// replaces, never follows a link. False when something is there or the move fails.
bool MoveToFreeName(const std::string& from, const std::string& to);
// Removes a folder that holds nothing; false when it holds something or is no folder.
bool RemoveEmptyFolder(const std::string& path);

} // namespace SystemEntry
