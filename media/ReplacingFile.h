#pragma once

#include "media/OpenFile.h"

#include <string>

// A new file that takes the place of another only once it is complete. It is
// written under a new, unique name beside its target: hidden, made from the
// target's name and ending in the target's extension. Commit then renames it
// over the target in one step, so the target is always either what it was or
// the whole new file. A replacement that is not committed is removed with its
// object, however the work ended; a process killed outright leaves only the
// hidden file, never a part of one under the target's name.
class CReplacingFile : public COpenFile {
public:
    // Makes the new file for writing; XCreateFailed when it cannot be made in the
    // target's folder, or when the target is a folder.
    explicit CReplacingFile(const std::string& targetPath);
    ~CReplacingFile() override;

    // Closes the new file and renames it over the target; a link at the target is
    // itself replaced, not followed. XWrite when the system reports that written
    // data may have been lost, XFile when the rename fails; the new file is
    // removed in both cases and the target stays as it was.
    void Commit();

    // The new file's path while it is not committed; empty afterwards.
    const std::string& GetTemporaryPath() const { return mTemporaryPath; }

private:
    struct SNewFile {
        std::string path;
        int handle;
    };
    static SNewFile CreateBeside(const std::string& targetPath);
    CReplacingFile(const std::string& targetPath, const SNewFile& made);
    void RemoveTemporary();

    std::string mTargetPath;
    std::string mTemporaryPath;
};
