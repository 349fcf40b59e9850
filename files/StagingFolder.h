#pragma once

#include <string>
#include <vector>

// Files written under private names into a folder made inside their destination,
// then moved into place together: all of them or none. A name in the destination
// is taken only while it is free or, when asked, replaced while it holds a regular
// file; a link, a folder or anything else found there is never followed or
// replaced. When placing fails, the destination is left as it was before.
class CStagingFolder {
public:
    enum class EReplace { kNothing, kRegularFiles };

    // Makes the private folder inside `destination`, which must exist; XWrite
    // when it cannot be made there.
    explicit CStagingFolder(const std::string& destination);
    // Removes the private folder with whatever it still holds: files that were
    // not placed, and the files the placed ones replaced (unless one of those
    // could not be put back after a failure: then the folder stays, holding it).
    ~CStagingFolder();

    CStagingFolder(const CStagingFolder&) = delete;
    CStagingFolder& operator=(const CStagingFolder&) = delete;

    // The path at which to write the file that is to take `name`, a plain file
    // name, in the destination.
    std::string Add(const std::string& name);
    // Moves every added file into place. When one cannot be placed, those placed
    // already are taken back, what they replaced is put back, XCreateFailed is
    // thrown and GetFailedPath() names the destination path at fault.
    void Commit(EReplace replace);
    const std::string& GetFailedPath() const { return mFailedPath; }

private:
    struct SFile {
        std::string name;
        bool placed = false;
        bool replaced = false;
    };

    std::string Target(size_t index) const;
    std::string Staged(size_t index) const;
    std::string Aside(size_t index) const;
    void Place(size_t index, EReplace replace);
    void MoveAside(size_t index);
    void TakeBack(size_t index);
    [[noreturn]] void Fail(size_t index);

    std::string mDestination; // ends in '/'
    std::string mPath;        // the private folder; ends in '/'
    std::vector<SFile> mFiles;
    std::string mFailedPath;
    bool mHoldsAReplacedFile = false; // one that could not be put back: keep the folder
};
