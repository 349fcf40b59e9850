#include "platform/system/SystemTerminal.h"

#include <unistd.h>

namespace SystemTerminal {

bool IsStandardOutputATerminal()
{
    return isatty(STDOUT_FILENO) == 1;
}

bool IsStandardErrorATerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

} // namespace SystemTerminal
