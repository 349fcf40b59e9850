// The main of every suite that opens windows: Qt's offscreen platform unless the
// caller chose another, and the port started once for the whole run.

#include "platform/WindowPort.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    static char name[] = "modstower-tests";
    static char* portArgv[] = {name, nullptr};
    static int portArgc = 1;
    WindowPort::Initialise(portArgc, portArgv);
    const int result = RUN_ALL_TESTS();
    WindowPort::Shutdown();
    return result;
}
