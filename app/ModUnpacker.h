#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CModReader;

// Writes the components and the four text files of a mod into a folder. Every
// name is checked before anything is written, so an unpack either writes all
// or nothing: a stored name must be a plain file name (not empty, ".", "..",
// absolute, or holding "/" or "\"), and no file is replaced unless asked to.
class CModUnpacker {
public:
    enum class EOverwrite { kKeep, kReplace };

    CModUnpacker(const CModReader& reader, EOverwrite overwrite);

    // One line per problem that would stop the unpack into `folder`; empty when none.
    std::vector<std::string> Check(const std::string& folder) const;
    // Creates `folder` when it is missing and writes every file, one line each on `log`.
    void Unpack(const std::string& folder, std::ostream& log) const;

    // A stored name that may be written as a file of its own.
    static bool IsSafeFileName(const std::string& name);

private:
    struct SOutputFile {
        std::string name;
        const void* data = nullptr;     // for a text
        int32_t componentIndex = -1;    // for a component
        int32_t size = 0;
    };
    std::vector<SOutputFile> GetOutputFiles() const;

    const CModReader& mReader;
    EOverwrite mOverwrite;
};
