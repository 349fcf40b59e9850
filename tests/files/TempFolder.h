#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A private folder for one test, removed with everything in it at the end. Path()
// ends in '/'; it is empty when the folder could not be made.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "files-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            mPath = pattern + "/";
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!mPath.empty())
            std::filesystem::remove_all(mPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return mPath; }
    std::string operator/(const std::string& name) const { return mPath + name; }
    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(mPath + name, std::ios::binary) << bytes;
    }

private:
    std::string mPath;
};
