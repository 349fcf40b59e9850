#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The terminal program: the verbs a script or a mod artist runs without windows.
// Exit statuses: 0 done, 1 failed or abandoned, 2 usage error.
class CCommandLine {
public:
    enum EExitStatus { kDone = 0, kFailed = 1, kUsage = 2 };

    CCommandLine(std::ostream& out, std::ostream& err);

    int Run(const std::vector<std::string>& arguments);

private:
    int Usage(const std::string& problem);
    int Help();
    int Version();
    int Dump(const std::vector<std::string>& arguments);

    std::ostream& mOut;
    std::ostream& mErr;
};
