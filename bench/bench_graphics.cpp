// The meter's immediate repaint, which animated meters pay on every step: a bar and an LED
// meter of the default 100 by 21 against a QProgressBar of the same size repainted the same
// way in the same run; then one whole Animate run of the graphics demo window (77 steps over
// its ten meters, with the pending messages processed between controls), per step. Goal:
// under 2 ms per step.

#include "app/DemoProgram.h"
#include "app/Form2.h"
#include "components/gfx/VQGfxCmp.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Button.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// Lets a shown window be exposed, so repaints reach the screen as they do for the user.
void WaitExposed(QWidget* w) {
    for (int i = 0; i < 200 && !(w->windowHandle() && w->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

// A shown form holding one meter.
struct TMeterWindow {
    explicit TMeterWindow(TVQMeterStyle style) {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 140, 60);
        Meter = new TVQMeter(Form.get());
        Meter->SetParent(Form.get());
        Meter->SetBounds(10, 10, 100, 21);
        Meter->SetMeterStyle(style);
        Form->Show();
        WaitExposed(Form->Widget());
    }
    std::unique_ptr<TForm> Form;
    TVQMeter* Meter = nullptr;
};

void MeterRepaint(benchmark::State& state, TVQMeterStyle style) {
    TMeterWindow window(style);
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 101;
        window.Meter->SetValue(value); // repaints at once
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_MeterBarRepaint(benchmark::State& state) {
    MeterRepaint(state, vqmsBar);
}

void BM_MeterLedRepaint(benchmark::State& state) {
    MeterRepaint(state, vqmsLED);
}

void BM_QProgressBarRepaint(benchmark::State& state) {
    QWidget window;
    window.resize(140, 60);
    auto* bar = new QProgressBar(&window);
    bar->setGeometry(10, 10, 100, 21);
    bar->setRange(0, 100);
    window.show();
    WaitExposed(&window);
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 101;
        bar->setValue(value);
        bar->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_MeterBarRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeterLedRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QProgressBarRepaint)->Unit(benchmark::kMicrosecond);

// One Animate run of the demo window per iteration; the time per step is reported.
void BM_Form2AnimateRun(benchmark::State& state) {
    TDemoProgram::RegisterProgramClasses();
    InitializeVQGfxCmp();
    std::unique_ptr<TForm2Fm> form(TForm::CreateFromResource<TForm2Fm>(nullptr));
    form->Show();
    WaitExposed(form->Widget());
    QCoreApplication::processEvents();
    double totalMs = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        form->AnimateBtClick(form->AnimateBt);
        totalMs += double(timer.nsecsElapsed()) / 1e6;
    }
    state.counters["ms_per_step"] =
        totalMs / (double(state.iterations()) * double(TForm2Fm::AnimateSteps));
    form.reset();
    FinalizeVQGfxCmp();
}

BENCHMARK(BM_Form2AnimateRun)->Unit(benchmark::kMillisecond)->Iterations(5);

// Prints the meters' repaint times against the progress bar's, and the Animate step time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            FTimes[r.benchmark_name()] = r.GetAdjustedRealTime();
            const auto it = r.counters.find("ms_per_step");
            if (it != r.counters.end()) FStep = it->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double bar = FTimes["BM_MeterBarRepaint"], led = FTimes["BM_MeterLedRepaint"];
        const double qt = FTimes["BM_QProgressBarRepaint"];
        std::printf("\nimmediate repaint: bar %.1f us, LED %.1f us, QProgressBar %.1f us; "
                    "ratio bar/Qt %.2f, LED/Qt %.2f\n",
                    bar, led, qt, qt > 0 ? bar / qt : 0, qt > 0 ? led / qt : 0);
        std::printf("graphics demo Animate: %.3f ms per step (goal under 2 ms)\n", FStep);
    }

private:
    std::map<std::string, double> FTimes;
    double FStep = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
