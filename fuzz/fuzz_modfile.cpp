// The mod file's readers on arbitrary bytes: the whole-file reader, and the
// "HEAD" block and "INFO" record readers on a block of their size.
#include "app/ModInfo.h"
#include "app/ModReader.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    CMemoryMedia input(static_cast<int32_t>(bytes.size()), bytes.data());
    try {
        CModReader reader(input);
        for (const SModComponent& component : reader.GetComponents()) {
            std::vector<uint8_t> content(component.contentSize);
            reader.ReadContent(component, content.data());
        }
    } catch (const XBase&) {
    }
    CModReader::IsAbandoned(input);

    uint8_t block[CModInfo::kImageSize] = {};
    std::memcpy(block, data, std::min<size_t>(size, sizeof block));
    CModInfo info;
    info.ReadImage(block);
    CModHeader header;
    header.ReadBlock(block);
    return 0;
}
