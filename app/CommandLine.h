#pragma once

#include <iosfwd>
#include <string>
#include <vector>

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
    int Version();
    int Dump(const std::vector<std::string>& arguments);
    int Pack(const std::vector<std::string>& arguments, EPackMode mode);
    int List(const std::vector<std::string>& arguments);
    int Unpack(const std::vector<std::string>& arguments);
    int UnpackChecked(CModUnpacker& unpacker, const std::string& modPath, const std::string& folder);
    int Fail(const std::string& file, const std::string& problem);

    std::ostream& mOut;
    std::ostream& mErr;
};
