// Start-up of the main window (construct, Form_Load, first paint) against a bare window.
#include "Fakes.h"
#include "TextFileSource.h"
#include "frmMain.h"
#include "frmView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace orvanel;
using namespace orvanel::testing;

void StartMainWindowOnce() {
    FakeDesktop desktop;
    DiskTextFileSource files;
    frmView viewer(files, desktop.messages, desktop.clipboard);
    frmMain window({desktop.messages, desktop.clipboard, desktop.urls, desktop.screen,
                    desktop.program, viewer, NumberFormat{}, QString()});
    window.Form_Load();
    benchmark::DoNotOptimize(window.grab());
}

void StartBareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.resize(797, 271);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void StartMainWindow(benchmark::State& state) {
    RecordingMessages messages;
    FakeClipboard clipboard;
    FakeUrlOpener urls;
    FakeScreen screen;
    FakeProgram program;
    DiskTextFileSource files;
    for (auto _ : state) {
        frmView viewer(files, messages, clipboard);
        frmMain window(
            {messages, clipboard, urls, screen, program, viewer, NumberFormat{}, QString()});
        window.Form_Load();
        benchmark::DoNotOptimize(window.grab());
    }
}

} // namespace

BENCHMARK(StartBareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(StartMainWindow)->Unit(benchmark::kMillisecond);

double TimeStartUp(bool mainWindow) {
    if (!mainWindow) {
        QWidget window;
        window.resize(797, 271);
        window.show();
        benchmark::DoNotOptimize(window.grab());
        return 0;
    }
    StartMainWindowOnce();
    return 0;
}
