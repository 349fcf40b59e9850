// What the framework's idle work costs while nothing happens: five document
// windows open, the idle timers at 50 ms (each window's and the application's,
// so six idle passes per interval), the loop running for some seconds. The
// figure is the process's CPU time over the wall time, as a share of one core.
//
//   bench_idle [SECONDS]      (default 10; the offscreen platform unless
//                              QT_QPA_PLATFORM says otherwise)
#include "platform/WindowPort.h"
#include "rc/ProgramResources.h"
#include "ui/Application.h"
#include "ui/ApplicationStartup.h"
#include "ui/DocumentWindow.h"
#include "ui/View.h"
#include "ui/WindowProcedure.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kWindows = 5;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double WallSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

class CIdleBenchmark : public CApplication {
public:
    CIdleBenchmark(const CApplicationStartup& startup, double seconds) : CApplication(startup), mSeconds(seconds) {}

    void StartUp() override
    {
        // The pointer rests over the first window's views, so every pass finds a
        // view under it and lets it set the cursor, as with a user at rest.
        const WindowPort::SPoint pointer = WindowPort::GetCursorPosition();
        for (int i = 0; i < kWindows; ++i) {
            auto window = std::make_unique<CDocumentWindow>(2, "idle " + std::to_string(i + 1));
            const int32_t left = pointer.x - 100 + 30 * i;
            const int32_t top = pointer.y - 100 + 30 * i;
            window->Open({left, top, left + 360, top + 400});
            mWindows.push_back(std::move(window));
        }
        // Let the windows show and paint before the clock starts.
        for (int i = 0; i < 20; ++i)
            ProcessPendingMessages();
        mStartWall = WallSeconds();
        mStartCpu = CpuSeconds();
    }
    void NothingToOpen() override {}
    void Idle() override
    {
        ++mPasses;
        CApplication::Idle();
        if (WallSeconds() - mStartWall >= mSeconds) {
            mPointerOverView = CView::GetViewUnderMouse() != nullptr;
            mCpu = CpuSeconds() - mStartCpu;
            mWall = WallSeconds() - mStartWall;
            QuitNow();
        }
    }
    void ShutDown() override { mWindows.clear(); }

    void Report() const
    {
        const double share = 100.0 * mCpu / mWall;
        std::printf("idle at %u ms with %d windows: %.3f s CPU in %.2f s = %.2f%% of a core, %ld idle passes "
                    "(%.1f per interval)\n",
                    GetIdleInterval(), kWindows, mCpu, mWall, share, mPasses,
                    double(mPasses) * GetIdleInterval() / 1000.0 / mWall);
        std::printf("the pointer %s a view; %s\n", mPointerOverView ? "rests over" : "is not over",
                    share < 1.0 ? "within the 1% budget" : "OVER the 1% budget");
    }

private:
    double mSeconds;
    std::vector<std::unique_ptr<CDocumentWindow>> mWindows;
    double mStartWall = 0;
    double mStartCpu = 0;
    double mCpu = 0;
    double mWall = 0;
    long mPasses = 0;
    bool mPointerOverView = false;
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    InstallProgramResources();
    int portArgc = 1;
    WindowPort::Initialise(portArgc, argv);
    InstallWindowProcedure();
    {
        CIdleBenchmark application(MakeApplicationStartup(1, argv), seconds > 0 ? seconds : 10.0);
        application.Run();
        application.Report();
    }
    WindowPort::Shutdown();
    return 0;
}
