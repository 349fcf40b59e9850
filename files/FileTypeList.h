#pragma once

#include "files/FileTypeDescriptor.h"

#include <cstdint>
#include <vector>

// An ordered list of descriptor copies for a file dialog, plus whether the
// dialog should offer an entry for all of the listed types at once.
class CFileTypeList {
public:
    // Appends a copy. XBase when the list already holds 65535 descriptors, the
    // most its 16-bit count can tell.
    void Add(const CFileTypeDescriptor& descriptor);
    void SetOfferAllTypes() { mOfferAllTypes = true; }
    bool GetOfferAllTypes() const { return mOfferAllTypes; }

    uint16_t GetCount() const { return static_cast<uint16_t>(mDescriptors.size()); }
    // The descriptor at a zero-based position; XBase when the index is not below the count.
    const CFileTypeDescriptor& Get(uint16_t index) const;
    const char* GetDescription(uint16_t index) const { return Get(index).GetDescription(); }
    const char* GetExtension(uint16_t index) const { return Get(index).GetExtension(); }

    // A new copy (the caller owns it) of the first descriptor whose extension
    // equals `extension` ignoring case, or null when none does.
    CFileTypeDescriptor* FindByExtension(const char* extension) const;

private:
    std::vector<CFileTypeDescriptor> mDescriptors;
    bool mOfferAllTypes = false;
};
