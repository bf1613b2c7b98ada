// Full repaint of a month calendar the size of the read-only demo's (569 x 277) against
// QCalendarWidget of the same size, both rendered into an image in the same run.
#include "components/std/VQStdCmp.h"
#include "framework/controls/Form.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 569;
constexpr int kHeight = 277;

struct Ours {
    Ours() {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 600, 320);
        cal = new TVQCalendar(form.get());
        cal->SetParent(form.get());
        cal->SetOptions({vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawAllDates,
                         vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused});
        cal->HeadingFont()->SetHeight(-13);
        cal->HeadingFont()->SetStyle({fsBold});
        cal->SetHeadingStyle(vqdLongName);
        cal->SetBounds(12, 12, kWidth, kHeight);
        form->HandleNeeded();
        cal->SetBounds(12, 12, kWidth, kHeight);
    }
    QWidget* Widget() const { return cal->Widget(); }
    std::unique_ptr<TForm> form;
    TVQCalendar* cal = nullptr;
};

struct Theirs {
    Theirs() {
        widget = std::make_unique<QCalendarWidget>();
        widget->resize(kWidth, kHeight);
        widget->setGridVisible(true);
        widget->ensurePolished();
    }
    QWidget* Widget() const { return widget.get(); }
    std::unique_ptr<QCalendarWidget> widget;
};

template <class W> void RenderOnce(const W& w, QImage& image) {
    QPainter painter(&image);
    w.Widget()->render(&painter);
}

template <class W> void BM_Repaint(benchmark::State& state) {
    W w;
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        RenderOnce(w, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

template <class W> double MeanMicroseconds(int runs) {
    W w;
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    RenderOnce(w, image);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        RenderOnce(w, image);
    const std::chrono::duration<double, std::micro> d = std::chrono::steady_clock::now() - start;
    return d.count() / runs;
}

} // namespace

BENCHMARK(BM_Repaint<Ours>)->Name("calendar_repaint/TVQCalendar")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Repaint<Theirs>)
    ->Name("calendar_repaint/QCalendarWidget")
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterVQStdCmpClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double ours = MeanMicroseconds<Ours>(300);
    const double theirs = MeanMicroseconds<Theirs>(300);
    std::printf("full repaint %dx%d: TVQCalendar %.1f us, QCalendarWidget %.1f us, ratio %.2f\n",
                kWidth, kHeight, ours, theirs, ours / theirs);
    return 0;
}
