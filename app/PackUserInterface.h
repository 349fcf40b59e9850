#pragma once

// What a pack run needs of its user interface: the desktop program answers with
// its log window, the terminal program with standard output and error.
class CPackUserInterface {
public:
    virtual ~CPackUserInterface() = default;

    // Appends one line to the log.
    virtual void LogLine(const char* text) = 0;
    // Replaces the log's title.
    virtual void SetLogTitle(const char* text) = 0;
    // The busy indication: begun at the start of a run, advanced once per handled
    // entry, ended when the run ends, however it ends.
    virtual void BeginBusy() = 0;
    virtual void AdvanceBusy() = 0;
    virtual void EndBusy() = 0;
    // A modal STOP alert in the bracket markup, "[STOP]message[Quit]"; returns
    // when the user has dismissed it.
    virtual void StopAlert(const char* markup) = 0;
};
