#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Resource items compiled into the running executable: (type, id, bytes). The
// build generates each program's table; a program installs it at start.
struct SEmbeddedResource {
    const char* type;          // four characters, for example "SSTR"
    uint16_t id;
    const unsigned char* data;
    size_t size;
};

namespace EmbeddedResources {

// Makes `table` the running module's resources. The table must outlive its use.
void Install(const SEmbeddedResource* table, size_t count);
// The item of that type (compared exactly) and id, or null.
const SEmbeddedResource* Find(const char* type, uint16_t id);

} // namespace EmbeddedResources

namespace SystemModule {

// The running program's own file, as the kernel names it; empty when unknown.
std::string GetModulePath();

} // namespace SystemModule
