// A file specification from a flattened block: refusal is fine, an over-read
// or a specification that does not survive its own round trip is not.
#include "files/FileSpec.h"
#include "media/XBase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > INT32_MAX)
        return 0;
    // A copy of exactly `size` bytes, so the sanitizer sees any read past the block.
    const std::vector<uint8_t> block(data, data + size);
    try {
        const CFileSpec spec(block.data(), static_cast<int32_t>(size));
        int32_t flatSize = 0;
        const std::unique_ptr<uint8_t[]> flat(spec.Flatten(flatSize));
        const CFileSpec again(flat.get(), flatSize);
        if (!(again == spec) || std::strcmp(again.GetExtension(), spec.GetExtension()) != 0)
            std::abort();
    } catch (const XBase&) {
    }
    return 0;
}
