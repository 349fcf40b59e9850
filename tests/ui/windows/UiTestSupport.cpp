#include "tests/ui/windows/UiTestSupport.h"

#include "files/DirSpec.h"
#include "files/FileSpec.h"

namespace {

CApplicationStartup TestStartup(const std::string& commandLine)
{
    static char name[] = "modstower-ui-tests";
    static char* argv[] = {name, nullptr};
    CApplicationStartup startup = MakeApplicationStartup(1, argv);
    startup.name = "Framework Test";
    startup.commandLine = commandLine;
    return startup;
}

} // namespace

CTestApplication::CTestApplication(const std::string& commandLine)
    : CApplication(TestStartup(commandLine))
{
}

void CTestApplication::Idle()
{
    ++idlePasses;
    if (onIdle)
        onIdle();
    CApplication::Idle();
}

void CTestApplication::OpenFolder(const CDirSpec& folder)
{
    opened.push_back(std::string("folder:") + folder.GetPath());
}

void CTestApplication::OpenFile(const CFileSpec& file, const CUnknownFileType& type, int32_t flag)
{
    opened.push_back("file:" + file.GetFullPath() + " " + type.GetText() + " " + std::to_string(flag));
}

void CTestApplication::NothingToOpen()
{
    ++nothingToOpenCalls;
    if (nothingToOpen)
        nothingToOpen();
    else
        QuitNow();
}

void CTestApplication::StartUp()
{
    if (startUp)
        startUp();
}

void RunInApplication(const std::function<void(CTestApplication&)>& body)
{
    CTestApplication application;
    application.startUp = [&] { body(application); };
    application.Run();
}

bool PumpUntil(CApplication& application, const std::function<bool()>& done, uint32_t milliseconds)
{
    const uint32_t start = WindowPort::GetTickCount();
    while (!done()) {
        if (WindowPort::GetTickCount() - start >= milliseconds)
            return false;
        WindowPort::SMessage message;
        // The idle timers keep messages coming, so the wait is never long.
        if (WindowPort::GetMessage(message))
            application.DispatchOne(message);
    }
    return true;
}
