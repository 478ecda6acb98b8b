// One frame of the game window: a generated game in progress with pencil
// marks, the error flash and the number picker open, drawn on the 1024x768
// screen bitmap offscreen.
#include "DisplayMode.h"
#include "FakeDisplayBackend.h"
#include "MainUnit.h"
#include "MessageCapture.h"
#include "Random.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TfrmMain* g_window = nullptr;

// The picker opened on the middle cell and already spun into place, the
// mouse over its last item, marks in every empty cell.
void prepareGame(TfrmMain& w)
{
    FixRandomSeed(7);
    w.Nouvelle_PartieClick();
    for (int i = 0; i < 81; ++i) {
        if (w.FGivens[i] != kEmptyCell)
            continue;
        const int x = i / 9;
        const int y = i % 9;
        w.FMarks[x * 81 + y * 9 + i % 9] = 1;
        w.FMarks[x * 81 + y * 9 + (i + 4) % 9] = 1;
        if (i % 3 == 0)
            w.FCurrent[i] = static_cast<std::uint8_t>((w.FSolution[i] + i % 2) % 9);
    }
    w.FPickerOpen = true;
    w.FPickerLeft = w.Image1Virtuel->x() + 4 * w.FCellWidth + w.FCellWidth / 2 - 90;
    w.FPickerTop = w.Image1Virtuel->y() + 4 * w.FCellHeight + w.FCellHeight / 2 - 90;
    w.FPickerSpin = 0;
    w.FHoverX = w.FPickerLeft + 80;
    w.FHoverY = w.FPickerTop + 140;
}

// Every frame draws something new: the mouse goes on and off a picker item.
void BM_DrawScene(benchmark::State& state)
{
    TfrmMain& w = *g_window;
    const int overItem = w.FHoverX;
    bool over = false;
    for (auto _ : state) {
        over = !over;
        w.FHoverX = over ? overItem : 0;
        w.FErrorFlash = 15;
        w.DXTimerTimerloop();
        benchmark::DoNotOptimize(w.FPickerHover);
    }
    w.FHoverX = overItem;
}
BENCHMARK(BM_DrawScene)->Unit(benchmark::kMicrosecond);

// Nothing changes from one frame to the next, as in a game left alone.
void BM_UnchangedFrame(benchmark::State& state)
{
    TfrmMain& w = *g_window;
    for (auto _ : state) {
        w.FErrorFlash = 15;
        w.DXTimerTimerloop();
        benchmark::DoNotOptimize(w.FPickerHover);
    }
}
BENCHMARK(BM_UnchangedFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // A home of its own, so that neither the settings nor the fonts folder
    // of the user running the benchmark are touched, and a display that
    // only pretends to switch.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");

    QApplication app(argc, argv);
    MessageCapture quiet;
    setDisplayBackend(std::make_shared<FakeDisplayBackend>(DisplayModeInfo{1024, 768, 32, 75}));

    TfrmMain window(QStringLiteral(SUDOKU_DATA_DIR));
    window.FormShow();
    window.Timer2SplashScreenTimer();
    window.DXTimer->stop();
    prepareGame(window);
    g_window = &window;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window = nullptr;
    return 0;
}
