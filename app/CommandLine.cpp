#include "app/CommandLine.h"

#include "app/FailureText.h"
#include "app/ModConstants.h"
#include "chunks/IFFReader2.h"
#include "media/OpenFile.h"
#include "media/StringMedia.h"
#include "media/XBase.h"

#include <ostream>

namespace {

constexpr const char* kProgramName = "modstower-cli";

constexpr const char* kHelpText =
    "Usage: modstower-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Packs a folder of Tandrel synthesizer mod components into one mod file (.tdm)\n"
    "and looks into mod files.\n"
    "\n"
    "Commands:\n"
    "  dump FILE       print the chunk tree of FILE, one line per chunk\n"
    "\n"
    "Options:\n"
    "  --help          show this text\n"
    "  --version       show the program's version\n"
    "\n"
    "Exit status: 0 done, 1 failed or abandoned, 2 usage error.\n";

} // namespace

CCommandLine::CCommandLine(std::ostream& out, std::ostream& err)
    : mOut(out)
    , mErr(err)
{
}

int CCommandLine::Run(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return Usage("no command given");
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h")
        return Help();
    if (command == "--version")
        return Version();
    if (command == "dump")
        return Dump(arguments);
    return Usage("unknown command '" + command + "'");
}

int CCommandLine::Usage(const std::string& problem)
{
    mErr << kProgramName << ": " << problem << "\n"
         << "Try '" << kProgramName << " --help' for more information.\n";
    return kUsage;
}

int CCommandLine::Help()
{
    mOut << kHelpText;
    return kDone;
}

int CCommandLine::Version()
{
    char text[32] = {};
    kModFormatVersion.Format(text, CVersion::kShortWithStage);
    mOut << kProgramName << " " << text << "\n";
    return kDone;
}

int CCommandLine::Dump(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2)
        return Usage("dump needs exactly one FILE");
    const std::string& path = arguments[1];
    // The whole dump is made before any of it is printed: a broken tree gives
    // an error line only, never half a dump.
    CStringMedia text;
    try {
        COpenFile file(path.c_str());
        CIFFReader2 reader(file);
        if (reader.CountChunks() == 0)
            throw XBadFormat();
        CIFFReader2::DumpChunks(file, text, 0);
    } catch (const XBase& failure) {
        mErr << kProgramName << ": " << path << ": " << DescribeFailure(failure, kNotAChunkTree) << "\n";
        return kFailed;
    }
    mOut << text.GetBytes();
    return kDone;
}
