// The main of the framework suites that open windows: Qt's offscreen platform
// unless the caller chose another, the program's resources, and the port and
// the framework's window procedure started once for the whole run.
#include "platform/WindowPort.h"
#include "rc/ProgramResources.h"
#include "ui/WindowProcedure.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    InstallProgramResources();
    static char name[] = "modstower-ui-tests";
    static char* portArgv[] = {name, nullptr};
    static int portArgc = 1;
    WindowPort::Initialise(portArgc, portArgv);
    InstallWindowProcedure();
    const int result = RUN_ALL_TESTS();
    WindowPort::Shutdown();
    return result;
}
