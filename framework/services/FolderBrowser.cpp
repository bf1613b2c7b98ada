#include "framework/services/FolderBrowser.h"

#include "framework/controls/FocusFrame.h"
#include "framework/controls/ModalSession.h"
#include "framework/services/ShellFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

// Keeps, when rooted, only the root and what lies below it (and the root's ancestors, which
// the view never shows: it starts at the root's parent).
class TFolderBrowserFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    QString Root;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (Root.isEmpty() || Root == QLatin1String("/")) return true;
        auto* model = static_cast<QFileSystemModel*>(sourceModel());
        const QString path = model->filePath(model->index(row, 0, parent));
        return Inside(path) || Root.startsWith(path.endsWith('/') ? path : path + '/');
    }

public:
    bool Inside(const QString& path) const {
        if (Root.isEmpty() || Root == QLatin1String("/")) return true;
        return path == Root || path.startsWith(Root + '/');
    }
};

TFolderBrowser::TFolderBrowser(const QString& Title, const QString& Root, QWidget* Parent)
    : QDialog(Parent), FRoot(Root.isEmpty() ? QString() : QDir::cleanPath(Root)) {
    setWindowTitle(QStringLiteral("Browse for Folder"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(Title, this);
    title->setWordWrap(true);
    layout->addWidget(title);

    FModel = new QFileSystemModel(this);
    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    FModel->setRootPath(FRoot.isEmpty() ? QStringLiteral("/") : FRoot);
    FFilter = new TFolderBrowserFilter(this);
    FFilter->Root = FRoot;
    FFilter->setSourceModel(FModel);

    FView = new QTreeView(this);
    FView->setModel(FFilter);
    FView->setHeaderHidden(true);
    for (int c = 1; c < FModel->columnCount(); ++c)
        FView->hideColumn(c);
    if (!FRoot.isEmpty()) {
        // The root is the one top item: the view starts at its parent, which shows only it.
        const QModelIndex root = FFilter->mapFromSource(FModel->index(FRoot));
        FView->setRootIndex(root.parent());
        FView->expand(root);
    }
    layout->addWidget(FView);
    ShowFocusFrame(FView);
    ShowFocusCues(this);

    // The buttons sit in the dialog itself: a button box would be one more unnamed pane to a
    // screen reader.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    FOk = new QPushButton(QStringLiteral("OK"), this);
    FOk->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(FOk);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { SelectionChanged(); });
    resize(320, 380);
    SelectionChanged();
}

TFolderBrowser::~TFolderBrowser() = default;

bool TFolderBrowser::SetSelectedPath(const QString& Path) {
    if (Path.isEmpty()) {
        FView->setCurrentIndex({});
        FView->clearSelection();
        SelectionChanged();
        return true;
    }
    const QString path = QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
    if (!QFileInfo(path).isDir() || !FFilter->Inside(path)) return false;
    const QModelIndex index = FFilter->mapFromSource(FModel->index(path));
    if (!index.isValid()) return false;
    FView->setCurrentIndex(index);
    FView->scrollTo(index);
    SelectionChanged();
    return true;
}

QString TFolderBrowser::SelectedPath() const {
    const QModelIndex index = FView->currentIndex();
    if (!index.isValid()) return {};
    return QDir::cleanPath(FModel->filePath(FFilter->mapToSource(index)));
}

void TFolderBrowser::SelectionChanged() {
    FOk->setEnabled(!SelectedPath().isEmpty());
}

void TFolderBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceOnScreen(this, 1);
}

bool TFolderBrowser::Browse(const QString& Title, QString& Path, const QString& Root) {
    TFolderBrowser browser(Title, Root, nullptr);
    browser.SetSelectedPath(Path);
    TModalSession session(&browser);
    if (browser.exec() != QDialog::Accepted) return false;
    const QString chosen = browser.SelectedPath();
    if (chosen.isEmpty()) return false;
    Path = chosen;
    return true;
}
