#pragma once

#include "app/PackUserInterface.h"
#include "tests/audio/AudioTestSupport.h"

#include <cstdint>
#include <string>
#include <vector>

// A pack run's user interface that remembers everything it was told.
class CRecordingPackUI : public CPackUserInterface {
public:
    void LogLine(const char* text) override { lines.push_back(text); }
    void SetLogTitle(const char* text) override { titles.push_back(text); }
    void BeginBusy() override { ++busyBegun; }
    void AdvanceBusy() override { ++busyAdvanced; }
    void EndBusy() override { ++busyEnded; }
    void StopAlert(const char* markup) override { alerts.push_back(markup); }

    std::vector<std::string> lines;
    std::vector<std::string> titles;
    std::vector<std::string> alerts;
    int busyBegun = 0;
    int busyAdvanced = 0;
    int busyEnded = 0;
};

// A private folder of components for one test, removed afterwards.
class CComponentFolder {
public:
    CComponentFolder();
    ~CComponentFolder();
    CComponentFolder(const CComponentFolder&) = delete;
    CComponentFolder& operator=(const CComponentFolder&) = delete;

    const std::string& GetPath() const { return mPath; } // ends in '/'
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;
    std::string MakeFolder(const std::string& name) const;

private:
    std::string mPath;
};

// Sample files built byte by byte: 16-bit frames of `channels` channels.
std::vector<uint8_t> MakeWaveFile(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate,
                                  uint16_t bits = 16, uint16_t formatCode = 1);
std::vector<uint8_t> MakeAiffFile(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate,
                                  uint16_t bits = 16);
// One of our JPEG files of that size.
std::vector<uint8_t> MakeJPEGFile(int width, int height, uint32_t seed = 1);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
// The names in a folder, "." and ".." left out, in byte order.
std::vector<std::string> ListFolder(const std::string& path);

// Ends the test process with SIGALRM when the test lasts longer than `seconds`:
// for the tests whose failure is to hang for ever.
class CHangGuard {
public:
    explicit CHangGuard(unsigned seconds);
    ~CHangGuard();
    CHangGuard(const CHangGuard&) = delete;
    CHangGuard& operator=(const CHangGuard&) = delete;
};

// Makes writing a file past `bytes` fail for its lifetime, so a write failure
// can be had on a real file.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(uint64_t bytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    uint64_t mOldSoft = 0;
    void (*mOldHandler)(int) = nullptr;
};
