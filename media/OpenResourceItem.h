#pragma once

#include "media/Media.h"

#include <cstdint>

class CMemoryMedia;
struct SEmbeddedResource;

// A loaded module whose resource items can be read. On this platform the only
// module with resources is the running program itself: its items are compiled
// into the executable. Naming any other module file fails with XFile.
class CResourceModule {
public:
    // `modulePath` empty or the running program's own path.
    explicit CResourceModule(const char* modulePath);

    // The item, or XBase when the module has no such item.
    const SEmbeddedResource& FindItem(const char* type, uint16_t id) const;
    // A new memory medium holding the item's bytes, position 0; the caller owns it.
    CMemoryMedia* LoadResourceIntoMemory(const char* type, uint16_t id) const;
};

// One resource item as a read-only medium. Every Read copies from the start of
// the item, whatever the position: the item is read whole, never streamed.
class COpenResourceItem : public CMedia {
public:
    COpenResourceItem(const char* modulePath, const char* type, uint16_t id);

    void Read(int32_t size, void* buffer) override;
    void Write(int32_t, const void*) override {}
    int32_t GetPosition() override { return 0; }
    void SetPosition(int32_t) override {}
    int32_t GetSize() override;

private:
    char mType[5] = {};
    uint16_t mId = 0;
    CResourceModule mModule;
};
