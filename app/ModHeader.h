#pragma once

#include "app/ModConstants.h"
#include "files/VersionedHeader.h"

// The versioned header of a mod: the mod magic, the format version and our notice.
// Its 256-byte block is the data of the "HEAD" chunk.
class CModHeader : public CVersionedHeader {
public:
    CModHeader()
        : CVersionedHeader(kModMagic, kModFormatVersion, kModNotice)
    {
    }
};
