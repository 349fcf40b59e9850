#pragma once

#include "ui/Application.h"
#include "ui/ApplicationStartup.h"

#include <functional>
#include <string>
#include <vector>

// An application whose hooks the test fills in. It records what it was asked
// to open and counts its idle passes.
class CTestApplication : public CApplication {
public:
    explicit CTestApplication(const std::string& commandLine = "");

    void Idle() override;
    void OpenFolder(const CDirSpec& folder) override;
    void OpenFile(const CFileSpec& file, const CUnknownFileType& type, int32_t flag) override;
    void NothingToOpen() override;
    void StartUp() override;

    std::function<void()> startUp;     // runs inside Run, before the command line
    std::function<void()> onIdle;      // runs at the start of every idle pass
    std::function<void()> nothingToOpen; // default: nothing
    std::vector<std::string> opened;   // "folder:PATH" or "file:PATH TYPE"
    int nothingToOpenCalls = 0;
    int idlePasses = 0;
};

// Runs `body` inside Run of a test application, which then ends without
// entering its loop unless the body asked for it.
void RunInApplication(const std::function<void(CTestApplication&)>& body);

// Takes and dispatches messages through the application until `done` answers
// true or `milliseconds` pass. True when `done` answered true.
bool PumpUntil(CApplication& application, const std::function<bool()>& done, uint32_t milliseconds = 5000);
