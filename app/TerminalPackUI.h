#pragma once

#include "app/PackUserInterface.h"

#include <iosfwd>
#include <string>

// The pack run's user interface on a terminal: log lines on standard output,
// one per line. The STOP alert's message is kept for the caller, which tells it
// on standard error in its one line about the run's end, naming the file at
// fault. The title and the busy indication have no place on a terminal; the
// title is kept for callers.
class CTerminalPackUI : public CPackUserInterface {
public:
    explicit CTerminalPackUI(std::ostream& out);

    void LogLine(const char* text) override;
    void SetLogTitle(const char* text) override { mTitle = text; }
    void BeginBusy() override {}
    void AdvanceBusy() override {}
    void EndBusy() override {}
    void StopAlert(const char* markup) override;

    const std::string& GetTitle() const { return mTitle; }
    // The message of the STOP alert the run showed; empty when it showed none.
    const std::string& GetStopMessage() const { return mStopMessage; }

private:
    std::ostream& mOut;
    std::string mTitle;
    std::string mStopMessage;
};

// The message of an alert in bracket markup: "[STOP]message[Quit]" gives "message".
std::string GetAlertMessage(const char* markup);
