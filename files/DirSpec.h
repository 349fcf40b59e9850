#pragma once

#include "files/PathText.h"

class CFileSpec;

// One folder, named by a path that always ends in '/'. A plain value like
// CFileSpec; paths are kept as given and refused (XPathTooLong) when the system
// could not take them: over 4095 bytes with the '/', or a name over 255.
class CDirSpec {
public:
    // Appends the '/' when missing, so "/tmp" and "/tmp/" give the same folder.
    // XBase for an empty path (which would otherwise turn into the root),
    // XPathTooLong for one too long.
    explicit CDirSpec(const char* path);

    const char* GetPath() const { return mPath; }

    // Appends the name and a '/', in place; XPathTooLong, leaving the path as it
    // was, when it would grow too long.
    void AppendFolder(const char* name);
    // Cuts the path after the '/' that precedes the last folder name, in place:
    // "/tmp/mods/" becomes "/tmp/". "/" and a relative path of one folder stay.
    void GoUp();
    // Creates the folder `name` inside this one and returns a new specification of
    // it (the caller owns it). XBase when the folder cannot be created, also when
    // it exists already.
    CDirSpec* CreateSubfolder(const char* name) const;
    // A new specification (the caller owns it) of `fileName` in this folder, split
    // at its last dot. XBase when the name holds a '/' or the path grows too long.
    CFileSpec* MakeFileSpec(const char* fileName) const;

    bool operator==(const CDirSpec& other) const;

    // Factories; each returns a new specification the caller owns.
    // The process's current folder; XBase when it cannot be found or is too long.
    static CDirSpec* GetCurrentDirectory();
    // The folder of a file specification.
    static CDirSpec* FromFile(const CFileSpec& file);
    // The operating system's own folder: "/usr/", which holds the installed system
    // since /bin and /lib moved into it. XBase when it is not a folder here.
    static CDirSpec* GetSystemDirectory();
    // Linux has one tree and no drive letters: every letter is refused with
    // XFile, the answer the framework gives for a drive that is not there. The
    // root of the tree is GetRootDirectory().
    static CDirSpec* GetDriveRoot(char letter);
    // "/".
    static CDirSpec* GetRootDirectory();

private:
    char mPath[PathText::kPathFieldSize] = {};
};
