#pragma once

namespace SystemMemory {

// Keeps memory the program frees for its own next allocations instead of
// handing it back to the system at once. A pack run frees and makes the pages
// of one sample after another; handing them back made every new sample fault
// in and clear fresh pages, which cost more than the packing itself.
void KeepFreedMemory();

} // namespace SystemMemory
