#pragma once

#include <string>

class CDirSpec;

// A private folder for temporary files, made when first asked for and removed
// with everything in it when the object goes, however its owner's work ended.
class CTemporaryFolder {
public:
    explicit CTemporaryFolder(const char* prefix) : mPrefix(prefix) {}
    ~CTemporaryFolder();

    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    // The folder's path with its trailing '/'; XFile when it cannot be made.
    const std::string& GetPath();

private:
    std::string mPrefix;
    std::string mPath;
};
