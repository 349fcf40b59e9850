#include "files/WholeFile.h"

#include "files/FileSpec.h"
#include "media/MemoryMedia.h"
#include "media/OpenFile.h"

#include <memory>

CMemoryMedia* LoadFileIntoMemory(const CFileSpec& file)
{
    COpenFile source(file.GetFullPath().c_str());
    auto memory = std::make_unique<CMemoryMedia>(source.GetSize());
    source.Read(memory->GetSize(), memory->GetBuffer());
    return memory.release();
}

CMemoryMedia* LoadFileIntoMemory(const CFileSpec& file, CMemoryMedia*& out)
{
    out = LoadFileIntoMemory(file);
    return out;
}

void WriteWholeFile(const CFileSpec& file, const char* typeCode, const char* creator, const void* data, int32_t size)
{
    const std::string path = file.GetFullPath();
    // Creation failing throws straight out: whatever is at that path was not ours.
    COpenFile target(path.c_str(), typeCode, creator);
    try {
        target.Write(size, data);
        target.Close();
    } catch (...) {
        target.Close();
        // A failed removal must not hide why the write failed.
        try {
            file.Delete();
        } catch (...) {
        }
        throw;
    }
}

void ReadWholeFile(const CFileSpec& file, void* buffer, int32_t size)
{
    COpenFile source(file.GetFullPath().c_str());
    source.Read(size, buffer);
}
