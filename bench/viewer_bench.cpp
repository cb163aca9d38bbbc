// Opening a 1 GB text file in the viewer: time, and memory beyond what the process had.
#include "Fakes.h"
#include "TextFileSource.h"
#include "frmView.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

using namespace orvanel;
using namespace orvanel::testing;

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void OpenHugeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const QByteArray line(79, 'x');
        for (int i = 0; i < 20000; ++i) { // real text at the start, then a sparse gigabyte
            file.write(line + '\n');
        }
        file.resize(qint64(1) << 30);
    }
    RecordingMessages messages;
    FakeClipboard clipboard;
    DiskTextFileSource files;
    long extraKiB = 0;
    for (auto _ : state) {
        const long before = ResidentKiB();
        frmView viewer(files, messages, clipboard);
        viewer.strFilename = path;
        viewer.show();
        viewer.Form_Activate();
        extraKiB = std::max(extraKiB, ResidentKiB() - before);
        benchmark::DoNotOptimize(viewer.displayedText().size());
    }
    state.counters["extra_MiB"] = static_cast<double>(extraKiB) / 1024;
}

} // namespace

BENCHMARK(OpenHugeFile)->Unit(benchmark::kMillisecond)->Iterations(5);
