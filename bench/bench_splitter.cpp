// A live drag of the menu-button/splitter demo window's splitter (AutoUpdate on) over 300
// mouse moves, against a QSplitter with the same two children (a tree and a list with the same
// nodes and items, in the same font) doing the same moves with opaque resizing, in the same run.
// Each move is followed by the paint it causes. Goal: ours at most 0.8 of Qt's time.

#include "app/DemoProgram.h"
#include "app/Form3.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQSplitter.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QPaintEvent>
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
#include <utility>

namespace {

constexpr int kMoves = 300;

// With BENCH_PAINT_AREAS set, sums the area of every paint event's region per widget while it
// lives and prints the sums: how much a drag repaints, whatever draws it. Off by default, so
// the timings carry no event filter.
class TPaintMeter : public QObject {
public:
    explicit TPaintMeter(const char* title) : FTitle(title) {
        if (FTitle && qEnvironmentVariableIsSet("BENCH_PAINT_AREAS"))
            QCoreApplication::instance()->installEventFilter(this);
    }
    ~TPaintMeter() override {
        if (FAreas.empty()) return;
        std::fprintf(stderr, "painted by one drag, %s:\n", FTitle);
        int64_t total = 0;
        for (const auto& [name, area] : FAreas) {
            std::fprintf(stderr, "  %-20s %10lld px\n", name.c_str(), (long long)area);
            total += area;
        }
        std::fprintf(stderr, "  %-20s %10lld px\n", "total", (long long)total);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            int64_t area = 0;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                area += int64_t(r.width()) * r.height();
            FAreas[Name(static_cast<QWidget*>(o))] += area;
        }
        return false;
    }

private:
    // A view's viewport by its view's class, other widgets by class and object name.
    static std::string Name(QWidget* w) {
        QWidget* p = w->parentWidget();
        if (auto* area = qobject_cast<QAbstractScrollArea*>(p); area && area->viewport() == w)
            return std::string(p->metaObject()->className()) + " viewport";
        std::string name = w->metaObject()->className();
        if (!w->objectName().isEmpty()) name += " " + w->objectName().toStdString();
        return name;
    }

    const char* FTitle;
    std::map<std::string, int64_t> FAreas;
};

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
// the painting it causes, release. With a title, its paint areas may be measured.
void Drag(QWidget* w, QWidget* frame, int x0, int y, const char* title) {
    TPaintMeter meter(title);
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
    // Named for the paint areas.
    s->Widget()->setObjectName(QStringLiteral("splitter"));
    s->Pane1()->Widget()->setObjectName(QStringLiteral("pane1"));
    s->Pane2()->Widget()->setObjectName(QStringLiteral("pane2"));
    // Measured once, whatever number of runs the library makes.
    static const char* title = "splitter";
    for (auto _ : state) {
        s->SetPosition(100);
        QCoreApplication::processEvents();
        Drag(s->Widget(), s->Widget(), 101, 60, std::exchange(title, nullptr));
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
    static const char* title = "QSplitter";
    for (auto _ : state) {
        splitter->setSizes({100, 310});
        QCoreApplication::processEvents();
        Drag(handle, splitter, 101, 60, std::exchange(title, nullptr));
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
