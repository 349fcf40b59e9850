#pragma once

#include "files/Version.h"

#include <cstdint>

class CFileSpec;

// The oldest platform the framework runs on.
inline const CVersion kOldestOSVersion(4, 0);

// The running kernel's major and minor version ("6.1.0-18-amd64" gives 6.1), with
// bugfix 0 and the release stage. XBase when the kernel cannot be asked.
CVersion GetOSVersion();
// Throws ZOS_TOO_OLD_EXCEPTION when the running system is older than 4.0.
void CheckOSVersion();
// The same test on a given version.
void CheckOSVersion(const CVersion& running);

// A program's version as four words W1.W2.W3.W4, most significant first: major
// W1, minor W2, bugfix W3; the last word holds stage × 1000 + build, where a
// stage outside 1..4 counts as release. 2.0.1.2002 is 2.0.1a2; 2.0.0.5000 is
// 2.0.0, release, build 0. XBadFormat when a part or the build exceeds 255,
// more than the version's byte fields hold.
CVersion VersionFromFileWords(uint16_t w1, uint16_t w2, uint16_t w3, uint16_t w4);

// Program files on Linux carry no version resource. The one program whose
// version can be told is the running one: its build embeds the version as the
// resource item kVersionResourceType / kVersionResourceId, four big-endian 16-bit
// words as above.
constexpr char kVersionResourceType[] = "VERS";
constexpr uint16_t kVersionResourceId = 1;

// The version of a program file: XFileNotFound when there is no such file; for
// the running program its embedded version; XBase for any other file and when
// the running program has no version item; XBadFormat when that item is not 8 bytes.
CVersion GetFileVersion(const CFileSpec& file);
// The running program's embedded version; XBase or XBadFormat as above.
CVersion GetProgramVersion();
