#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CModReader;

// Writes the components and the four text files of a mod into a folder. Every
// name is checked before anything is written, and the files are written into a
// private folder inside the destination and moved into place only when all are
// written, so an unpack writes all or nothing. A stored name must be a plain file
// name (not empty, ".", "..", absolute, holding "/" or "\" or a control
// character). A link, a folder or any other file that is not a regular file is
// never followed or replaced, nor is the mod file being read; a regular file is
// replaced only when asked to.
class CModUnpacker {
public:
    enum class EOverwrite { kKeep, kReplace };

    // `modPath` names the file `reader` reads.
    CModUnpacker(const CModReader& reader, std::string modPath, EOverwrite overwrite);

    // One line per problem that would stop the unpack into `folder`; empty when none.
    std::vector<std::string> Check(const std::string& folder) const;
    // Creates `folder` when it is missing, writes every file and logs one line per
    // file on `log` once all are in place. On failure nothing new is left in
    // `folder` (nor the folder, when this made it), GetFailedPath() names the file
    // at fault (the mod when reading it failed, else the output path) and the
    // failure is thrown on.
    void Unpack(const std::string& folder, std::ostream& log);
    const std::string& GetFailedPath() const { return mFailedPath; }

    // Why a stored name may not be written as a file of its own; null when it may.
    static const char* RefusalOfName(const std::string& name);

private:
    struct SOutputFile {
        std::string name;
        const void* data = nullptr;     // for a text
        int32_t componentIndex = -1;    // for a component
        int32_t size = 0;
    };
    std::vector<SOutputFile> GetOutputFiles() const;
    const char* RefusalOfPath(const std::string& path) const;
    void WriteAll(const std::string& folder, const std::vector<SOutputFile>& files);

    const CModReader& mReader;
    std::string mModPath;
    EOverwrite mOverwrite;
    std::string mFailedPath;
};
