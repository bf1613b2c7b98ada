// TVQHotKey, TVQTrayIcon and the shell helpers of VQStdCmp on the offscreen platform, where no
// system-wide keys or tray exist (the X11 side runs in tests/e2e).

#include "components/std/VQStdCmp.h"
#include "framework/controls/Application.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"
#include "framework/services/FolderBrowser.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct TReports {
    QStringList Log;
    TReports() {
        TApplication::SetExceptionReportHook([this](const String& m) { Log << m; });
    }
    ~TReports() { TApplication::SetExceptionReportHook(nullptr); }
};

TEST(VQHotKey, ShortCutsBecomeRegistrationsAndEvents) {
    const struct {
        TShortCut shortCut;
        uint16_t key;
        unsigned modifiers;
        TShiftState shift;
    } cases[] = {
        {16460, 0x4C, 2, {ssCtrl}},           // Ctrl+L
        {16455, 0x47, 2, {ssCtrl}},           // Ctrl+G
        {0x6074, 0x74, 6, {ssShift, ssCtrl}}, // Shift+Ctrl+F5
        {0x8000 | 'X', 'X', 1, {ssAlt}},      // Alt+X
        {0xE000 | 0x1FFF, 0x1FFF, 7, {ssShift, ssCtrl, ssAlt}},
    };
    for (const auto& c : cases) {
        uint16_t key = 0;
        unsigned modifiers = 0;
        TVQHotKey::Registration(c.shortCut, key, modifiers);
        EXPECT_EQ(key, c.key) << c.shortCut;
        EXPECT_EQ(modifiers, c.modifiers) << c.shortCut;
        TShiftState shift;
        TVQHotKey::Decode(c.shortCut, key, shift);
        EXPECT_TRUE(shift == c.shift) << c.shortCut;
    }
}

TEST(VQHotKey, WithoutSystemKeysLocalKeysWorkWhileTheProgramIsActive) {
    TReports reports;
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList log;
    TVQHotKey key(nullptr);
    key.SetGlobal(false);
    key.OnHotKey = [&](TObject* s, uint16_t& k, TShiftState shift) {
        EXPECT_EQ(s, &key);
        log << QString::number(k, 16) + (shift == TShiftState{ssCtrl} ? " ctrl" : " ?");
        if (log.size() == 3) throw Exception("handler failed");
    };
    EXPECT_EQ(key.State(), THotKeyState::Idle);
    key.SetHotKey(16460);
    ASSERT_EQ(key.State(), THotKeyState::Local);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_L); // not the combination
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(log, QStringList{"4c ctrl"});
    // No grabs and no portal here: a global key says so and never fires, keeping its
    // properties; made local again it works.
    key.SetGlobal(true);
    EXPECT_EQ(key.State(), THotKeyState::Unavailable);
    EXPECT_EQ(key.HotKey(), 16460);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(log, QStringList{"4c ctrl"});
    key.SetGlobal(false);
    ASSERT_EQ(key.State(), THotKeyState::Local);

    key.SetEnabled(false);
    EXPECT_EQ(key.State(), THotKeyState::Idle);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    key.SetEnabled(true);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    key.SetHotKey(0);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    key.SetHotKey(16460);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier); // the handler throws
    EXPECT_EQ(log, QStringList({"4c ctrl", "4c ctrl", "4c ctrl"}));
    EXPECT_EQ(reports.Log, QStringList{"handler failed."});

    // While designed nothing is registered; the value is still stored.
    TVQHotKey designed(nullptr);
    designed.SetDesigning(true);
    designed.SetHotKey(16455);
    EXPECT_EQ(designed.HotKey(), 16455);
    EXPECT_EQ(designed.State(), THotKeyState::Idle);
}

class VQTrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        Icon.OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            Log << QStringLiteral("down %1%2 %3,%4")
                       .arg(int(b))
                       .arg(s.Contains(ssDouble) ? " dbl" : "")
                       .arg(x)
                       .arg(y);
        };
        Icon.OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            Log << QStringLiteral("up %1").arg(int(b));
        };
        Icon.OnMouseMove = [this](TObject*, TShiftState, int x, int y) {
            Log << QStringLiteral("move %1,%2").arg(x).arg(y);
        };
        Icon.OnClick = [this](TObject*) { Log << "click"; };
        Icon.OnDblClick = [this](TObject*) { Log << "dblclick"; };
    }
    void Mouse(TTrayMouseKind kind, TMouseButton button) {
        TTrayMouseEvent e;
        e.Kind = kind;
        e.Button = button;
        e.X = 5;
        e.Y = 7;
        Icon.MouseEvent(e);
    }
    TVQTrayIcon Icon{nullptr};
    QStringList Log;
};

TEST_F(VQTrayIconTest, MouseReportsBecomeEventsInTheirOrder) {
    using K = TTrayMouseKind;
    Mouse(K::Move, mbLeft);
    Mouse(K::Down, mbLeft);
    Mouse(K::Up, mbLeft);
    Mouse(K::DoubleClick, mbLeft);
    Mouse(K::Up, mbLeft);
    Mouse(K::Down, mbMiddle);
    Mouse(K::Up, mbMiddle);
    Mouse(K::DoubleClick, mbRight);
    Mouse(K::DoubleClick, mbMiddle);
    // Only the left button's double click is OnDblClick.
    EXPECT_EQ(Log, QStringList({"move 5,7", "down 0 5,7", "click", "up 0", "dblclick",
                                "down 0 dbl 5,7", "click", "up 0", "down 2 5,7", "up 2",
                                "down 1 dbl 5,7", "down 2 dbl 5,7"}));
}

TEST_F(VQTrayIconTest, RightReleasePopsTheMenuAfterTheUpEvent) {
    TReports reports;
    auto* menu = new TPopupMenu(nullptr);
    // OnPopup tells that the menu was asked for; with no items nothing is shown.
    menu->OnPopup = [&](TObject*) {
        Log << "popup";
        EXPECT_EQ(menu->PopupComponent(), &Icon);
    };
    Icon.SetPopupMenu(menu);
    Mouse(TTrayMouseKind::Up, mbRight);
    menu->SetAutoPopup(false);
    Mouse(TTrayMouseKind::Up, mbRight);
    EXPECT_EQ(Log, QStringList({"up 1", "popup", "up 1"}));
    // A freed menu is forgotten.
    delete menu;
    EXPECT_EQ(Icon.PopupMenu(), nullptr);
    Mouse(TTrayMouseKind::Up, mbRight);
    // A failing handler goes to the exception report; the next event still arrives.
    Icon.OnClick = [](TObject*) { throw Exception("click failed"); };
    Mouse(TTrayMouseKind::Up, mbLeft);
    EXPECT_EQ(reports.Log, QStringList{"click failed."});
    Mouse(TTrayMouseKind::Down, mbLeft);
    EXPECT_EQ(Log.last(), "down 0 5,7");
}

TEST_F(VQTrayIconTest, HintIsCutTo63Characters) {
    EXPECT_EQ(TVQTrayIcon::TipText(QString(70, 'h')), QString(63, 'h'));
    EXPECT_EQ(TVQTrayIcon::TipText("This is a sample hint!"), "This is a sample hint!");
    Icon.SetHint(QString(64, 'a'));
    Icon.SetVisible(true);
    EXPECT_EQ(Icon.Host().ToolTip(), QString(63, 'a'));
    EXPECT_EQ(Icon.Host().Shown(), true);
    Icon.SetHint("changed");
    EXPECT_EQ(Icon.Host().ToolTip(), "changed");
    Icon.SetVisible(false);
    EXPECT_FALSE(Icon.Host().Shown());
    // While designed, nothing reaches the notification area.
    TVQTrayIcon designed(nullptr);
    designed.SetDesigning(true);
    designed.SetVisible(true);
    EXPECT_FALSE(designed.Host().Shown());
}

class ShellHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Home.isValid());
        Saved = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME")};
        qputenv("HOME", Home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", Home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", Home.filePath("data").toUtf8());
        QDir(Home.path()).mkpath("config");
        QFile dirs(Home.filePath("config/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/My Desk\"\n");
        dirs.close();
        InitializeVQShell();
    }
    void TearDown() override {
        qputenv("HOME", Saved[0]);
        qputenv("XDG_CONFIG_HOME", Saved[1]);
        qputenv("XDG_DATA_HOME", Saved[2]);
        FinalizeVQShell();
    }
    QTemporaryDir Home;
    QList<QByteArray> Saved;
};

TEST_F(ShellHelpersTest, SpecialFoldersComeFromTheUserDirectories) {
    ASSERT_TRUE(ShellAvailable());
    String path = "unchanged";
    ASSERT_TRUE(GetSpecialFolderPath(0, path));
    EXPECT_EQ(path, Home.filePath("My Desk"));
    EXPECT_TRUE(QDir(path).exists()); // made when the settings name it
    ASSERT_TRUE(GetSpecialFolderPath(2, path));
    EXPECT_EQ(path, Home.filePath("data/applications"));
    path = "unchanged";
    EXPECT_FALSE(GetSpecialFolderPath(5, path));
    EXPECT_EQ(path, "unchanged");
}

TEST_F(ShellHelpersTest, ShortcutsTakeTheExtensionOnce) {
    const QString desk = Home.filePath("My Desk");
    QDir().mkpath(desk);
    const struct {
        QString given, written;
    } cases[] = {
        {"Sample Shortcut", "Sample Shortcut.desktop"},
        {"Ready.desktop", "Ready.desktop"},
        {"Upper.DESKTOP", "Upper.DESKTOP.desktop"},
        {"v1.2 notes", "v1.2 notes.desktop"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CreateShortcut(desk + "/" + c.given, "d", "true", "", "", "", 0, 1), 0);
        EXPECT_TRUE(QFile::exists(desk + "/" + c.written)) << c.written.toStdString();
    }
    EXPECT_EQ(QDir(desk).entryList(QDir::Files | QDir::Hidden).size(), 4);
    QFile f(desk + "/Sample Shortcut.desktop");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\nName=Sample Shortcut\nComment=d\nExec=true\n"));

    // Without a shell: the platform's "unexpected" code and nothing written.
    SetShellAvailable(false);
    EXPECT_EQ(CreateShortcut(desk + "/None", "", "true", "", "", "", 0, 1), int32_t(0x8000FFFF));
    EXPECT_FALSE(QFile::exists(desk + "/None.desktop"));
    String path = "kept";
    EXPECT_FALSE(GetSpecialFolderPath(0, path));
    EXPECT_FALSE(BrowseForFolder("t", path));
    EXPECT_FALSE(BrowseForProgramFolder("t", path));
    EXPECT_EQ(path, "kept");
}

TEST_F(ShellHelpersTest, ProgramPickerIsRootedAtTheApplicationsFolder) {
    const QString apps = Home.filePath("data/applications");
    QDir().mkpath(apps + "/Games");
    String path;
    QString root;
    QTimer::singleShot(0, [&] {
        auto* b = dynamic_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(b, nullptr);
        root = b->Root();
        EXPECT_FALSE(b->SetSelectedPath(Home.path()));
        EXPECT_TRUE(b->SetSelectedPath(apps + "/Games"));
        b->accept();
    });
    EXPECT_TRUE(BrowseForProgramFolder("Select a folder to create the group in.", path));
    EXPECT_EQ(root, apps);
    EXPECT_EQ(path, apps + "/Games");
}

} // namespace
