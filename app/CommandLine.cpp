#include "app/CommandLine.h"

#include "app/FailureText.h"
#include "app/ModConstants.h"
#include "app/ModListing.h"
#include "app/ModReader.h"
#include "app/ModPacker.h"
#include "app/ModUnpacker.h"
#include "app/TerminalPackUI.h"
#include "chunks/IFFReader2.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "files/OSVersion.h"
#include "media/OpenFile.h"
#include "media/StringMedia.h"
#include "media/XBase.h"
#include "platform/system/SystemEntry.h"
#include "platform/system/SystemPath.h"

#include <memory>
#include <optional>
#include <ostream>

namespace {

constexpr const char* kProgramName = "modstower-cli";

constexpr const char* kNotARegularFile = "not a regular file";

// A FILE that leads to a pipe, a device, a folder or the like is refused before it
// is opened: opening a pipe would wait for a writer that may never come.
bool IsNoRegularFile(const std::string& path)
{
    const SystemEntry::EKind kind = SystemEntry::GetTargetKind(path);
    return kind != SystemEntry::EKind::kRegularFile && kind != SystemEntry::EKind::kMissing;
}

constexpr const char* kHelpText =
    "Usage: modstower-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Packs a folder of Tandrel synthesizer mod components into one mod file (.tdm)\n"
    "and looks into mod files.\n"
    "\n"
    "Commands:\n"
    "  pack FOLDER [-o FILE]      pack FOLDER into FILE (default: the folder's name\n"
    "                             plus .tdm, in the current folder); a FILE without\n"
    "                             an extension gets .tdm. The log goes to standard\n"
    "                             output, one line per line.\n"
    "  check FOLDER               the same run with the same log, writing no file\n"
    "  list FILE.tdm              the components, missing catalogue slots and texts\n"
    "                             of a mod file\n"
    "  unpack FILE.tdm DIR [--force]\n"
    "                             write each component and the four text files of a\n"
    "                             mod into DIR; existing files are kept unless --force\n"
    "  dump FILE                  print the chunk tree of FILE, one line per chunk\n"
    "\n"
    "Options:\n"
    "  --help                     show this text; COMMAND --help shows the help of\n"
    "                             one command\n"
    "  --version                  show the program's version\n";

constexpr const char* kExitStatusText =
    "\n"
    "Exit status: 0 done, 1 failed or abandoned (one line on standard error names\n"
    "the file at fault and what went wrong), 2 usage error.\n";

// What `modstower-cli VERB --help` shows, before the exit statuses.
struct SVerbHelp {
    const char* verb;
    const char* text;
};

const SVerbHelp kVerbHelp[] = {
    {"pack",
     "Usage: modstower-cli pack FOLDER [-o FILE]\n"
     "\n"
     "Packs the mod components in FOLDER into one mod file, checking each, and\n"
     "prints every decision on standard output, one line each.\n"
     "\n"
     "  -o FILE    the mod file to write, as given when it has an extension;\n"
     "             without one, .tdm is added. Without -o: the folder's name\n"
     "             plus .tdm, in the current folder.\n"
     "\n"
     "The mod is written beside FILE under a hidden name and takes FILE's place\n"
     "only once it is complete: a failed or abandoned run leaves FILE as it was.\n"},
    {"check",
     "Usage: modstower-cli check FOLDER\n"
     "\n"
     "Runs the pack of FOLDER with every check and the same log as pack, writing\n"
     "no file.\n"},
    {"list",
     "Usage: modstower-cli list FILE.tdm\n"
     "\n"
     "Shows the texts of a complete mod file, each component with its size and\n"
     "catalogue slot, and the catalogue slots the mod leaves empty. A FILE that is\n"
     "not a regular file is refused unopened.\n"},
    {"unpack",
     "Usage: modstower-cli unpack FILE.tdm DIR [--force]\n"
     "\n"
     "Writes each component and the four text files of a mod into DIR, made when\n"
     "missing. Every stored name is checked before anything is written. Existing\n"
     "regular files are kept unless --force is given; a link, a folder or any\n"
     "other file that is not a regular file in DIR, and the mod itself, are never\n"
     "followed or replaced. The files are written into a private folder inside DIR\n"
     "and moved into place only when all are written: a failed run leaves nothing\n"
     "new in DIR. A FILE that is not a regular file is refused unopened.\n"},
    {"dump",
     "Usage: modstower-cli dump FILE\n"
     "\n"
     "Prints the chunk tree of any IFF file, one line per chunk. A FILE that is\n"
     "not a regular file is refused unopened.\n"},
};

bool AsksForHelp(const std::vector<std::string>& arguments)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--help" || arguments[i] == "-h")
            return true;
    }
    return false;
}

// As zip does: a FILE with an extension is taken as given, one without gets the mod's.
bool HasExtension(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    return dot != std::string::npos && dot > nameStart;
}

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
    for (const SVerbHelp& help : kVerbHelp) {
        if (command == help.verb && AsksForHelp(arguments))
            return VerbHelp(help.text);
    }
    if (command == "dump")
        return Dump(arguments);
    if (command == "pack")
        return Pack(arguments, EPackMode::kPack);
    if (command == "check")
        return Pack(arguments, EPackMode::kCheck);
    if (command == "list")
        return List(arguments);
    if (command == "unpack")
        return Unpack(arguments);
    return Usage("unknown command '" + command + "'");
}

int CCommandLine::Usage(const std::string& problem)
{
    mErr << kProgramName << ": " << problem << "\n"
         << "Try '" << kProgramName << " --help' for more information.\n";
    return kUsage;
}

int CCommandLine::Fail(const std::string& file, const std::string& problem)
{
    mErr << kProgramName << ": " << file << ": " << problem << "\n";
    return kFailed;
}

int CCommandLine::Help()
{
    mOut << kHelpText << kExitStatusText;
    return kDone;
}

int CCommandLine::VerbHelp(const char* text)
{
    mOut << text << kExitStatusText;
    return kDone;
}

int CCommandLine::Version()
{
    char text[32] = {};
    GetProgramVersion().Format(text, CVersion::kShortWithStage);
    mOut << kProgramName << " " << text << "\n";
    return kDone;
}

int CCommandLine::Dump(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2)
        return Usage("dump needs exactly one FILE");
    const std::string& path = arguments[1];
    if (IsNoRegularFile(path))
        return Fail(path, kNotARegularFile);
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
        return Fail(path, DescribeFailure(failure, kNotAChunkTree));
    }
    mOut << text.GetBytes();
    return kDone;
}

int CCommandLine::Pack(const std::vector<std::string>& arguments, EPackMode mode)
{
    std::string folderArgument;
    std::optional<std::string> targetArgument;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && mode == EPackMode::kPack && i + 1 < arguments.size() && !targetArgument)
            targetArgument = arguments[++i];
        else if (folderArgument.empty() && !arguments[i].empty() && arguments[i][0] != '-')
            folderArgument = arguments[i];
        else
            return Usage("unexpected argument '" + arguments[i] + "'");
    }
    if (folderArgument.empty())
        return Usage(arguments[0] + " needs a FOLDER");
    if (targetArgument && targetArgument->empty())
        return Usage("-o needs a FILE name, not an empty one");

    std::unique_ptr<CDirSpec> source;
    std::unique_ptr<CFileSpec> target;
    const int status = MakePackPaths(folderArgument, targetArgument, source, target);
    return status != kDone ? status : RunPack(*source, *target, mode);
}

int CCommandLine::MakePackPaths(const std::string& folderArgument, const std::optional<std::string>& targetArgument,
                                std::unique_ptr<CDirSpec>& source, std::unique_ptr<CFileSpec>& target)
{
    // The desktop program receives folders as absolute paths; so does the run here.
    const std::string folderPath = SystemPath::MakeAbsolute(folderArgument);
    try {
        source = std::make_unique<CDirSpec>(folderPath.c_str());
    } catch (const XBase& failure) {
        return Fail(folderArgument, DescribeFailure(failure, "cannot be handled"));
    }
    if (!SystemPath::IsDirectory(folderPath))
        return Fail(folderArgument, "not a folder");
    const std::string folderName = GetFolderName(*source);
    if (!targetArgument && folderName.empty())
        return Usage("the folder '" + folderArgument + "' has no name to give its mod file; name the file with -o FILE");
    if (targetArgument && (targetArgument->back() == '/' || SystemPath::IsDirectory(*targetArgument)))
        return Usage("-o names a folder, not a FILE: '" + *targetArgument + "'");

    std::string targetPath = SystemPath::MakeAbsolute(targetArgument ? *targetArgument : folderName);
    if (!targetArgument || !HasExtension(targetPath))
        targetPath += kModExtension;
    try {
        target = std::make_unique<CFileSpec>(targetPath.c_str());
    } catch (const XBase& failure) {
        return Fail(targetPath, DescribeFailure(failure, "cannot be handled"));
    }
    return kDone;
}

int CCommandLine::RunPack(const CDirSpec& source, const CFileSpec& target, EPackMode mode)
{
    CTerminalPackUI ui(mOut);
    CModPacker packer(ui);
    ui.LogLine(("Source: " + GetFolderName(source)).c_str());
    try {
        if (mode == EPackMode::kPack)
            packer.PackFolder(source, target);
        else
            packer.CheckFolder(source, target);
    } catch (const XBase& failure) {
        // The alert says what is missing; the other failures are told by their class.
        if (!ui.GetStopMessage().empty())
            return Fail(packer.GetCurrentFile(), ui.GetStopMessage());
        const bool targetFailed = packer.GetCurrentFile() == target.GetFullPath();
        const std::string problem = targetFailed && dynamic_cast<const XTooLarge*>(&failure)
            ? "the mod would grow past the mod format's 2 GiB limit"
            : DescribeFailure(failure, "cannot be handled");
        return Fail(packer.GetCurrentFile(), problem + "; run abandoned");
    }
    return kDone;
}

int CCommandLine::List(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2)
        return Usage("list needs exactly one FILE.tdm");
    const std::string& path = arguments[1];
    if (IsNoRegularFile(path))
        return Fail(path, kNotARegularFile);
    try {
        COpenFile file(path.c_str());
        if (CModReader::IsAbandoned(file))
            return Fail(path, std::string(kNotAModFile) + " (its packing was abandoned)");
        CModReader reader(file);
        WriteModListing(reader, mOut);
    } catch (const XBase& failure) {
        return Fail(path, DescribeFailure(failure, kNotAModFile));
    }
    return kDone;
}

int CCommandLine::Unpack(const std::vector<std::string>& arguments)
{
    std::vector<std::string> paths;
    bool force = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--force")
            force = true;
        else
            paths.push_back(arguments[i]);
    }
    if (paths.size() != 2)
        return Usage("unpack needs FILE.tdm and DIR");
    const std::string& path = paths[0];
    if (IsNoRegularFile(path))
        return Fail(path, kNotARegularFile);
    try {
        COpenFile file(path.c_str());
        if (CModReader::IsAbandoned(file))
            return Fail(path, std::string(kNotAModFile) + " (its packing was abandoned)");
        CModReader reader(file);
        CModUnpacker unpacker(reader, path, force ? CModUnpacker::EOverwrite::kReplace : CModUnpacker::EOverwrite::kKeep);
        return UnpackChecked(unpacker, path, paths[1]);
    } catch (const XBase& failure) {
        return Fail(path, DescribeFailure(failure, kNotAModFile));
    }
}

// Every problem the check finds gets its line; a failure while writing names the
// path at fault, the mod or an output file.
int CCommandLine::UnpackChecked(CModUnpacker& unpacker, const std::string& modPath, const std::string& folder)
{
    const std::vector<std::string> problems = unpacker.Check(folder);
    if (!problems.empty()) {
        for (const std::string& problem : problems)
            mErr << kProgramName << ": " << problem << "\n";
        return Fail(modPath, "nothing unpacked");
    }
    try {
        unpacker.Unpack(folder, mOut);
    } catch (const XBase& failure) {
        return Fail(unpacker.GetFailedPath(), std::string(DescribeFailure(failure, kNotAModFile)) + "; nothing unpacked");
    }
    return kDone;
}
