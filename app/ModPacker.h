#pragma once

#include <string>

class CDirSpec;
class CFileSpec;
class CPackUserInterface;

// The packer: turns a folder of mod components into one mod file, telling its
// user interface every decision as a log line.
class CModPacker {
public:
    // `ui` is not owned and must outlive the packer.
    explicit CModPacker(CPackUserInterface& ui);

    // Packs `source` into `target`, replacing an existing file once the mod is
    // complete. A failure that abandons the run leaves as an XBase exception; the
    // target then stays exactly as it was, and nothing of the run is left.
    void PackFolder(const CDirSpec& source, const CFileSpec& target);
    // The same run, with every decision and log line, but no file written: the
    // target names the mod in the log only.
    void CheckFolder(const CDirSpec& source, const CFileSpec& target);

    void LogLine(const char* text);
    void SetLogTitle(const char* text);

    // The file the last run was working on when it ended: the one to name when
    // it was abandoned.
    const std::string& GetCurrentFile() const { return mCurrentFile; }

private:
    friend class CPackRun;

    CPackUserInterface& mUI;
    std::string mCurrentFile;
};

// The name of a folder as the log shows it: the last component of its path.
std::string GetFolderName(const CDirSpec& folder);
