#pragma once

#include "app/PackUserInterface.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Work done in a child process, for what a test cannot show in its own: a run
// killed outright, two runs at once, a run with fewer rights or in a private
// mount. The child tells its parent lines through a pipe and can stop until the
// parent lets it go on, so every step is ordered without any waiting by time.
class CChildRun {
public:
    // The exit status of a child that could not set up what the test needs (a
    // private mount, fewer rights): the test is then skipped, saying why.
    static constexpr int kCannotSetUp = 77;

    // Starts `work` in a child process; what it answers is the child's exit
    // status. An exception leaving `work` ends the child with status 70. A test
    // whose child has not ended within a minute ends by SIGALRM, failed, rather
    // than waiting for ever.
    explicit CChildRun(const std::function<int(CChildRun&)>& work);
    // Kills and reaps a child that is still running.
    ~CChildRun();
    CChildRun(const CChildRun&) = delete;
    CChildRun& operator=(const CChildRun&) = delete;

    // In the child: one line for the parent.
    void Send(const std::string& line);
    // In the child: stops until the parent calls Resume.
    void WaitForParent();

    // In the parent: reads the child's lines until `line` has come; false when
    // the child ended before sending it.
    bool ReadUntil(const std::string& line);
    void Resume();
    void Kill();
    // In the parent: reads every line left and reaps the child. Its exit status,
    // or 128 plus the number of the signal that ended it.
    int Finish();
    const std::vector<std::string>& GetLines() const { return mLines; }

private:
    bool ReadLine();

    pid_t mChild = -1;
    int mFromChild = -1;
    int mToChild = -1;
    std::string mPending;
    std::vector<std::string> mLines;
};

// A pack run's user interface in a child: every log line goes to the parent, and
// the run stops after the line `pauseAfter`, when one is given, until the parent
// resumes it.
class CChildPackUI : public CPackUserInterface {
public:
    CChildPackUI(CChildRun& child, std::string pauseAfter = {});

    void LogLine(const char* text) override;
    void SetLogTitle(const char*) override {}
    void BeginBusy() override {}
    void AdvanceBusy() override {}
    void EndBusy() override {}
    void StopAlert(const char* markup) override;

private:
    CChildRun& mChild;
    std::string mPauseAfter;
};

// In a child run as root: takes the rights of the user "nobody", so that file
// permissions count. True when the child may go on (it was no root, or now is
// none); false when the rights could not be given up.
bool DropRootRights();

// In a child: mounts a file system of `bytes` in memory at `folder`, seen by this
// process alone and gone with it. False when the system does not allow it.
bool MountSmallFileSystem(const std::string& folder, int bytes);
