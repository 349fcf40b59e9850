#pragma once

#include "files/Version.h"

#include <cstdint>

// The constants every mod file carries.
constexpr uint32_t kModMagic = 0x5B35B35B;
inline const CVersion kModFormatVersion(1, 0);
inline const CVersion kModInfoVersion(1, 0, 0);
// The notice stamped into every mod's header; it must begin with "(c)".
constexpr const char* kModNotice = "(c) Wrenfieldhaus Software";

constexpr const char* kModExtension = ".tdm";
constexpr const char* kModTypeCode = "TDM ";
constexpr const char* kModDescription = "Tandrel Mod";
// The chunk ids of the mod file.
constexpr const char* kModGroupType = "WTDM";
constexpr const char* kHeadChunkID = "HEAD";
constexpr const char* kComponentChunkID = "EMBF";
constexpr const char* kInfoChunkID = "INFO";
