#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDirSpec;
class CFileSpec;
class CModReader;
class CModUnpacker;

// The terminal program: the verbs a script or a mod artist runs without windows.
// Exit statuses: 0 done, 1 failed or abandoned, 2 usage error.
class CCommandLine {
public:
    enum EExitStatus { kDone = 0, kFailed = 1, kUsage = 2 };

    CCommandLine(std::ostream& out, std::ostream& err);

    int Run(const std::vector<std::string>& arguments);

private:
    enum class EPackMode { kPack, kCheck };

    int Usage(const std::string& problem);
    int Help();
    // The help of one verb, then the exit statuses.
    int VerbHelp(const char* text);
    int Version();
    int Dump(const std::vector<std::string>& arguments);
    int Pack(const std::vector<std::string>& arguments, EPackMode mode);
    // The folder and the mod file a pack names; kDone, or the status of the
    // usage error or failure already told.
    int MakePackPaths(const std::string& folderArgument, const std::optional<std::string>& targetArgument,
                      std::unique_ptr<CDirSpec>& source, std::unique_ptr<CFileSpec>& target);
    int RunPack(const CDirSpec& source, const CFileSpec& target, EPackMode mode);
    int List(const std::vector<std::string>& arguments);
    int Unpack(const std::vector<std::string>& arguments);
    int UnpackChecked(CModUnpacker& unpacker, const std::string& modPath, const std::string& folder);
    int Fail(const std::string& file, const std::string& problem);

    std::ostream& mOut;
    std::ostream& mErr;
};
