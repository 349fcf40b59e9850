#include "ui/ApplicationMain.h"

#include "media/XBase.h"
#include "platform/WindowPort.h"
#include "platform/system/EmbeddedResources.h"
#include "ui/ApplicationStartup.h"
#include "ui/WindowProcedure.h"

CApplicationStartup MakeApplicationStartup(int argc, char** argv)
{
    const std::string program = SystemModule::GetModulePath();
    if (program.empty())
        throw XBase();
    CApplicationStartup startup;
    startup.programFile = CFileSpec(program.c_str());
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            startup.commandLine += ' ';
        startup.commandLine += argv[i];
    }
    return startup;
}

int ApplicationMain(int argc, char** argv, ProgramStartFunction start)
{
    InstallOutOfMemoryHandler();
    WindowPort::Initialise(argc, argv);
    InstallWindowProcedure();
    int status = 0;
    try {
        CApplicationStartup startup = MakeApplicationStartup(argc, argv);
        start(startup);
    } catch (const XBase&) {
        // The program has shown what it had to say; it ends with the failure.
        status = 1;
    }
    WindowPort::Shutdown();
    return status;
}
