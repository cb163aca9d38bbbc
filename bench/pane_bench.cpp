// Cost of appending one result line to a results pane that already holds many lines.
#include "OutputPane.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// `count` copies of `line`, one a line, for a pane to start with.
QString Filler(const QString& line, qint64 count) {
    QStringList lines;
    for (qint64 i = 0; i < count; ++i) {
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void AppendToPane(benchmark::State& state) {
    orvanel::OutputPane pane(nullptr);
    pane.resize(337, 217);
    pane.show();
    pane.appendLine(Filler(QStringLiteral("1,0000000 radians = 57°17'45\""), state.range(0)),
                    false);
    QApplication::processEvents();
    const QString line = QStringLiteral("1.00000 radians = 57°17'45\"");
    for (auto _ : state) {
        pane.appendLine(line, false);
        QApplication::processEvents(); // layout and paint of what changed
    }
    state.counters["lines"] = static_cast<double>(pane.document()->blockCount());
    // The program's appends leave no undo history behind: memory grows with the text only.
    state.counters["undo_steps"] = pane.document()->availableUndoSteps();
}

// The comma rewrite in a pane without a point: one scan, no edits.
void CommaRewriteWithoutPoints(benchmark::State& state) {
    orvanel::OutputPane pane(nullptr);
    const QString line = QStringLiteral("12,5°0'0\" = 0,21817 radians");
    pane.appendLine(Filler(line, state.range(0)), false);
    for (auto _ : state) {
        pane.appendLine(line, true);
    }
}

} // namespace

BENCHMARK(AppendToPane)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(CommaRewriteWithoutPoints)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
