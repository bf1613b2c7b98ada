// The demo on a Wayland compositor (weston-run.sh: weston's headless backend, Qt's wayland
// platform, a private session bus). The headless compositor has no seat, so input comes from
// Qt's test events and the keyboard focus the compositor would give is given with
// setActiveWindow. With VQ_WESTON_SHOTS set, the compositor's screenshots are saved there.

#include "E2ESupport.h"
#include "NotifierWatcher.h"

#include "app/DemoProgram.h"
#include "app/Form3.h"
#include "app/Form5.h"
#include "app/Form7.h"
#include "app/MainForm.h"
#include "components/dialogs/VQCalPop/VQCalendarFm.h"
#include "components/dialogs/VQCalPop/VQCalendarPopup.h"
#include "components/std/VQCalendar.h"
#include "components/std/VQHotKey.h"
#include "components/std/VQMenuButton.h"
#include "components/std/VQShellFunctions.h"
#include "components/std/VQSplitter.h"
#include "components/std/VQTrayIcon.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/Screen.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"

#include <QApplication>
#include <QDBusMetaType>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The desktop portal's global shortcuts as a desktop offers them: sessions, bound shortcuts
// (or a refusal, as when the user declines), and presses sent as Activated.
struct TShortcutEntry {
    QString Id;
    QVariantMap Options;
};

} // namespace

Q_DECLARE_METATYPE(TShortcutEntry)

namespace {

QDBusArgument& operator<<(QDBusArgument& arg, const TShortcutEntry& s) {
    arg.beginStructure();
    arg << s.Id << s.Options;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TShortcutEntry& s) {
    arg.beginStructure();
    arg >> s.Id >> s.Options;
    arg.endStructure();
    return arg;
}

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

class TTestPortal : public QDBusVirtualObject {
public:
    explicit TTestPortal(bool grant) : FGrant(grant) {
        qDBusRegisterMetaType<TShortcutEntry>();
        qDBusRegisterMetaType<QList<TShortcutEntry>>();
    }
    bool Start() {
        QDBusConnection bus = Bus();
        return bus.registerService(kPortalService) &&
               bus.registerVirtualObject(kPortalPath, this, QDBusConnection::SubPath);
    }
    // A press of a bound shortcut, as the desktop reports it.
    void Activate(const QString& id) {
        QDBusMessage m = QDBusMessage::createSignal(kPortalPath, kShortcutsInterface,
                                                    QStringLiteral("Activated"));
        m << QVariant::fromValue(QDBusObjectPath(Session)) << id << qulonglong(0) << QVariantMap();
        Bus().send(m);
    }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        const QList<QVariant> args = message.arguments();
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        if (member == QLatin1String("Get")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
            return true;
        }
        if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = qdbus_cast<QVariantMap>(args.value(0));
            Session = kPortalPath + "/session/" + sender + "/" +
                      options.value("session_handle_token").toString();
            Respond(connection, message, sender, options, 0, {{"session_handle", Session}});
            Log << "session";
            return true;
        }
        if (member == QLatin1String("BindShortcuts")) {
            const auto shortcuts = qdbus_cast<QList<TShortcutEntry>>(args.value(1));
            QList<TShortcutEntry> bound;
            for (const TShortcutEntry& s : shortcuts) {
                Log << "bind " + s.Options.value("preferred_trigger").toString();
                Ids << s.Id;
                bound.push_back({s.Id, {{"trigger_description", "Ctrl+G"}}});
            }
            Respond(connection, message, sender, qdbus_cast<QVariantMap>(args.value(3)),
                    FGrant ? 0 : 1, {{"shortcuts", QVariant::fromValue(bound)}});
            return true;
        }
        return false;
    }

    QString Session;
    QStringList Ids;
    QStringList Log;

private:
    static QDBusConnection Bus() {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "test-portal");
    }
    static void Respond(const QDBusConnection& connection, const QDBusMessage& message,
                        const QString& sender, const QVariantMap& options, uint code,
                        const QVariantMap& results) {
        const QString request =
            kPortalPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << code << results;
        connection.send(response);
    }
    bool FGrant;
};

class WaylandE2E : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            GTEST_SKIP() << "not on a Wayland compositor (run through weston-run.sh)";
        FPrevious = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Log << "box " + r.Message;
            return mrOk;
        });
        TApplication::SetExceptionReportHook([this](const String& m) { Log << "error " + m; });
    }
    void Start() {
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
        MainFm->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(MainFm->Widget()));
        Focus(MainFm);
    }
    void TearDown() override {
        if (MainFm) FProgram.Finish();
        SetMessageDlgHook(FPrevious);
        TApplication::SetExceptionReportHook(nullptr);
    }

    // What the compositor does when it gives a window the keyboard.
    static void Focus(TForm* form) {
        QApplication::setActiveWindow(form->Widget());
        ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == form->Widget(); }));
    }
    static void Click(TControl* control, QPoint at = {}) {
        QWidget* w = control->Widget();
        QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    }
    // Runs check as soon as the event loop runs again (inside the modal loop a click starts).
    static void Then(std::function<void()> check) { QTimer::singleShot(0, qApp, std::move(check)); }
    void Shot(const QString& name) {
        const QString dir = qEnvironmentVariable("VQ_WESTON_SHOTS");
        if (dir.isEmpty() || !QDir().mkpath(dir)) return;
        QTest::qWait(300); // the compositor repaints its output
        QProcess p;
        p.setWorkingDirectory(dir);
        p.start("weston-screenshooter", {});
        ASSERT_TRUE(p.waitForFinished(5000));
        for (const QString& f : QDir(dir).entryList({"wayland-screenshot*.png"}))
            QDir(dir).rename(f, name + ".png");
    }
    TControl* Named(TForm* form, const char* name) {
        auto* c = dynamic_cast<TControl*>(form->FindComponent(QString::fromLatin1(name)));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // Shows the page a control sits on.
    static void ShowPageOf(TControl* control) {
        for (TControl* c = control; c; c = c->Parent())
            if (auto* page = dynamic_cast<TTabSheet*>(c)) MainFm->MainPc->SetActivePage(page);
    }

    TDemoProgram FProgram;
    TMessageDlgHook FPrevious;
    QStringList Log;
};

TEST_F(WaylandE2E, DemoWindowsOpenModallyOverTheMainWindowAndClose) {
    Start();
    EXPECT_FALSE(TScreen::PlacesWindows());
    Shot("main-window");
    for (const char* name :
         {"Form2Bt", "Form3Bt", "Form4Bt", "Button1", "Button2", "Button3", "Button5"}) {
        SCOPED_TRACE(name);
        TControl* button = Named(MainFm, name);
        ASSERT_NE(button, nullptr);
        ShowPageOf(button);
        QWidget* opened = nullptr;
        bool checked = false;
        Then([&] {
            // The modal window is a toplevel whose parent the compositor is told, so it stays
            // above the main window; the main window takes no input meanwhile.
            checked = true;
            opened = QApplication::activeModalWidget();
            ASSERT_NE(opened, nullptr);
            EXPECT_TRUE(WaitUntil([&] { return opened->windowHandle()->isExposed(); }));
            EXPECT_NE(opened->windowModality(), Qt::NonModal);
            EXPECT_EQ(opened->windowHandle()->transientParent(), MainFm->Widget()->windowHandle());
            EXPECT_FALSE(MainFm->Widget()->isEnabled());
            if (std::string(name) == "Form4Bt") Shot("wizard");
            // The close button of the window's title bar.
            opened->windowHandle()->close();
        });
        Click(button);
        EXPECT_TRUE(checked);
        ASSERT_NE(opened, nullptr);
        EXPECT_FALSE(opened->isVisible());
        EXPECT_TRUE(MainFm->Widget()->isEnabled());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(Log, QStringList());
}

TEST_F(WaylandE2E, CalendarPopupOpensBelowItsButtonAndClosesOnAClickElsewhere) {
    Start();
    TControl* open = Named(MainFm, "Button1");
    ASSERT_NE(open, nullptr);
    ShowPageOf(open);
    QStringList steps;
    Then([&] {
        ASSERT_TRUE(WaitUntil([] { return Form5Fm->Widget()->windowHandle()->isExposed(); }));
        Focus(Form5Fm);
        Click(Form5Fm->Button1);
        TVQCalendarFm* popup = Form5Fm->VQCalendarPopup1->Form();
        ASSERT_NE(popup, nullptr);
        QWidget* w = popup->Widget();
        ASSERT_TRUE(WaitUntil([&] { return w->windowHandle()->isExposed(); }));
        // A popup of the demo window, below the button at its left edge (Wayland positions a
        // popup relative to its parent, so the offset is what counts).
        EXPECT_EQ(w->windowType(), Qt::Popup);
        EXPECT_EQ(w->windowHandle()->transientParent(), Form5Fm->Widget()->windowHandle());
        QWidget* button = Form5Fm->Button1->Widget();
        EXPECT_EQ(w->geometry().topLeft(), button->mapToGlobal(QPoint(0, button->height())));
        steps << "open";
        Shot("calendar-popup");
        // A click on the demo window beside the popup closes it: sent to the window, as the
        // compositor delivers it, so Qt's popup handling sees it first.
        QTest::mouseClick(Form5Fm->Widget()->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        if (WaitUntil([&] { return !Form5Fm->VQCalendarPopup1->Form() || !w->isVisible(); }))
            steps << "closed";
        Form5Fm->Widget()->windowHandle()->close();
    });
    Click(open);
    EXPECT_EQ(steps, QStringList({"open", "closed"}));
    EXPECT_EQ(Log, QStringList());
}

TEST_F(WaylandE2E, MenuButtonMenuIsAPopupOfItsWindowAndTheSplitterDrags) {
    Start();
    TControl* open = Named(MainFm, "Form3Bt");
    ASSERT_NE(open, nullptr);
    ShowPageOf(open);
    QStringList steps;
    Then([&] {
        ASSERT_TRUE(WaitUntil([] { return Form3Fm->Widget()->windowHandle()->isExposed(); }));
        Focus(Form3Fm);
        QWidget* button = Form3Fm->VQMenuButton1->Widget();
        Then([&] {
            auto* menu = QApplication::activePopupWidget();
            ASSERT_NE(menu, nullptr);
            EXPECT_TRUE(WaitUntil([&] { return menu->windowHandle()->isExposed(); }));
            EXPECT_EQ(menu->windowHandle()->transientParent(), Form3Fm->Widget()->windowHandle());
            EXPECT_NEAR(menu->geometry().top(),
                        button->mapToGlobal(QPoint(0, button->height())).y(), 1);
            steps << "menu";
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
        // The bar follows the pointer while the button is held (the capture is the program's
        // own, so a compositor's pointer focus does not matter).
        TVQSplitter* splitter = Form3Fm->VQSplitter1;
        const int before = splitter->Position();
        QWindow* window = Form3Fm->Widget()->windowHandle();
        const QPoint grip = splitter->Widget()->mapTo(Form3Fm->Widget(), QPoint(before + 1, 60));
        QTest::mousePress(window, Qt::LeftButton, {}, grip);
        QTest::mouseMove(window, grip + QPoint(30, 0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, grip + QPoint(30, 0));
        if (splitter->Position() == before + 30) steps << "dragged";
        Form3Fm->Widget()->windowHandle()->close();
    });
    Click(open);
    EXPECT_EQ(steps, QStringList({"menu", "dragged"}));
}

TEST_F(WaylandE2E, DraggingOntoTheReadOnlyCalendarNamesTheCell) {
    Start();
    TControl* open = Named(MainFm, "Button3");
    ASSERT_NE(open, nullptr);
    ShowPageOf(open);
    Then([&] {
        ASSERT_TRUE(WaitUntil([] { return Form7Fm->Widget()->windowHandle()->isExposed(); }));
        Focus(Form7Fm);
        // "Drag Me!" onto a cell of the calendar, through the window as the compositor sends
        // the pointer (it stays with the pressed window).
        QWidget* form = Form7Fm->Widget();
        QWindow* window = form->windowHandle();
        QWidget* button = Form7Fm->BitBtn1->Widget();
        const QPoint from = button->mapTo(form, button->rect().center());
        int col = 0, row = 0;
        TVQCalendar* cal = Form7Fm->VQCalendar1;
        const QPoint cell = cal->Widget()->mapTo(form, QPoint(cal->Width() / 2, cal->Height() / 2));
        ASSERT_TRUE(cal->CellAtPoint(TPoint{cal->Width() / 2, cal->Height() / 2}, col, row));
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(window, from + (cell - from) * i / 4);
        QTest::mouseRelease(window, Qt::LeftButton, {}, cell);
        EXPECT_EQ(Log, QStringList{"box You dropped on: " + cal->CellText(col, row)});
        window->close();
    });
    Click(open);
}

TEST_F(WaylandE2E, HotKeysAndTrayWithoutPortalOrPanel) {
    Start();
    // Ctrl+L is watched by the program itself; Ctrl+G has nothing to be held by, and says so.
    EXPECT_EQ(MainFm->VQHotKey1->State(), THotKeyState::Local);
    ASSERT_TRUE(WaitUntil([] { return MainFm->VQHotKey2->State() != THotKeyState::Pending; }));
    EXPECT_EQ(MainFm->VQHotKey2->State(), THotKeyState::Unavailable);
    EXPECT_EQ(MainFm->VQHotKey2->HotKey(), 16455);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(Log, QStringList{"box The local hot key was pressed!"});
    // The hot key page tells once that Ctrl+G cannot work.
    Log.clear();
    MainFm->MainPc->SetActivePage(MainFm->WelcomeWp);
    for (int i = 0; i < 2; ++i) {
        while (MainFm->MainPc->ActivePage() != MainFm->TabSheet9)
            MainFm->MainPc->SelectNextPage(true);
        MainFm->MainPc->SelectNextPage(true);
    }
    ASSERT_EQ(Log.size(), 1);
    EXPECT_TRUE(Log[0].startsWith("box Ctrl+G cannot work as a global hot key"))
        << Log[0].toStdString();
    // No panel on the bus: no tray entry (there is no X11 tray to fall back to).
    EXPECT_FALSE(PlaceWindowOnScreen(MainFm->Widget(), 1));
    MainFm->ShowTrayIconCb->SetChecked(true);
    QTest::qWait(300);
    EXPECT_EQ(MainFm->TrayIconTi->TrayMode(), TTrayMode::None);
}

TEST_F(WaylandE2E, GlobalHotKeyThroughThePortalAndTrayOnThePanel) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "no private session bus (run through dbus-run.sh)";
    TTestPortal portal(true);
    ASSERT_TRUE(portal.Start());
    TTestWatcher watcher(true);
    ASSERT_TRUE(watcher.Start());
    Start();
    ASSERT_TRUE(WaitUntil([] { return MainFm->VQHotKey2->State() != THotKeyState::Pending; }));
    EXPECT_EQ(MainFm->VQHotKey2->State(), THotKeyState::Grabbed);
    EXPECT_EQ(portal.Log, QStringList({"session", "bind CTRL+g"}));
    ASSERT_EQ(portal.Ids.size(), 1);
    // A press while another program is active comes from the desktop.
    QApplication::setActiveWindow(nullptr);
    portal.Activate(portal.Ids[0]);
    ASSERT_TRUE(WaitUntil([&] { return !Log.isEmpty(); }));
    EXPECT_EQ(Log, QStringList{"box The global hot key was pressed!"});
    // The hot key page has nothing to say; the panel shows the tray entry.
    Log.clear();
    MainFm->MainPc->SetActivePage(MainFm->WelcomeWp);
    while (MainFm->MainPc->ActivePage() != MainFm->TabSheet9)
        MainFm->MainPc->SelectNextPage(true);
    EXPECT_EQ(Log, QStringList());
    MainFm->ShowTrayIconCb->SetChecked(true);
    EXPECT_TRUE(WaitUntil([&] { return !watcher.Items.isEmpty(); }));
    EXPECT_EQ(MainFm->TrayIconTi->TrayMode(), TTrayMode::StatusNotifierItem);
    // Gone with the program: the session's shortcut is no longer delivered.
    FProgram.Finish();
    portal.Activate(portal.Ids[0]);
    QTest::qWait(200);
    EXPECT_EQ(Log, QStringList());
}

TEST_F(WaylandE2E, DeclinedShortcutIsRefusedAndTold) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "no private session bus (run through dbus-run.sh)";
    TTestPortal portal(false);
    ASSERT_TRUE(portal.Start());
    Start();
    ASSERT_TRUE(WaitUntil([] { return MainFm->VQHotKey2->State() != THotKeyState::Pending; }));
    EXPECT_EQ(MainFm->VQHotKey2->State(), THotKeyState::Refused);
    MainFm->MainPc->SetActivePage(MainFm->WelcomeWp);
    while (MainFm->MainPc->ActivePage() != MainFm->TabSheet9)
        MainFm->MainPc->SelectNextPage(true);
    EXPECT_EQ(Log, QStringList{"box Ctrl+G cannot work as a global hot key in this session: the "
                               "desktop did not grant it."});
}

} // namespace
