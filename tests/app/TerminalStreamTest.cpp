#include "app/TerminalStream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

TEST(TerminalStream, ControlBytesButTheLineFeedShowAsQuestionMarksOnATerminal)
{
    std::string every, shown;
    for (int byte = 1; byte < 256; ++byte) {
        every += char(byte);
        shown += (byte < 0x20 && byte != '\n') || byte == 0x7F ? '?' : char(byte);
    }
    std::ostringstream terminal, other;
    CTerminalStream(terminal, CTerminalStream::EDestination::kTerminal) << every << 'x' << '\x1B' << std::flush;
    CTerminalStream(other, CTerminalStream::EDestination::kOther) << every << 'x' << '\x1B' << std::flush;
    EXPECT_EQ(terminal.str(), shown + "x?");
    EXPECT_EQ(other.str(), every + "x\x1B");
}
