#include "framework/controls/HelpViewer.h"

#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/FocusFrame.h"
#include "framework/controls/ModalSession.h"
#include "framework/controls/Screen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct TViewerState {
    QPointer<QWidget> Window;
    QListWidget* List = nullptr;
    QTextBrowser* Text = nullptr;
    QPushButton* Back = nullptr;
    THelpFile File;
    int Current = 0;
    std::vector<int> History;
};

TViewerState& State() {
    static TViewerState state;
    return state;
}

void DisplayTopic(int context, bool remember) {
    TViewerState& s = State();
    const THelpTopic* topic = s.File.Topic(context);
    if (!topic) return;
    if (remember && s.Current != 0 && s.Current != context) s.History.push_back(s.Current);
    s.Current = context;
    s.Text->setHtml(topic->Html);
    s.Back->setEnabled(!s.History.empty());
    for (int i = 0; i < s.List->count(); ++i)
        if (s.List->item(i)->data(Qt::UserRole).toInt() == context) {
            const QSignalBlocker block(s.List);
            s.List->setCurrentRow(i);
        }
    s.Window->setWindowTitle(QStringLiteral("%1 - %2").arg(
        topic->Title,
        Application->Title().isEmpty() ? QStringLiteral("Help") : Application->Title()));
}

void GoTo(int context) {
    if (State().File.Topic(context))
        DisplayTopic(context, true);
    else
        MessageDlg(QStringLiteral("The help file has no topic %1.").arg(context), mtError, {mbOK},
                   0);
}

void Build() {
    TViewerState& s = State();
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->resize(560, 400);
    auto* layout = new QVBoxLayout(window);
    auto* bar = new QHBoxLayout;
    s.Back = new QPushButton(QStringLiteral("Back"), window);
    bar->addWidget(s.Back);
    bar->addStretch();
    layout->addLayout(bar);
    auto* split = new QSplitter(window);
    s.List = new QListWidget(split);
    s.Text = new QTextBrowser(split);
    ShowFocusFrame(s.List);
    ShowFocusFrame(s.Text);
    ShowFocusCues(window);
    s.Text->setOpenLinks(false);
    split->setSizes({150, 410});
    layout->addWidget(split);
    s.Window = window;

    QObject::connect(s.Back, &QPushButton::clicked, window, [] {
        Application->Guard(Application, [] {
            TViewerState& st = State();
            if (st.History.empty()) return;
            const int previous = st.History.back();
            st.History.pop_back();
            DisplayTopic(previous, false);
        });
    });
    QObject::connect(s.List, &QListWidget::currentItemChanged, window,
                     [](QListWidgetItem* item, QListWidgetItem*) {
                         if (!item) return;
                         Application->Guard(Application,
                                            [item] { GoTo(item->data(Qt::UserRole).toInt()); });
                     });
    QObject::connect(s.Text, &QTextBrowser::anchorClicked, window, [](const QUrl& url) {
        Application->Guard(Application, [&url] {
            if (url.scheme() == QLatin1String("topic")) GoTo(url.path().toInt());
        });
    });
}

void FillList() {
    TViewerState& s = State();
    const QSignalBlocker block(s.List);
    s.List->clear();
    for (const auto& [context, topic] : s.File.Topics()) {
        auto* item = new QListWidgetItem(topic.Title, s.List);
        item->setData(Qt::UserRole, context);
    }
}

void PlaceBesideTheAskingWindow(QWidget* viewer) {
    // Help is asked for from the window in use, the one a modal window would belong to.
    const QWidget* asking = TModalSession::Owner(viewer);
    // Where the compositor places windows the asking window's place is not known.
    if (!asking || !asking->isVisible() || !TScreen::PlacesWindows()) return;
    const QRect frame = asking->frameGeometry();
    QSize size = viewer->frameGeometry().size();
    // Before its first showing the viewer's frame is unknown; the window manager gives it the
    // asking window's.
    if (size == viewer->size()) size += frame.size() - asking->size();
    const TPoint at = THelpViewer::Placement(ToRect(asking->screen()->availableGeometry()),
                                             ToRect(frame), size.width(), size.height());
    viewer->move(ToQPoint(at));
}

} // namespace

TPoint THelpViewer::Placement(const TRect& Available, const TRect& Asking, int Width, int Height) {
    const auto onScreen = [&](int x, int y) {
        return TPoint{std::max(Available.Left, std::min(x, Available.Right - Width)),
                      std::max(Available.Top, std::min(y, Available.Bottom - Height))};
    };
    const auto covered = [&](TPoint p) {
        const int64_t w = std::min(p.X + Width, Asking.Right) - std::max(p.X, Asking.Left);
        const int64_t h = std::min(p.Y + Height, Asking.Bottom) - std::max(p.Y, Asking.Top);
        return w > 0 && h > 0 ? w * h : 0;
    };
    const TPoint choices[] = {
        onScreen(Asking.Right, Asking.Top), onScreen(Asking.Left - Width, Asking.Top),
        onScreen(Asking.Left, Asking.Bottom), onScreen(Asking.Left, Asking.Top - Height)};
    TPoint best = choices[0];
    int64_t least = covered(best);
    for (const TPoint& p : choices)
        if (const int64_t c = covered(p); c < least) {
            best = p;
            least = c;
        }
    return best;
}

bool THelpViewer::ShowTopic(const String& fileName, int context) {
    THelpFile file;
    String error;
    if (!file.Load(fileName, error)) {
        MessageDlg(error, mtError, {mbOK}, 0);
        return false;
    }
    if (!file.Topic(context)) {
        MessageDlg(
            QStringLiteral("The help file \"%1\" has no topic %2.").arg(fileName).arg(context),
            mtError, {mbOK}, 0);
        return false;
    }
    TViewerState& s = State();
    if (!s.Window) Build();
    const bool sameFile = s.File.FileName() == fileName;
    s.File = std::move(file);
    if (!sameFile) {
        s.History.clear();
        s.Current = 0;
    }
    FillList();
    DisplayTopic(context, true);
    if (!s.Window->isVisible()) PlaceBesideTheAskingWindow(s.Window);
    s.Window->show();
    s.Window->raise();
    s.Window->activateWindow();
    return true;
}

QWidget* THelpViewer::Window() {
    return State().Window.data();
}

int THelpViewer::CurrentTopic() {
    return State().Window ? State().Current : 0;
}

void THelpViewer::Close() {
    TViewerState& s = State();
    delete s.Window.data();
    s.Window = nullptr;
    s.List = nullptr;
    s.Text = nullptr;
    s.Back = nullptr;
    s.Current = 0;
    s.History.clear();
}
