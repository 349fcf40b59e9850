#include "app/TerminalPackUI.h"

#include <ostream>

CTerminalPackUI::CTerminalPackUI(std::ostream& out)
    : mOut(out)
{
}

void CTerminalPackUI::LogLine(const char* text)
{
    // Flushed line by line, so a script reading the pipe sees the run as it goes.
    mOut << text << '\n' << std::flush;
}

void CTerminalPackUI::StopAlert(const char* markup)
{
    mStopMessage = GetAlertMessage(markup);
}

std::string GetAlertMessage(const char* markup)
{
    std::string text = markup;
    if (!text.empty() && text.front() == '[') {
        const size_t kindEnd = text.find(']');
        text.erase(0, kindEnd == std::string::npos ? text.size() : kindEnd + 1);
    }
    const size_t buttons = text.find('[');
    if (buttons != std::string::npos)
        text.erase(buttons);
    return text;
}
