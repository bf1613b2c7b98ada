// Program start until the main window is shown, for three programs, each a fresh process timed
// from launch until it prints its ready marker (so each pays the process start, Qt's platform
// start-up and font loading as a real start does), with its peak resident memory at that moment:
// - the demonstration program, startup_demo: its main() up to the main window shown;
// - its peer, startup_peer: the same main window written by hand in Qt Widgets;
// - startup_bare, a Qt program showing one empty window of the same size, the floor.
// Goals: demo at most 0.85 of the peer, within 1.5x the bare window, memory within peer + 10 %.

#include "StartupReady.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

enum Slot { SlotBare, SlotPeer, SlotDemo, SlotCount };
const char* const SlotNames[SlotCount] = {"bare Qt", "Qt peer", "demo"};

QString Bare, Peer, Demo;
double TotalPeakKb[SlotCount] = {};
int64_t Runs[SlotCount] = {};

struct ChildResult {
    double seconds;
    long peakKb;
};

// Seconds from launching the program until its ready marker, and the peak memory it reports.
ChildResult TimeChild(const QString& program) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(program, QStringList());
    QByteArray out;
    while (!out.contains('\n') || !out.contains(StartupReadyMarker)) {
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "%s gave no ready marker\n", qPrintable(program));
            std::exit(1);
        }
        out += child.readAllStandardOutput();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    child.waitForFinished(30000);
    const QByteArray line = out.mid(out.indexOf(StartupReadyMarker));
    const long kb =
        line.mid(int(std::strlen(StartupReadyMarker))).trimmed().split('\n')[0].toLong();
    return {seconds, kb};
}

void Launch(benchmark::State& state, Slot slot, const QString& program) {
    for (auto _ : state) {
        const ChildResult r = TimeChild(program);
        state.SetIterationTime(r.seconds);
        TotalPeakKb[slot] += double(r.peakKb);
        ++Runs[slot];
    }
    if (Runs[slot] > 0) state.counters["peak_MB"] = TotalPeakKb[slot] / double(Runs[slot]) / 1024;
}

void BM_StartBareQt(benchmark::State& state) {
    Launch(state, SlotBare, Bare);
}
void BM_StartQtPeer(benchmark::State& state) {
    Launch(state, SlotPeer, Peer);
}
void BM_StartDemo(benchmark::State& state) {
    Launch(state, SlotDemo, Demo);
}

BENCHMARK(BM_StartBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StartQtPeer)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StartDemo)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The ratios come from launches taken in turn (bare, peer, demo, bare, ...) and their
// medians, so that a machine growing busier during the run weighs on all three alike.
void PrintSummary() {
    for (int s = 0; s < SlotCount; ++s)
        if (Runs[s] == 0) return; // a filtered run: nothing to compare
    constexpr int kRounds = 40;
    const QString programs[SlotCount] = {Bare, Peer, Demo};
    std::vector<double> times[SlotCount];
    double kb[SlotCount] = {};
    for (int round = 0; round < kRounds; ++round)
        for (int s = 0; s < SlotCount; ++s) {
            const ChildResult r = TimeChild(programs[s]);
            times[s].push_back(r.seconds * 1e3);
            kb[s] += double(r.peakKb);
        }
    double ms[SlotCount], mb[SlotCount];
    for (int s = 0; s < SlotCount; ++s) {
        std::sort(times[s].begin(), times[s].end());
        ms[s] = times[s][times[s].size() / 2];
        mb[s] = kb[s] / kRounds / 1024;
    }
    // Lines starting "start-up " are also copied into the CI run's summary.
    std::printf("start-up, launch to main window shown (median of %d launches in turn, peak "
                "resident memory):\n",
                kRounds);
    for (int s = 0; s < SlotCount; ++s)
        std::printf("  %-8s %7.1f ms %7.1f MB\n", SlotNames[s], ms[s], mb[s]);
    std::printf("start-up demo/peer: time %.2f (goal <= 0.85), memory %.2f (goal <= 1.10); "
                "demo %.1f ms %.1f MB, peer %.1f ms %.1f MB\n",
                ms[SlotDemo] / ms[SlotPeer], mb[SlotDemo] / mb[SlotPeer], ms[SlotDemo],
                mb[SlotDemo], ms[SlotPeer], mb[SlotPeer]);
    std::printf("start-up demo/bare: time %.2f (goal < 1.5), memory %.2f; bare %.1f ms %.1f MB\n",
                ms[SlotDemo] / ms[SlotBare], mb[SlotDemo] / mb[SlotBare], ms[SlotBare],
                mb[SlotBare]);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    Bare = dir + QStringLiteral("/startup_bare");
    Peer = dir + QStringLiteral("/startup_peer");
    Demo = dir + QStringLiteral("/startup_demo");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
