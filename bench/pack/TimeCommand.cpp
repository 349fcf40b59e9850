// Times one run of a command for the pack benchmark:
//
//   bench_pack_time COMMAND [ARGUMENT...]
//
// prints "WALL_US CPU_US PEAK_RSS_KIB" on one line: the wall-clock time from
// just before the command starts to just after it ends, its CPU time (user and
// system, its own children included) and its peak resident set, all as the
// kernel reports them to wait4, at microsecond resolution. The command's own
// output goes to /dev/null; a command that fails makes this fail too, since its
// time would mean nothing.
#include <cerrno>
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long Microseconds(const timeval& time)
{
    return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
}

long long MonotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// In the child: output to /dev/null, then the command in place of this program.
[[noreturn]] void RunCommand(char** command)
{
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0)
        _exit(126);
    execvp(command[0], command);
    _exit(127);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_pack_time COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const long long start = MonotonicMicroseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("bench_pack_time: fork");
        return 1;
    }
    if (child == 0)
        RunCommand(argv + 1);

    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    do
        waited = wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    const long long end = MonotonicMicroseconds();
    if (waited < 0) {
        std::perror("bench_pack_time: wait4");
        return 1;
    }
    if (WIFSIGNALED(status)) {
        std::fprintf(stderr, "bench_pack_time: '%s' killed by signal %d\n", argv[1], WTERMSIG(status));
        return 1;
    }
    if (WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_pack_time: '%s' failed with status %d\n", argv[1], WEXITSTATUS(status));
        return 1;
    }
    // wait4 reports the child and every descendant it waited for.
    const long long cpu = Microseconds(usage.ru_utime) + Microseconds(usage.ru_stime);
    std::printf("%lld %lld %ld\n", end - start, cpu, usage.ru_maxrss);
    return 0;
}
