#pragma once

// Whether the program's standard streams go to a terminal.
namespace SystemTerminal {

bool IsStandardOutputATerminal();
bool IsStandardErrorATerminal();

} // namespace SystemTerminal
