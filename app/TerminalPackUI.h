#pragma once

#include "app/PackUserInterface.h"

#include <iosfwd>
#include <string>

// The pack run's user interface on a terminal: log lines on standard output,
// one per line, and the STOP alert's message on standard error. The title and
// the busy indication have no place on a terminal; the title is kept for callers.
class CTerminalPackUI : public CPackUserInterface {
public:
    CTerminalPackUI(std::ostream& out, std::ostream& err);

    void LogLine(const char* text) override;
    void SetLogTitle(const char* text) override { mTitle = text; }
    void BeginBusy() override {}
    void AdvanceBusy() override {}
    void EndBusy() override {}
    void StopAlert(const char* markup) override;

    const std::string& GetTitle() const { return mTitle; }
    bool AlertShown() const { return mAlertShown; }

private:
    std::ostream& mOut;
    std::ostream& mErr;
    std::string mTitle;
    bool mAlertShown = false;
};

// The message of an alert in bracket markup: "[STOP]message[Quit]" gives "message".
std::string GetAlertMessage(const char* markup);
