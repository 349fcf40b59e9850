#pragma once

#include "app/ModPacker.h"
#include "app/PackUserInterface.h"
#include "ui/Application.h"

#include <memory>

class CLengthyOperation;
class COutputWindow;
class XBase;

// The desktop program: refuses to run without a folder, and for each folder
// opens a log window, asks where to save the mod and packs it, the log window
// standing in as the pack run's user interface.
class CModStower : public CApplication, public CPackUserInterface {
public:
    explicit CModStower(const CApplicationStartup& startup);
    ~CModStower() override;

    // The sample work buffers, the platform check and the splash picture.
    void StartUp() override;
    void ShutDown() override;
    // A log window, the save dialog and the pack run. A folder (or file) that
    // arrives while a run is under way, dropped on a window and handed over by
    // the log's event dispatch, is refused with a line in the running log: one
    // run at a time, and the user sees why the drop did nothing.
    void OpenFolder(const CDirSpec& folder) override;
    void OpenFile(const CFileSpec& file, const CUnknownFileType& type, int32_t flag) override;
    void NothingToOpen() override;

    // Packs into `target` through the shared pack run.
    void PackFolder(const CDirSpec& folder, const CFileSpec& target);
    // Appends to the log window, draws it, and keeps the windows alive.
    void LogLine(const char* text) override;
    void SetLogTitle(const char* text) override;
    void BeginBusy() override;
    void AdvanceBusy() override;
    void EndBusy() override;
    void StopAlert(const char* markup) override;

    COutputWindow* GetLogWindow() const { return mLogWindow; }
    // From a log window's destructor: forgets it when it is the current one.
    void LogWindowGone(const COutputWindow* window);
    // From the log window's opening to its marking as done.
    bool IsRunUnderWay() const { return mRunUnderWay; }

private:
    void SaveAndPack(const CDirSpec& folder);
    void ShowAbandonedAlert(const XBase& failure, const CDirSpec& folder);
    void RefuseWhileBusy(const std::string& name);

    COutputWindow* mLogWindow = nullptr; // in the framework's window list, which deletes it
    CModPacker mPacker{*this};
    std::unique_ptr<CLengthyOperation> mBusy;
    bool mRunUnderWay = false;
    bool mAlertShown = false;
};

// The program's start function for the framework's entry point.
void StartModStower(CApplicationStartup& startup);
