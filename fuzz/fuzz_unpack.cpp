// The unpacker on crafted mods, unpacked for real into a private folder that
// already holds files, links and folders under some of the names to be written.
// Whatever the unpack answers, the folder must afterwards hold either just what
// it held before, or that and every unpacked file with exactly its bytes; nothing
// outside the folder may change.
//
// Input: byte 0, bit 0 asks to replace files (--force); byte 1 gives, two bits for
// each of the first four files to be written, what has its name beforehand:
// nothing, a regular file, a link to a file outside, a folder. The rest is the mod
// file, which lies in the folder itself as "kit.tdm".
#include "app/ModReader.h"
#include "app/ModUnpacker.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every entry of a folder: its kind with its bytes, its link target, or nothing more.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::string& seen = entries[entry.path().filename().string()];
        if (entry.is_symlink())
            seen = "link " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            seen = "folder";
        else if (entry.is_regular_file())
            seen = "file " + Bytes(entry.path());
        else
            seen = "other";
    }
    return entries;
}

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// The files an unpack writes, by name, with their bytes.
std::map<std::string, std::string> Expected(const CModReader& reader)
{
    std::map<std::string, std::string> files;
    for (const SModComponent& component : reader.GetComponents()) {
        std::string bytes(size_t(component.contentSize), '\0');
        reader.ReadContent(component, bytes.data());
        files[component.storedName] = "file " + bytes;
    }
    const CModInfo& info = reader.GetInfo();
    files["ModName.txt"] = std::string("file ") + info.GetModName();
    files["Comments.txt"] = std::string("file ") + info.GetComments();
    files["www.txt"] = std::string("file ") + info.GetWwwAddress();
    files["ftp.txt"] = std::string("file ") + info.GetFtpAddress();
    return files;
}

void PlaceObstacles(const CModReader& reader, uint8_t kinds, const fs::path& folder, const fs::path& outsideFile)
{
    const auto& components = reader.GetComponents();
    for (size_t i = 0; i < 4 && i < components.size(); ++i, kinds >>= 2) {
        const std::string& name = components[i].storedName;
        if (CModUnpacker::RefusalOfName(name) != nullptr || name.size() > 255 || fs::exists(fs::symlink_status(folder / name)))
            continue;
        std::error_code ignored;
        if ((kinds & 3) == 1)
            std::ofstream(folder / name) << "older";
        else if ((kinds & 3) == 2)
            fs::create_symlink(outsideFile, folder / name, ignored);
        else if ((kinds & 3) == 3)
            fs::create_directory(folder / name, ignored);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    std::string pattern = (fs::temp_directory_path() / "fuzz-unpack-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 0;
    const fs::path root = pattern, folder = root / "dir", outside = root / "outside";
    fs::create_directory(folder);
    fs::create_directory(outside);
    std::ofstream(outside / "file") << "outside";
    const std::string mod = (folder / "kit.tdm").string();
    std::ofstream(mod, std::ios::binary).write(reinterpret_cast<const char*>(data + 2), std::streamsize(size - 2));
    const auto outsideBefore = Snapshot(outside);

    try {
        COpenFile file(mod.c_str());
        CModReader reader(file);
        PlaceObstacles(reader, data[1], folder, outside / "file");
        const auto before = Snapshot(folder);
        CModUnpacker unpacker(reader, mod, (data[0] & 1) ? CModUnpacker::EOverwrite::kReplace : CModUnpacker::EOverwrite::kKeep);
        bool unpacked = false;
        if (unpacker.Check(folder.string()).empty()) {
            std::ostringstream log;
            try {
                unpacker.Unpack(folder.string(), log);
                unpacked = true;
            } catch (const XBase&) {
            }
        }
        auto expected = before;
        if (unpacked) {
            for (const auto& [name, bytes] : Expected(reader))
                expected[name] = bytes;
        }
        Require(Snapshot(folder) == expected);
    } catch (const XBase&) {
    }
    Require(Snapshot(outside) == outsideBefore);
    Require(Snapshot(root).size() == 2);
    fs::remove_all(root);
    return 0;
}
