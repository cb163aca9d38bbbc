#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

// Process start to first paint, one window kind per process: "--startup=bare" or "=main".
double TimeStartUp(bool mainWindow);

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 2 && std::strncmp(argv[1], "--startup=", 10) == 0) {
        QApplication app(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        TimeStartUp(std::strcmp(argv[1] + 10, "main") == 0);
        std::printf("%.3f\n", static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
