#include "platform/system/SystemMemory.h"

#include <malloc.h>

namespace SystemMemory {

void KeepFreedMemory()
{
    // Free memory at the top of the heap is given back only past 1 GiB.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

} // namespace SystemMemory
