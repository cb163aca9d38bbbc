#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

// Shows one window and returns once it is on the screen: Orvanel's, or the floor window.
void ShowForStartUp(bool mainWindow);

int main(int argc, char** argv) {
    // "--startup=main" or "--startup=floor": one window on the display the process finds, then
    // an immediate exit, so that the time of the whole process is the start-up.
    if (argc == 2 && std::strncmp(argv[1], "--startup=", 10) == 0) {
        QApplication app(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        ShowForStartUp(std::strcmp(argv[1] + 10, "main") == 0);
        std::quick_exit(0);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
