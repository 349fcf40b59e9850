#pragma once

#include <ostream>
#include <streambuf>

// An output stream onto another. Bound for a terminal, it shows each control byte
// but the line feed (0x01 to 0x1F and 0x7F) as '?', as `ls` shows names on a
// terminal: a name from a folder or a mod can then neither send the terminal
// escape sequences nor make one line look like two. Bound for anything else it
// passes every byte through as it is.
class CTerminalStream : public std::ostream {
public:
    enum class EDestination { kTerminal, kOther };

    CTerminalStream(std::ostream& target, EDestination destination);

private:
    class CFilter : public std::streambuf {
    public:
        explicit CFilter(std::streambuf* target) : mTarget(target) {}

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;
        int sync() override;

    private:
        std::streambuf* mTarget; // the target stream's, not owned
    };

    CFilter mFilter;
};
