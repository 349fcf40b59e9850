// The text import on arbitrary bytes, into fields of every limit the mod uses.
#include "app/TextImport.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > INT32_MAX)
        return 0;
    for (int32_t limit : {64, 200, 600}) {
        std::vector<char> field(limit + 1, '#');
        ImportText(field.data(), data, static_cast<int32_t>(size), limit);
        if (std::memchr(field.data(), 0, field.size()) == nullptr)
            __builtin_trap(); // the field must always be terminated inside its room
    }
    return 0;
}
