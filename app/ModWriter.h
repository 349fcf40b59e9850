#pragma once

#include "chunks/IFFChunkInfo.h"
#include "chunks/IFFWriter2.h"

#include <cstdint>
#include <memory>

class CMedia;
class CModInfo;

// Writes a mod file front to back: the "CAT " group of type "WTDM" with its
// "HEAD" chunk when made, one "EMBF" chunk per component, the "INFO" chunk and
// the group's size at the end. Until Finish the group's size field holds 0,
// which marks a file whose writing was abandoned.
class CModWriter {
public:
    // Begins the group and writes the header; `target` is not owned.
    explicit CModWriter(CMedia& target);
    ~CModWriter();

    // One component: its stored name with a terminating zero, then its bytes.
    // XTooLarge, with nothing written, when the mod could then not be finished
    // within the format's 2 GiB.
    void AddComponent(const char* storedName, const void* bytes, int32_t size);
    void Finish(const CModInfo& info);

private:
    CIFFWriter2 mWriter;
    CIFFChunkInfo mCat;
    std::unique_ptr<CIFFWriter2> mContents;
};
