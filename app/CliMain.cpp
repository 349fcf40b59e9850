// modstower-cli: the pack run and its companions for terminals and scripts.
#include "app/CommandLine.h"
#include "audio/FrameReader.h"
#include "media/XBase.h"
#include "platform/system/SystemMemory.h"
#include "rc/ProgramResources.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    InstallOutOfMemoryHandler();
    SystemMemory::KeepFreedMemory();
    InstallProgramResources();
    const CScratchBuffers scratchBuffers;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CCommandLine commandLine(std::cout, std::cerr);
    return commandLine.Run(arguments);
}
