// Program start until the main window is shown: the demonstration program (units, every
// window read from its description, the main window shown) against a bare Qt program that
// shows one empty window of the same size. Both run as fresh processes of this executable,
// timed from launch until the child prints its ready marker, so each pays the process start,
// Qt's platform start-up and font loading as a real start does. Goal: ratio < 1.5.

#include "app/DemoProgram.h"
#include "framework/controls/Application.h"
#include "framework/graphics/FontPreload.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* ReadyMarker = "READY";

// Lets the shown window be exposed, then reports.
void ProcessUntilExposed(QWidget* w) {
    for (int i = 0; i < 100; ++i) {
        QCoreApplication::processEvents();
        if (w->windowHandle() && w->windowHandle()->isExposed()) break;
    }
    std::printf("%s\n", ReadyMarker);
    std::fflush(stdout);
}

int ChildDemo(int argc, char** argv) {
    // As the program's main does.
    TFontPreload fonts;
    QApplication app(argc, argv);
    TDemoProgram program;
    program.Start();
    TForm* main = Application->MainForm();
    main->Show();
    ProcessUntilExposed(main->Widget());
    return 0;
}

int ChildBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare"));
    w.resize(422, 373);
    w.show();
    ProcessUntilExposed(&w);
    return 0;
}

QString Self;
double TotalSeconds[2] = {0, 0};
int64_t Runs[2] = {0, 0};

// Seconds from launching the child until its ready marker.
double TimeChild(const char* mode) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(Self, {QString::fromLatin1(mode)});
    QByteArray out;
    while (!out.contains(ReadyMarker)) {
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "child %s gave no ready marker\n", mode);
            std::exit(1);
        }
        out += child.readAllStandardOutput();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    child.waitForFinished(30000);
    return seconds;
}

void Launch(benchmark::State& state, const char* mode, int slot) {
    for (auto _ : state) {
        const double s = TimeChild(mode);
        state.SetIterationTime(s);
        TotalSeconds[slot] += s;
        ++Runs[slot];
    }
}

void BM_StartBareQt(benchmark::State& state) {
    Launch(state, "--child-bare", 0);
}
void BM_StartDemo(benchmark::State& state) {
    Launch(state, "--child-demo", 1);
}

BENCHMARK(BM_StartBareQt)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StartDemo)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--child-demo") == 0) return ChildDemo(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--child-bare") == 0) return ChildBare(argc, argv);

    QCoreApplication app(argc, argv);
    Self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (Runs[0] > 0 && Runs[1] > 0) {
        const double bare = TotalSeconds[0] / double(Runs[0]);
        const double demo = TotalSeconds[1] / double(Runs[1]);
        std::printf("start to main window shown: demo %.1f ms, bare Qt %.1f ms, ratio %.2f "
                    "(goal < 1.5)\n",
                    demo * 1e3, bare * 1e3, demo / bare);
    }
    return 0;
}
