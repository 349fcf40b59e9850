#pragma once

#include "files/FileType.h"
#include "files/PathText.h"
#include "media/Media.h"

#include <cstdint>
#include <string>

struct CDirEntry;

// One file, named as folder, base name and extension. The folder keeps its
// trailing '/', the extension its leading dot; the full path is the three
// joined. A specification is a plain value: it holds no open handle.
//
// Paths are kept as given. The framework once replaced short aliases and wrong
// letter case by the names on disk; Linux names have no aliases and letter case
// is part of the name, so there is nothing to correct, and resolving links or
// "." would change which file a caller meant. A path the system could not take
// (over 4095 bytes, or a name in it over 255) is refused with XPathTooLong.
class CFileSpec : public CABCMediaSpec {
public:
    // The first four bytes of a flattened specification, big-endian.
    static constexpr uint32_t kFlatMagic = 0xF11E54EC;

    CFileSpec() = default;
    // Splits at the last '/' into folder (with the '/') and file name, and the file
    // name at its last dot into name and extension (with the dot). XBase when the
    // path has no '/', XPathTooLong when it is too long.
    explicit CFileSpec(const char* fullPath);
    // A folder without its trailing '/' gets one, so "/tmp" and "x" name /tmp/x.
    // XPathTooLong when the joined path is too long.
    CFileSpec(const char* directory, const char* name, const char* extension);
    // From a block made by Flatten: XBadFormat when the block is shorter than five
    // bytes, does not start with F1 1E 54 EC or has no terminating zero; then as
    // the full-path constructor. Never reads outside the `size` bytes.
    CFileSpec(const uint8_t* block, int32_t size);

    std::string GetFullPath() const;
    // Name and extension.
    std::string GetFileName() const;
    // The file name cut at its last dot.
    std::string GetBaseName() const;
    const char* GetDirectory() const { return mDirectory; }
    const char* GetName() const { return mName; }
    const char* GetExtension() const { return mExtension; }
    // XPathTooLong, leaving the specification as it was, when the path would grow too long.
    void SetExtension(const char* extension);

    // The full paths compared exactly: on Linux "Kick.aif" and "KICK.AIF" are two files.
    bool operator==(const CFileSpec& other) const;

    CUnknownFileType GetFileType() const { return CUnknownFileType(mExtension); }
    // True when a file (not a folder) is there; a link counts by its target, so a
    // dangling one is no file.
    bool Exists() const;
    // Opens the file and asks its size: XCreateFailed, XPosition as COpenFile does.
    int32_t GetSize() const;
    // XFile when the file cannot be removed.
    void Delete() const;
    // Replaces control characters (1..31) and * ? < > " | everywhere, and \ / : as
    // well in the name and the extension, with "_", so texts from elsewhere can
    // name a file safely.
    void MakeValid();

    // A new entry record for the file (the caller owns it); XFile when it is not there.
    CDirEntry* GetInfo() const;
    // Sets the file's last-write time from the entry (a time of 0 leaves it as it
    // is). The creation time cannot be set on Linux and is left to the file
    // system. Hidden means a name starting with "."; an entry whose hidden flag
    // disagrees with the file's name asks for a rename, which a specification
    // never does, so it is refused with XFile, as is a missing file.
    void SetInfo(const CDirEntry& entry) const;

    // A new COpenFile on the full path; the caller owns it.
    CMedia* OpenForReading() const override;
    CABCMediaSpec* Clone() const override;
    // A new block (the caller owns it, delete[]): F1 1E 54 EC, then the full path
    // and its terminating zero; `size` = path length + 5.
    uint8_t* Flatten(int32_t& size) const;

private:
    void SetFromFullPath(const char* fullPath);

    char mDirectory[PathText::kPathFieldSize] = {};
    char mName[PathText::kNameFieldSize] = {};
    char mExtension[PathText::kNameFieldSize] = {};
};
