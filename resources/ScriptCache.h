#pragma once

#include "resources/ResourceScript.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The scripts parsed so far, in the order they were first asked for. A script is
// loaded from the running program's resources on its first request and kept
// until the cache is cleared; there is no reload.
class CResourceScriptCache {
public:
    // The script of that type and id, loaded now if it is not cached yet. A script
    // that fails to load or parse leaves nothing behind, so a later request tries
    // again. The program's file cannot be named: XBase; no such item: XBase.
    const CResourceScript& Get(const char* type, uint16_t id);
    // The first cached script whose type matches regardless of case and whose id is equal.
    const CResourceScript* Find(const char* type, uint16_t id) const;

    size_t GetCount() const { return mScripts.size(); }
    void Clear() { mScripts.clear(); }

private:
    std::vector<std::unique_ptr<CResourceScript>> mScripts;
};

// The program-wide cache behind GetString, GetAlertScript and GetMenuScript. The
// application clears it when it shuts down.
CResourceScriptCache& GetScriptCache();
