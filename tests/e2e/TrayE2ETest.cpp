// The tray entry on a real X server with a real tray host (trayer), clicked through XTEST.

#include "E2ESupport.h"

#include "components/std/VQTrayIcon.h"
#include "framework/controls/Application.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"

#include <QApplication>
#include <QMenu>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

namespace {

class TrayE2E : public ::testing::Test {
protected:
    void SetUp() override {
        E2E_REQUIRE_X11();
        if (QStandardPaths::findExecutable("trayer").isEmpty())
            GTEST_SKIP() << "trayer is not installed";
        TApplication::SetExceptionReportHook([this](const String& m) { Log << "error " + m; });
        StartTray();
        Icon = std::make_unique<TVQTrayIcon>(nullptr);
        Icon->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int, int) {
            Log << QStringLiteral("down %1%2").arg(int(b)).arg(s.Contains(ssDouble) ? " dbl" : "");
        };
        Icon->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            Log << QStringLiteral("up %1").arg(int(b));
            UpAt = QPoint(x, y);
        };
        Icon->OnClick = [this](TObject*) { Log << "click"; };
        Icon->OnDblClick = [this](TObject*) { Log << "dblclick"; };
    }
    void TearDown() override {
        Icon.reset();
        StopTray();
        TApplication::SetExceptionReportHook(nullptr);
    }
    void StartTray() {
        Tray = std::make_unique<QProcess>();
        Tray->start("trayer", {"--edge", "top", "--align", "left", "--widthtype", "request",
                               "--height", "32", "--expand", "false"});
        ASSERT_TRUE(Tray->waitForStarted());
    }
    void StopTray() {
        if (!Tray) return;
        Tray->kill();
        Tray->waitForFinished();
        Tray.reset();
    }
    // Shows the entry and waits until it sits in the tray with its final size.
    QRect ShowDocked() {
        Icon->SetVisible(true);
        EXPECT_TRUE(WaitUntil([&] {
            return Icon->Host().Docked() && Icon->Host().ScreenRect().width() > 1;
        })) << "the entry never docked: "
            << Icon->Host().Docked() << " " << Icon->Host().ScreenRect().width() << "x"
            << Icon->Host().ScreenRect().height() << "+" << Icon->Host().ScreenRect().x() << "+"
            << Icon->Host().ScreenRect().y();
        QTest::qWait(100);
        return Icon->Host().ScreenRect();
    }
    void ClickAt(QPoint p, const QString& button, int times = 1) {
        ASSERT_TRUE(XDo({"mousemove", QString::number(p.x()), QString::number(p.y())}));
        ASSERT_TRUE(XDo({"click", "--repeat", QString::number(times), "--delay", "80", button}));
    }

    QStringList Log;
    QPoint UpAt;
    std::unique_ptr<QProcess> Tray;
    std::unique_ptr<TVQTrayIcon> Icon;
};

TEST_F(TrayE2E, DocksAndClicksInOrder) {
    const QRect r = ShowDocked();
    EXPECT_EQ(Icon->Host().Mode(), TTrayMode::XEmbed);
    ClickAt(r.center(), "1");
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 3; }));
    EXPECT_EQ(Log, QStringList({"down 0", "click", "up 0"}));
    // The event carries where the cursor is, in screen coordinates.
    EXPECT_EQ(UpAt, r.center());
    Log.clear();
    ClickAt(r.center(), "3"); // middle and right: no click event
    ClickAt(r.center(), "2");
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 4; }));
    EXPECT_EQ(Log, QStringList({"down 1", "up 1", "down 2", "up 2"}));
}

TEST_F(TrayE2E, DoubleClickSequence) {
    const QRect r = ShowDocked();
    ClickAt(r.center(), "1", 2);
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 7; }));
    QTest::qWait(100);
    EXPECT_EQ(Log,
              QStringList({"down 0", "click", "up 0", "dblclick", "down 0 dbl", "click", "up 0"}));
}

TEST_F(TrayE2E, RightClickPopsTheMenuAtTheCursor) {
    TPopupMenu menu(nullptr);
    auto* activate = new TMenuItem(&menu);
    activate->SetCaption("&Activate");
    activate->SetDefault(true);
    activate->OnClick = [this](TObject*) { Log << "activate"; };
    menu.Items()->Add(activate);
    auto* exit = new TMenuItem(&menu);
    exit->SetCaption("E&xit");
    menu.Items()->Add(exit);
    Icon->SetPopupMenu(&menu);
    const QRect r = ShowDocked();

    QRect menuRect;
    bool bold = false;
    QStringList logWhenShown;
    // While the menu is up: note where it is, then pick "Activate" with the mouse.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup || !popup->isVisible() || !menuRect.isNull()) return;
        menuRect = popup->geometry();
        logWhenShown = Log;
        QAction* first = popup->actions().value(0);
        bold = first && first->font().bold();
        const QPoint item = popup->mapToGlobal(popup->actionGeometry(first).center());
        XDo({"mousemove", QString::number(item.x()), QString::number(item.y())});
        XDo({"click", "1"});
    });
    poll.start(50);
    ClickAt(r.center(), "3");
    ASSERT_TRUE(WaitUntil([&] { return Log.contains("activate"); }));
    EXPECT_EQ(logWhenShown, QStringList({"down 1", "up 1"}));
    EXPECT_TRUE(bold);
    EXPECT_EQ(menuRect.topLeft(), r.center());

    // Without automatic popup only the mouse events fire.
    poll.stop();
    Log.clear();
    menu.SetAutoPopup(false);
    ClickAt(r.center(), "3");
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 2; }));
    QTest::qWait(200);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Log, QStringList({"down 1", "up 1"}));
    Icon->SetPopupMenu(nullptr);
}

TEST_F(TrayE2E, HidingRemovesTheEntry) {
    const QRect r = ShowDocked();
    Icon->SetVisible(true); // once only
    ASSERT_TRUE(Icon->Host().Docked());
    Icon->SetVisible(false);
    EXPECT_EQ(Icon->Host().Mode(), TTrayMode::None);
    QTest::qWait(200);
    // Nothing of ours is left where the entry was: a click there reaches no handler.
    ClickAt(r.center(), "1");
    QTest::qWait(200);
    EXPECT_TRUE(Log.isEmpty()) << Log.join(", ").toStdString();
    // Shown again, it docks again.
    ShowDocked();
    EXPECT_TRUE(Icon->Host().Docked());
}

TEST_F(TrayE2E, DocksAgainAfterTheTrayRestarts) {
    ShowDocked();
    StopTray();
    ASSERT_TRUE(WaitUntil([&] { return !Icon->Host().Docked(); }));
    StartTray();
    ASSERT_TRUE(WaitUntil([&] {
        return Icon->Host().Docked() && Icon->Host().ScreenRect().width() > 1;
    })) << "the entry did not come back";
    QTest::qWait(100);
    ClickAt(Icon->Host().ScreenRect().center(), "1");
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 3; }));
    EXPECT_EQ(Log, QStringList({"down 0", "click", "up 0"}));
}

TEST_F(TrayE2E, HintShowsItsFirst63CharactersAsWritten) {
    // Text that looks like markup is shown literally.
    const QString hint = "<b>" + QString(57, 'a') + "&amp;bcdefgh"; // 71 characters
    Icon->SetHint(hint);
    const QRect r = ShowDocked();
    XDo({"mousemove", QString::number(r.center().x()), QString::number(r.center().y())});
    XDo({"mousemove_relative", "1", "1"});
    ASSERT_TRUE(WaitUntil([] { return QToolTip::isVisible(); }, 8000));
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    EXPECT_EQ(shown.toPlainText(), hint.left(63));
}

} // namespace
