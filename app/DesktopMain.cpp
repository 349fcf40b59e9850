// modstower: the desktop program. Folders named on the command line or dropped
// on its windows are packed, one after another.
#include "app/desktop/ModStower.h"
#include "platform/system/SystemMemory.h"
#include "rc/ProgramResources.h"
#include "ui/ApplicationMain.h"

int main(int argc, char** argv)
{
    SystemMemory::KeepFreedMemory();
    InstallProgramResources();
    return ApplicationMain(argc, argv, StartModStower);
}
