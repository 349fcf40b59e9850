#include "resources/ResourceText.h"

#include "media/XBase.h"
#include "resources/ScriptCache.h"
#include "resources/TextNumber.h"

#include <algorithm>
#include <cstring>

namespace {

void CopyText(const char* type, uint32_t textNumber, char* out, int32_t maxLength)
{
    if (maxLength < 0)
        throw XBase();
    const STextNumber parts = SplitTextNumber(textNumber);
    const char* text = GetScriptCache().Get(type, parts.resourceId).GetText(parts.index);

    // Terminated right after what was copied, so nothing of `out` is left unset
    // in front of the terminator, however long the text.
    const size_t limit = std::min<size_t>(static_cast<size_t>(maxLength), CResourceScript::kMaxTextLength);
    size_t length = 0;
    if (text != nullptr) {
        const void* end = std::memchr(text, 0, limit);
        length = end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - text) : limit;
    }
    if (length > 0)
        std::memcpy(out, text, length);
    out[length] = 0;
    out[maxLength] = 0;
}

} // namespace

void GetString(uint32_t textNumber, char* out, int32_t maxLength)
{
    CopyText("SSTR", textNumber, out, maxLength);
}

void GetAlertScript(uint32_t textNumber, char* out, int32_t maxLength)
{
    CopyText("SALR", textNumber, out, maxLength);
}

void GetMenuScript(uint32_t textNumber, char* out, int32_t maxLength)
{
    CopyText("SMNU", textNumber, out, maxLength);
}
