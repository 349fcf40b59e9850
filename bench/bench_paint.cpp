// What a window costs to show: a repaint by the platform of an unchanged
// 360 x 400 window (the backing image copied, nothing of the framework's drawn),
// against a full redraw of the same window through a canvas, as a paint of the
// framework does it: erase, a frame and twenty lines of text.
#include "images/Canvas.h"
#include "platform/WindowPort.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int32_t kWidth = 360;
constexpr int32_t kHeight = 400;

WindowPort::WindowHandle MakeWindow()
{
    WindowPort::SWindowStyle style;
    const WindowPort::SFrameMetrics frame = WindowPort::GetFrameMetrics(style);
    const WindowPort::WindowHandle window = WindowPort::CreateWindow(
        style, "bench", {0, 0, kWidth + frame.left + frame.right, kHeight + frame.top + frame.bottom}, 0);
    WindowPort::Show(window);
    return window;
}

void DrainQueue()
{
    WindowPort::SMessage message;
    while (WindowPort::PeekMessage(message, WindowPort::ERemove::kYes)) {
    }
}

void BM_RepaintUnchanged(benchmark::State& state)
{
    const WindowPort::WindowHandle window = MakeWindow();
    DrainQueue();
    for (auto _ : state)
        WindowPort::RepaintNow(window);
    state.counters["framework draws"] = double(WindowPort::GetPaintCounts(window).drawingCalls);
    WindowPort::DestroyWindow(window);
    DrainQueue();
}
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RedrawThroughCanvas(benchmark::State& state)
{
    const WindowPort::WindowHandle window = MakeWindow();
    DrainQueue();
    for (auto _ : state) {
        CCanvas canvas(window);
        canvas.EraseRect({0, 0, kWidth, kHeight});
        canvas.FrameRect({4, 4, kWidth - 4, kHeight - 4});
        canvas.SetFont(GetDefaultFontRecord());
        for (int32_t line = 0; line < 20; ++line)
            canvas.DrawText(8, 20 + line * canvas.GetLineHeight(), "Embedded 12015.jpg (1674 x 30)");
    }
    WindowPort::DestroyWindow(window);
    DrainQueue();
}
BENCHMARK(BM_RedrawThroughCanvas)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static char name[] = "bench_paint";
    static char* portArgv[] = {name, nullptr};
    static int portArgc = 1;
    WindowPort::Initialise(portArgc, portArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    WindowPort::Shutdown();
    return 0;
}
