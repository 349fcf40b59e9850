// modstower-cli: the pack run and its companions for terminals and scripts.
#include "app/CommandLine.h"
#include "app/TerminalStream.h"
#include "audio/FrameReader.h"
#include "media/XBase.h"
#include "platform/system/SystemMemory.h"
#include "platform/system/SystemTerminal.h"
#include "rc/ProgramResources.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

CTerminalStream::EDestination Destination(bool isTerminal)
{
    return isTerminal ? CTerminalStream::EDestination::kTerminal : CTerminalStream::EDestination::kOther;
}

} // namespace

int main(int argc, char** argv)
{
    InstallOutOfMemoryHandler();
    SystemMemory::KeepFreedMemory();
    InstallProgramResources();
    const CScratchBuffers scratchBuffers;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Names print as `ls` prints them: control bytes as '?' on a terminal only.
    CTerminalStream out(std::cout, Destination(SystemTerminal::IsStandardOutputATerminal()));
    CTerminalStream err(std::cerr, Destination(SystemTerminal::IsStandardErrorATerminal()));
    CCommandLine commandLine(out, err);
    const int status = commandLine.Run(arguments);
    out.flush();
    err.flush();
    return status;
}
