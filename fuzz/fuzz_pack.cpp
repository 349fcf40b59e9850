// The pack run over a small folder made from the input, written into a private
// folder for each input. A run may be abandoned; one that ends normally leaves a
// mod that reads back, whose skin images and demo song are the files' own bytes
// and whose samples are mono 16-bit 44100 Hz AIFF files.
//
// Input: records of a name (a length byte, then the name) and its bytes (a
// two-byte big-endian length, then the bytes). A name the folder cannot hold
// leaves its record out.
#include "app/ModReader.h"
#include "app/ModPacker.h"
#include "app/PackUserInterface.h"
#include "audio/AIFFReader.h"
#include "audio/FrameReader.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "media/MemoryMedia.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {

class CQuietUI : public CPackUserInterface {
public:
    void LogLine(const char*) override {}
    void SetLogTitle(const char*) override {}
    void BeginBusy() override {}
    void AdvanceBusy() override {}
    void EndBusy() override {}
    void StopAlert(const char*) override {}
};

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// The folder's files by name, as written.
std::map<std::string, std::string> WriteFolder(const uint8_t* data, size_t size, const fs::path& folder)
{
    std::map<std::string, std::string> files;
    size_t at = 0;
    while (at < size) {
        const size_t nameLength = data[at++];
        const std::string name(reinterpret_cast<const char*>(data) + at, std::min(nameLength, size - at));
        at += name.size();
        const size_t length = at + 2 <= size ? size_t(data[at]) << 8 | data[at + 1] : 0;
        at = std::min(size, at + 2);
        const std::string bytes(reinterpret_cast<const char*>(data) + at, std::min(length, size - at));
        at += bytes.size();
        if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string("/\0", 2)) != std::string::npos
            || files.count(name) != 0)
            continue;
        std::ofstream(folder / name, std::ios::binary) << bytes;
        files[name] = bytes;
    }
    return files;
}

void CheckMod(const std::string& path, const std::map<std::string, std::string>& files)
{
    COpenFile file(path.c_str());
    const CModReader reader(file);
    for (const SModComponent& component : reader.GetComponents()) {
        std::string bytes(size_t(component.contentSize), '\0');
        reader.ReadContent(component, bytes.data());
        const std::string& name = component.storedName;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".aif") == 0) {
            CMemoryMedia sample(int32_t(bytes.size()), bytes.data());
            SampleFileInfo info;
            CAIFFReader::ReadAIFFInfo(sample, info);
            Require(info.channels == 1 && info.bits == 16 && info.sampleRate == 44100);
        } else {
            const auto file = files.find(name);
            Require(file != files.end() && file->second == bytes);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CScratchBuffers scratchBuffers;
    std::string pattern = (fs::temp_directory_path() / "fuzz-pack-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 0;
    const fs::path root = pattern, folder = root / "Mod";
    fs::create_directory(folder);
    const std::map<std::string, std::string> files = WriteFolder(data, size, folder);
    const std::string target = (root / "Mod.tdm").string();
    CQuietUI ui;
    CModPacker packer(ui);
    bool complete = false;
    try {
        packer.PackFolder(CDirSpec((folder.string() + "/").c_str()), CFileSpec(target.c_str()));
        complete = true;
    } catch (const XBase&) {
    }
    if (complete)
        CheckMod(target, files);
    fs::remove_all(root);
    return 0;
}
