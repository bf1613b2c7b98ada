// The folder picker: preselection, cancel, rooted browsing; and the placement rule.

#include "framework/services/FolderBrowser.h"
#include "framework/services/ShellFolders.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// Runs f on the picker once it is up, then answers it with accept or reject.
void WhenShown(const std::function<void(TFolderBrowser*)>& f, bool accept) {
    QTimer::singleShot(0, [=] {
        auto* browser = dynamic_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(browser, nullptr);
        f(browser);
        accept ? browser->accept() : browser->reject();
    });
}

class FolderBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(Dir.path()).mkpath("apps/Games/Cards"));
        ASSERT_TRUE(QDir(Dir.path()).mkpath("other"));
        Apps = QDir(Dir.filePath("apps")).canonicalPath();
    }
    QTemporaryDir Dir;
    QString Apps;
};

TEST_F(FolderBrowserTest, PreselectsAndCancelKeepsThePath) {
    QString path = "/";
    QString shown;
    WhenShown([&](TFolderBrowser* b) { shown = b->SelectedPath(); }, false);
    EXPECT_FALSE(TFolderBrowser::Browse("Select a folder to install files to.", path));
    EXPECT_EQ(shown, "/");
    EXPECT_EQ(path, "/");

    path = Apps + "/Games";
    WhenShown(
        [&](TFolderBrowser* b) {
            shown = b->SelectedPath();
            EXPECT_TRUE(b->SetSelectedPath(Apps + "/Games/Cards"));
        },
        true);
    EXPECT_TRUE(TFolderBrowser::Browse("t", path));
    EXPECT_EQ(shown, Apps + "/Games");
    EXPECT_EQ(path, Apps + "/Games/Cards");
}

TEST_F(FolderBrowserTest, ShowsDirectoriesOnly) {
    QFile(Apps + "/Games/readme.txt").open(QIODevice::WriteOnly);
    TFolderBrowser b("t", Apps);
    EXPECT_FALSE(b.SetSelectedPath(Apps + "/Games/readme.txt"));
    ASSERT_TRUE(b.SetSelectedPath(Apps + "/Games"));
    QTreeView* view = b.View();
    view->expand(view->currentIndex());
    QTRY_COMPARE(view->model()->rowCount(view->currentIndex()), 1); // "Cards", not the file
}

TEST_F(FolderBrowserTest, RootedPickerCannotLeaveItsRoot) {
    TFolderBrowser b("Select a folder to create the group in.", Apps);
    b.show();
    QTreeView* view = b.View();
    // The root is the one top item.
    ASSERT_EQ(view->model()->rowCount(view->rootIndex()), 1);
    EXPECT_FALSE(b.SetSelectedPath(Dir.filePath("other")));
    EXPECT_FALSE(b.SetSelectedPath("/"));
    ASSERT_TRUE(b.SetSelectedPath(Apps));
    // Keys that would climb stop at the root.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Home, Qt::Key_Backspace})
        QTest::keyClick(view, key);
    EXPECT_EQ(b.SelectedPath(), Apps);
    ASSERT_TRUE(b.SetSelectedPath(Apps + "/Games/Cards"));
    EXPECT_EQ(b.SelectedPath(), Apps + "/Games/Cards");
}

TEST(PlaceOnScreen, CentresAtAThirdAndStaysOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget w;
    w.resize(200, 100);
    PlaceOnScreen(&w, 1);
    EXPECT_EQ(w.frameGeometry().topLeft(),
              screen.topLeft() + QPoint((screen.width() - w.frameGeometry().width()) / 2,
                                        (screen.height() - w.frameGeometry().height()) / 3));
    w.resize(screen.width() + 50, screen.height() + 50);
    PlaceOnScreen(&w, 1);
    EXPECT_EQ(w.frameGeometry().topLeft(), screen.topLeft());
}

} // namespace
