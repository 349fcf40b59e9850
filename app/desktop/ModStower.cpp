#include "app/desktop/ModStower.h"

#include "app/FailureText.h"
#include "app/ModConstants.h"
#include "app/TextFormat.h"
#include "app/desktop/OutputWindow.h"
#include "audio/FrameReader.h"
#include "files/DirSpec.h"
#include "files/FileSpec.h"
#include "files/FileTypeDescriptor.h"
#include "files/OSVersion.h"
#include "media/XBase.h"
#include "platform/WindowPort.h"
#include "resources/TextNumber.h"
#include "ui/AlertBox.h"
#include "ui/ApplicationStartup.h"
#include "ui/FileDialogs.h"
#include "ui/LengthyOperation.h"
#include "ui/SplashScreen.h"
#include "ui/TerminalView.h"
#include "ui/WindowList.h"

namespace {

constexpr const char* kApplicationName = "ModStower";
constexpr const char* kLogWindowTitle = "ModStower log";
constexpr const char* kSavePrompt = "Save mod as:";
// The run's own alerts name what stopped it; this one speaks for the failures
// that have none, so the log's disappearance is never the only sign.
constexpr const char* kAbandonedAlert = "[STOP]The mod was not packed: \"^0\" ^1.[Quit]";

// The application's alert script: "Drop a folder ..." and "system too old".
constexpr uint16_t kAlertScriptId = 128;
constexpr uint32_t kNoFolderAlertIndex = 1;
constexpr uint32_t kTooOldAlertIndex = 34;

constexpr int32_t kSplashPicture = 900;
constexpr uint32_t kSplashTicks = 120;

const CFileTypeDescriptor kModFileType(kModDescription, kModExtension, kModTypeCode);

// The last component of a path, for an alert's 64-character parameter. A
// folder's path ends in a slash; its name is the component before it.
std::string LastComponent(const std::string& path)
{
    const size_t end = path.find_last_not_of('/');
    if (end == std::string::npos)
        return path;
    const size_t slash = path.find_last_of('/', end);
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(start, end + 1 - start);
}

} // namespace

CModStower::CModStower(const CApplicationStartup& startup)
    : CApplication(startup)
{
}

CModStower::~CModStower() = default;

void CModStower::StartUp()
{
    CApplication::StartUp();
    MakeScratchBuffers();
    try {
        try {
            CheckOSVersion();
        } catch (const ZOS_TOO_OLD_EXCEPTION&) {
            ShowAlert(MakeTextNumber(kAlertScriptId, kTooOldAlertIndex));
            throw;
        }
        // The splash's destructor waits out its minimum time.
        const CSplashScreen splash(kSplashPicture, kSplashTicks);
    } catch (...) {
        // ShutDown never runs after a failed start-up.
        FreeScratchBuffers();
        throw;
    }
}

void CModStower::ShutDown()
{
    FreeScratchBuffers();
}

void CModStower::OpenFolder(const CDirSpec& folder)
{
    if (mRunUnderWay) {
        RefuseWhileBusy(GetFolderName(folder));
        return;
    }
    // After a cancelled dialog or an abandoned run the program is on its way
    // out: the folders after it on the command line are not opened.
    if (GetLoopState() != ELoopState::kRunning)
        return;
    mRunUnderWay = true;
    uint64_t serial = 0;
    try {
        mLogWindow = new COutputWindow(kLogWindowTitle);
        serial = mLogWindow->GetSerial();
        LogLine(FormatText("Source: %s", GetFolderName(folder).c_str()).c_str());
        SaveAndPack(folder);
    } catch (const XBase&) {
        Quit();
    }
    // Looked up by serial: the platform may have taken the window away meanwhile.
    if (serial != 0 && CWindowList::ContainsSerial(serial))
        mLogWindow->SetDone();
    mRunUnderWay = false;
}

void CModStower::OpenFile(const CFileSpec& file, const CUnknownFileType& /*type*/, int32_t /*flag*/)
{
    if (mRunUnderWay) {
        RefuseWhileBusy(file.GetFileName());
        return;
    }
    NothingToOpen();
}

void CModStower::NothingToOpen()
{
    ShowAlert(MakeTextNumber(kAlertScriptId, kNoFolderAlertIndex));
    Quit();
}

void CModStower::SaveAndPack(const CDirSpec& folder)
{
    try {
        const std::string defaultName = GetFolderName(folder) + kModExtension;
        std::unique_ptr<CFileSpec> target;
        if (!AskSaveFileOfType(kSavePrompt, defaultName.c_str(), kModFileType, target)) {
            Quit();
            return;
        }
        PackFolder(folder, *target);
    } catch (const XBase& failure) {
        ShowAbandonedAlert(failure, folder);
        Quit();
    }
}

void CModStower::PackFolder(const CDirSpec& folder, const CFileSpec& target)
{
    mAlertShown = false;
    mPacker.PackFolder(folder, target);
}

void CModStower::ShowAbandonedAlert(const XBase& failure, const CDirSpec& folder)
{
    if (mAlertShown)
        return;
    const std::string& file = mPacker.GetCurrentFile();
    int32_t result = CAlertBox::kNoButton;
    auto* alert = new CAlertBox(kAbandonedAlert, &result);
    alert->AddParameter(LastComponent(file.empty() ? GetFolderName(folder) : file));
    alert->AddParameter(DescribeFailure(failure, "cannot be handled"));
    try {
        alert->CentreOnScreen();
        RunModal(*alert);
    } catch (...) {
        alert->Destroy();
        throw;
    }
}

void CModStower::RefuseWhileBusy(const std::string& name)
{
    LogLine(FormatText("- Not opened while packing: %s...", name.c_str()).c_str());
}

void CModStower::LogLine(const char* text)
{
    if (mLogWindow == nullptr)
        return;
    mLogWindow->GetTerminalView().AppendLine(text);
    UpdateAllWindows();
    ProcessPendingMessages();
}

void CModStower::SetLogTitle(const char* text)
{
    if (mLogWindow != nullptr)
        mLogWindow->SetTitle(text);
}

void CModStower::BeginBusy()
{
    mBusy = std::make_unique<CLengthyOperation>();
}

void CModStower::AdvanceBusy()
{
    if (mBusy)
        mBusy->SetProgress(0, 0);
}

void CModStower::EndBusy()
{
    mBusy.reset();
}

void CModStower::StopAlert(const char* markup)
{
    mAlertShown = true;
    ShowAlert(markup);
}

void CModStower::LogWindowGone(const COutputWindow* window)
{
    if (mLogWindow == window)
        mLogWindow = nullptr;
}

void StartModStower(CApplicationStartup& startup)
{
    startup.name = kApplicationName;
    const auto application = std::make_unique<CModStower>(startup);
    application->Run();
}
