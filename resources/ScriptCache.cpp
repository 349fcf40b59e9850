#include "resources/ScriptCache.h"

#include "media/MemoryMedia.h"
#include "media/OpenResourceItem.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"

#include <cctype>
#include <string>

namespace {

bool SameType(const char* a, const char* b)
{
    for (int i = 0; i < 4; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
        if (a[i] == 0)
            return true;
    }
    return true;
}

} // namespace

const CResourceScript* CResourceScriptCache::Find(const char* type, uint16_t id) const
{
    for (const auto& script : mScripts) {
        if (script->GetId() == id && SameType(script->GetType(), type))
            return script.get();
    }
    return nullptr;
}

const CResourceScript& CResourceScriptCache::Get(const char* type, uint16_t id)
{
    if (const CResourceScript* cached = Find(type, id))
        return *cached;

    const std::string modulePath = SystemModule::GetModulePath();
    if (modulePath.empty())
        throw XBase();
    const CResourceModule module(modulePath.c_str());
    const std::unique_ptr<CMemoryMedia> media(module.LoadResourceIntoMemory(type, id));

    auto script = std::make_unique<CResourceScript>(type, id);
    script->Parse(*media, media->GetSize());
    mScripts.push_back(std::move(script));
    return *mScripts.back();
}

CResourceScriptCache& GetScriptCache()
{
    static CResourceScriptCache cache;
    return cache;
}
