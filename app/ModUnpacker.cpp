#include "app/ModUnpacker.h"

#include "app/ModReader.h"
#include "files/FileSpec.h"
#include "files/WholeFile.h"
#include "media/XBase.h"
#include "platform/system/SystemPath.h"

#include <cstring>
#include <ostream>
#include <set>

namespace {

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace

CModUnpacker::CModUnpacker(const CModReader& reader, EOverwrite overwrite)
    : mReader(reader)
    , mOverwrite(overwrite)
{
}

bool CModUnpacker::IsSafeFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos
        && name.find('\\') == std::string::npos;
}

std::vector<CModUnpacker::SOutputFile> CModUnpacker::GetOutputFiles() const
{
    std::vector<SOutputFile> files;
    const auto& components = mReader.GetComponents();
    for (size_t i = 0; i < components.size(); ++i)
        files.push_back({components[i].storedName, nullptr, static_cast<int32_t>(i), components[i].contentSize});
    const CModInfo& info = mReader.GetInfo();
    for (const auto& [name, text] : {std::pair{"ModName.txt", info.GetModName()},
                                     std::pair{"Comments.txt", info.GetComments()},
                                     std::pair{"www.txt", info.GetWwwAddress()},
                                     std::pair{"ftp.txt", info.GetFtpAddress()}})
        files.push_back({name, text, -1, static_cast<int32_t>(std::strlen(text))});
    return files;
}

std::vector<std::string> CModUnpacker::Check(const std::string& folder) const
{
    std::vector<std::string> problems;
    if (SystemPath::Exists(folder) && !SystemPath::IsDirectory(folder))
        problems.push_back(folder + ": not a folder");
    std::set<std::string> seen;
    for (const SOutputFile& file : GetOutputFiles()) {
        if (!IsSafeFileName(file.name)) {
            problems.push_back("refusing the stored name \"" + file.name + "\": not a plain file name");
            continue;
        }
        if (!seen.insert(file.name).second) {
            problems.push_back("refusing the stored name \"" + file.name + "\": it occurs twice");
            continue;
        }
        const std::string path = InFolder(folder, file.name);
        if (mOverwrite == EOverwrite::kKeep && SystemPath::Exists(path))
            problems.push_back(path + ": exists (use --force to replace it)");
    }
    return problems;
}

void CModUnpacker::Unpack(const std::string& folder, std::ostream& log) const
{
    if (!SystemPath::CreateDirectory(folder))
        throw XCreateFailed();
    std::vector<uint8_t> content;
    for (const SOutputFile& file : GetOutputFiles()) {
        const void* data = file.data;
        if (file.componentIndex >= 0) {
            content.resize(file.size);
            mReader.ReadContent(mReader.GetComponents()[file.componentIndex], content.data());
            data = content.data();
        }
        const CFileSpec spec(InFolder(folder, file.name).c_str());
        WriteWholeFile(spec, "    ", "Tdrl", data, file.size);
        log << "Wrote " << spec.GetFullPath() << " (" << file.size << " bytes)\n";
    }
}
