#include "app/ModUnpacker.h"

#include "app/ModReader.h"
#include "files/StagingFolder.h"
#include "media/OpenFile.h"
#include "media/XBase.h"
#include "platform/system/SystemDirectory.h"
#include "platform/system/SystemEntry.h"
#include "platform/system/SystemPath.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <set>

using SystemEntry::EKind;

namespace {

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsControlByte(char c)
{
    return (c >= 0x01 && c <= 0x1F) || c == 0x7F;
}

} // namespace

CModUnpacker::CModUnpacker(const CModReader& reader, std::string modPath, EOverwrite overwrite)
    : mReader(reader)
    , mModPath(std::move(modPath))
    , mOverwrite(overwrite)
{
}

const char* CModUnpacker::RefusalOfName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
        return "not a plain file name";
    // Such a name could rewrite a terminal's screen wherever it is shown.
    if (std::any_of(name.begin(), name.end(), IsControlByte))
        return "it holds a control character";
    return nullptr;
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
        const char* refusal = RefusalOfName(file.name);
        if (refusal == nullptr && !seen.insert(file.name).second)
            refusal = "it occurs twice";
        if (refusal != nullptr) {
            problems.push_back("refusing the stored name \"" + file.name + "\": " + refusal);
            continue;
        }
        const std::string path = InFolder(folder, file.name);
        if (const char* problem = RefusalOfPath(path))
            problems.push_back(path + ": " + problem);
    }
    return problems;
}

// Why the file may not be written at `path`; null when it may.
const char* CModUnpacker::RefusalOfPath(const std::string& path) const
{
    switch (SystemEntry::GetKind(path)) {
    case EKind::kMissing:
        return nullptr;
    case EKind::kLink:
        return "is a symbolic link (unpack never follows or replaces one)";
    case EKind::kFolder:
        return "is a folder (unpack never replaces one)";
    case EKind::kOther:
        return "is not a regular file (unpack never replaces one)";
    case EKind::kRegularFile:
        break;
    }
    if (SystemDirectory::IsSameFile(path.c_str(), mModPath.c_str()))
        return "is the mod file being unpacked (unpack never writes over it)";
    if (mOverwrite == EOverwrite::kKeep)
        return "exists (use --force to replace it)";
    return nullptr;
}

void CModUnpacker::Unpack(const std::string& folder, std::ostream& log)
{
    mFailedPath = folder;
    const bool madeFolder = SystemEntry::GetKind(folder) == EKind::kMissing;
    if (madeFolder && !SystemPath::CreateDirectory(folder))
        throw XCreateFailed();
    const std::vector<SOutputFile> files = GetOutputFiles();
    try {
        WriteAll(folder, files);
    } catch (...) {
        if (madeFolder)
            SystemEntry::RemoveEmptyFolder(folder);
        throw;
    }
    for (const SOutputFile& file : files)
        log << "Wrote " << InFolder(folder, file.name) << " (" << file.size << " bytes)\n";
}

void CModUnpacker::WriteAll(const std::string& folder, const std::vector<SOutputFile>& files)
{
    CStagingFolder staging(folder);
    std::vector<uint8_t> content;
    for (const SOutputFile& file : files) {
        const void* data = file.data;
        if (file.componentIndex >= 0) {
            mFailedPath = mModPath;
            content.resize(file.size);
            mReader.ReadContent(mReader.GetComponents()[file.componentIndex], content.data());
            data = content.data();
        }
        mFailedPath = InFolder(folder, file.name);
        COpenFile(staging.Add(file.name).c_str(), "    ", "Tdrl").Write(file.size, data);
    }
    try {
        staging.Commit(mOverwrite == EOverwrite::kReplace ? CStagingFolder::EReplace::kRegularFiles
                                                          : CStagingFolder::EReplace::kNothing);
    } catch (...) {
        mFailedPath = staging.GetFailedPath();
        throw;
    }
}
