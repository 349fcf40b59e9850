#include "tests/app/ChildRun.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

// The exit status of a child whose work threw.
constexpr int kWorkThrew = 70;
constexpr unsigned kLongestChildSeconds = 60;

void WriteAll(int handle, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t now = write(handle, bytes.data() + done, bytes.size() - done);
        if (now <= 0)
            _exit(kWorkThrew);
        done += static_cast<size_t>(now);
    }
}

bool WriteText(const char* path, const std::string& text)
{
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file.flush());
}

} // namespace

CChildRun::CChildRun(const std::function<int(CChildRun&)>& work)
{
    int fromChild[2];
    int toChild[2];
    if (pipe2(fromChild, O_CLOEXEC) != 0 || pipe2(toChild, O_CLOEXEC) != 0)
        std::abort();
    mChild = fork();
    if (mChild < 0)
        std::abort();
    if (mChild == 0) {
        close(fromChild[0]);
        close(toChild[1]);
        mFromChild = toChild[0];
        mToChild = fromChild[1];
        int status = kWorkThrew;
        try {
            status = work(*this);
        } catch (...) {
        }
        // Nothing of the parent's (its test framework, its buffers) runs twice.
        _exit(status);
    }
    close(fromChild[1]);
    close(toChild[0]);
    mFromChild = fromChild[0];
    mToChild = toChild[1];
    alarm(kLongestChildSeconds);
}

CChildRun::~CChildRun()
{
    if (mChild > 0) {
        kill(mChild, SIGKILL);
        waitpid(mChild, nullptr, 0);
        alarm(0);
    }
    close(mFromChild);
    close(mToChild);
}

void CChildRun::Send(const std::string& line)
{
    WriteAll(mToChild, line + "\n");
}

void CChildRun::WaitForParent()
{
    char go = 0;
    if (read(mFromChild, &go, 1) != 1)
        _exit(kWorkThrew);
}

bool CChildRun::ReadLine()
{
    size_t end = mPending.find('\n');
    while (end == std::string::npos) {
        char buffer[4096];
        const ssize_t now = read(mFromChild, buffer, sizeof buffer);
        if (now <= 0)
            return false;
        mPending.append(buffer, static_cast<size_t>(now));
        end = mPending.find('\n');
    }
    mLines.push_back(mPending.substr(0, end));
    mPending.erase(0, end + 1);
    return true;
}

bool CChildRun::ReadUntil(const std::string& line)
{
    while (ReadLine()) {
        if (mLines.back() == line)
            return true;
    }
    return false;
}

void CChildRun::Resume()
{
    WriteAll(mToChild, "g");
}

void CChildRun::Kill()
{
    kill(mChild, SIGKILL);
}

int CChildRun::Finish()
{
    while (ReadLine()) {
    }
    int status = 0;
    waitpid(mChild, &status, 0);
    alarm(0);
    mChild = -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

CChildPackUI::CChildPackUI(CChildRun& child, std::string pauseAfter)
    : mChild(child)
    , mPauseAfter(std::move(pauseAfter))
{
}

void CChildPackUI::LogLine(const char* text)
{
    mChild.Send(text);
    if (!mPauseAfter.empty() && text == mPauseAfter)
        mChild.WaitForParent();
}

void CChildPackUI::StopAlert(const char* markup)
{
    mChild.Send(std::string("alert: ") + markup);
}

bool DropRootRights()
{
    if (geteuid() != 0)
        return true;
    constexpr uid_t kNobody = 65534;
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 && geteuid() == kNobody;
}

bool MountSmallFileSystem(const std::string& folder, int bytes)
{
    if (geteuid() == 0) {
        if (unshare(CLONE_NEWNS) != 0)
            return false;
    } else {
        // Without root, a user namespace of its own gives the right to mount.
        const uid_t user = geteuid();
        const gid_t group = getegid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !WriteText("/proc/self/setgroups", "deny")
            || !WriteText("/proc/self/uid_map", "0 " + std::to_string(user) + " 1")
            || !WriteText("/proc/self/gid_map", "0 " + std::to_string(group) + " 1"))
            return false;
    }
    // Private, so that the mount is not seen outside this process.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    const std::string options = "size=" + std::to_string(bytes);
    return mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}
