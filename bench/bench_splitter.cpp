// A live drag of the menu-button/splitter demo window's splitter (AutoUpdate on) over 300
// mouse moves, against a QSplitter with the same two children (a tree and a list with the same
// nodes and items, in the same font) doing the same moves with opaque resizing, in the same run.
// Each move is followed by the paint it causes. Goal: ours at most 0.8 of Qt's time.

#include "app/DemoProgram.h"
#include "app/Form3.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQSplitter.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kMoves = 300;

void WaitExposed(QWidget* w) {
    for (int i = 0; i < 200 && !(w->windowHandle() && w->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

// The x of move i: back and forth across most of the width.
int MoveX(int i) {
    const int span = 300, phase = i % (2 * span);
    return 50 + (phase < span ? phase : 2 * span - phase);
}

// A mouse event for w at (x, y) in frame's coordinates (frame stays put while w may move).
void Mouse(QWidget* w, QWidget* frame, QEvent::Type type, int x, int y) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const QPointF global = frame->mapToGlobal(QPointF(x, y));
    QMouseEvent e(type, w->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// One drag of w, whose parent area is frame: press at (x0, y), kMoves moves, each followed by
// the painting it causes, release.
void Drag(QWidget* w, QWidget* frame, int x0, int y) {
    Mouse(w, frame, QEvent::MouseButtonPress, x0, y);
    for (int i = 0; i < kMoves; ++i) {
        Mouse(w, frame, QEvent::MouseMove, MoveX(i) + 1, y);
        QCoreApplication::processEvents();
    }
    Mouse(w, frame, QEvent::MouseButtonRelease, MoveX(kMoves - 1) + 1, y);
    QCoreApplication::processEvents();
}

void BM_VQSplitterLiveDrag(benchmark::State& state) {
    TDemoProgram::RegisterProgramClasses();
    InitializeVQGfxCmp();
    std::unique_ptr<TForm3Fm> form(TForm::CreateFromResource<TForm3Fm>(nullptr));
    TVQSplitter* s = form->VQSplitter1;
    s->SetAutoUpdate(true);
    form->Show();
    WaitExposed(form->Widget());
    for (auto _ : state) {
        s->SetPosition(100);
        QCoreApplication::processEvents();
        Drag(s->Widget(), s->Widget(), 101, 60);
    }
    state.counters["final_width"] = s->Position();
    state.SetItemsProcessed(int64_t(state.iterations()) * kMoves);
    form.reset();
    FinalizeVQGfxCmp();
}

void BM_QSplitterLiveDrag(benchmark::State& state) {
    QWidget window;
    window.resize(453, 295);
    // The text in the same font as the demo window's views (its "MS Sans Serif" 8 pt): with the
    // application's default font this side shaped and drew bigger text, about 3 % more work.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);
    auto* splitter = new QSplitter(Qt::Horizontal, &window);
    splitter->setGeometry(20, 152, 413, 125);
    splitter->setHandleWidth(3);
    splitter->setOpaqueResize(true);
    splitter->setChildrenCollapsible(true);
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, QStringList{QStringLiteral("Root")});
    auto* sub2 = new QTreeWidgetItem(root, QStringList{QStringLiteral("Sub2")});
    new QTreeWidgetItem(sub2, QStringList{QStringLiteral("Sub1")});
    auto* sub1 = new QTreeWidgetItem(root, QStringList{QStringLiteral("Sub1")});
    for (const char* t : {"Sub1", "Sub2", "Sub3"})
        new QTreeWidgetItem(sub1, QStringList{QString::fromLatin1(t)});
    // Configured as the list view in list style is, with a 16 by 16 icon on every row.
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::darkBlue);
    const QIcon icon(QPixmap::fromImage(image));
    tree->setIndentation(19);
    tree->setIconSize(QSize(16, 16));
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        (*it)->setIcon(0, icon);
    auto* list = new QListWidget;
    list->setIconSize(QSize(16, 16));
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    for (const char* t : {"Item1", "Item2", "Item3"})
        list->addItem(new QListWidgetItem(icon, QString::fromLatin1(t)));
    // The panes have no minimum size. A zero minimum would make QSplitter fall back to the
    // views' minimum size hints and stop the bar short of the last moves (at 340 rather than
    // 349), sparing this side about a tenth of the repaints.
    tree->setMinimumSize(1, 0);
    list->setMinimumSize(1, 0);
    splitter->addWidget(tree);
    splitter->addWidget(list);
    // As in the demo window, the focus is on a button outside the splitter: with it on the tree,
    // this side drew a current item with its highlight and focus frame on every move.
    auto* button = new QPushButton(QStringLiteral("Action"), &window);
    button->setGeometry(240, 64, 90, 25);
    window.show();
    WaitExposed(&window);
    button->setFocus();
    QCoreApplication::processEvents();
    QWidget* handle = splitter->handle(1);
    for (auto _ : state) {
        splitter->setSizes({100, 310});
        QCoreApplication::processEvents();
        Drag(handle, splitter, 101, 60);
    }
    // Where the last drag left the first pane, to show the moves took effect.
    state.counters["final_width"] = splitter->sizes().value(0);
    state.SetItemsProcessed(int64_t(state.iterations()) * kMoves);
}

BENCHMARK(BM_VQSplitterLiveDrag)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_QSplitterLiveDrag)->Unit(benchmark::kMillisecond)->MinTime(1.0);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // Keyed by the function's name, without the run's arguments.
        for (const auto& r : runs) {
            const std::string name = r.benchmark_name();
            FTimes[name.substr(0, name.find('/'))] = r.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double ours = FTimes["BM_VQSplitterLiveDrag"];
        const double qt = FTimes["BM_QSplitterLiveDrag"];
        std::printf("\nlive drag of %d moves: splitter %.2f ms, QSplitter %.2f ms; ratio "
                    "ours/Qt %.2f (goal: at most 0.80)\n",
                    kMoves, ours, qt, qt > 0 ? ours / qt : 0);
    }

private:
    std::map<std::string, double> FTimes;
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
