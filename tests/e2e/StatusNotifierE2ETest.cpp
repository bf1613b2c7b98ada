// The demo's tray icon in a StatusNotifierItem host: the real main window and its "Show tray
// icon" check box, a watcher and host of the test's own on a private session bus
// (dbus-run.sh), and trayer as the X11 tray beside them, so the choice between the two shows.

#include "E2ESupport.h"
#include "NotifierWatcher.h"

#include "app/DemoProgram.h"
#include "app/MainForm.h"
#include "components/std/VQTrayIcon.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"
#include "framework/stdctrls/CheckBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTimer>
#include <QtEndian>

namespace {

const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// Names the signals an object sends (D-Bus signals reach only slots).
class TSignalLog : public QObject {
    Q_OBJECT
public:
    QStringList Heard;
public slots:
    void Signal(const QDBusMessage& m) { Heard << m.member(); }
};

// One event of a dbusmenu EventGroup: (isvu).
struct TMenuEvent {
    int Id = 0;
    QString Type;
};

QDBusArgument& operator<<(QDBusArgument& arg, const TMenuEvent& e) {
    arg.beginStructure();
    arg << e.Id << e.Type << QDBusVariant(0) << 0u;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TMenuEvent& e) {
    QDBusVariant data;
    uint timestamp = 0;
    arg.beginStructure();
    arg >> e.Id >> e.Type >> data >> timestamp;
    arg.endStructure();
    return arg;
}

struct TPixmap {
    int Width = 0, Height = 0;
    QByteArray Data;
    QRgb Pixel(int x, int y) const {
        return qFromBigEndian<quint32>(Data.constData() + (y * Width + x) * 4);
    }
};

QList<TPixmap> Pixmaps(const QDBusArgument& arg) {
    QList<TPixmap> out;
    arg.beginArray();
    while (!arg.atEnd()) {
        TPixmap p;
        arg.beginStructure();
        arg >> p.Width >> p.Height >> p.Data;
        arg.endStructure();
        out << p;
    }
    arg.endArray();
    return out;
}

// A layout node as "id: name=value ..." lines, children indented, ids left out.
void DescribeLayout(const QDBusArgument& arg, QStringList& lines, int depth,
                    QMap<QString, int>* ids = nullptr) {
    int id = 0;
    QVariantMap props;
    arg.beginStructure();
    arg >> id >> props;
    QStringList parts;
    for (auto it = props.begin(); it != props.end(); ++it) {
        QString value = it->toString();
        if (it->canConvert<QDBusArgument>()) { // the shortcut, aas
            QList<QStringList> keys;
            qvariant_cast<QDBusArgument>(*it) >> keys;
            QStringList joined;
            for (const QStringList& k : keys)
                joined << k.join('+');
            value = joined.join(',');
        }
        parts << it.key() + "=" + value;
    }
    lines << QString(depth * 2, ' ') + parts.join(' ');
    if (ids) ids->insert(props.value("label").toString(), id);
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        DescribeLayout(qvariant_cast<QDBusArgument>(child.variant()), lines, depth + 1, ids);
    }
    arg.endArray();
    arg.endStructure();
}

} // namespace

Q_DECLARE_METATYPE(TMenuEvent)

namespace {

class NotifierE2E : public ::testing::Test {
protected:
    void SetUp() override {
        qDBusRegisterMetaType<TMenuEvent>();
        qDBusRegisterMetaType<QList<TMenuEvent>>();
        E2E_REQUIRE_X11();
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "no private session bus (run through dbus-run.sh)";
        if (QStandardPaths::findExecutable("trayer").isEmpty())
            GTEST_SKIP() << "trayer is not installed";
        FPrevious = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Log << "box " + r.Message;
            return mrOk;
        });
        TApplication::SetExceptionReportHook([this](const String& m) { Log << "error " + m; });
        // An X11 tray runs beside the StatusNotifierItem host throughout.
        Tray.start("trayer", {"--edge", "top", "--align", "left", "--widthtype", "request",
                              "--height", "32", "--expand", "false"});
        ASSERT_TRUE(Tray.waitForStarted());
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
        Icon = MainFm->TrayIconTi;
        // The demo's own handlers stay; these note the rest of the sequence.
        Icon->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            Log << QStringLiteral("down %1%2 %3,%4")
                       .arg(int(b))
                       .arg(s.Contains(ssDouble) ? " dbl" : "")
                       .arg(x)
                       .arg(y);
        };
        Icon->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            Log << QStringLiteral("up %1").arg(int(b));
        };
        Icon->OnClick = [this](TObject*) { Log << "click"; };
    }
    void TearDown() override {
        if (MainFm) FProgram.Finish();
        Watcher.Stop();
        Tray.kill();
        Tray.waitForFinished();
        SetMessageDlgHook(FPrevious);
        TApplication::SetExceptionReportHook(nullptr);
    }

    // Checks the box as a user would and waits for the entry to register; its bus name.
    QString ShowRegistered() {
        MainFm->ShowTrayIconCb->SetChecked(true);
        EXPECT_TRUE(WaitUntil([&] { return !Watcher.Items.isEmpty(); }))
            << "no registration; mode " << int(Icon->TrayMode());
        EXPECT_EQ(Icon->TrayMode(), TTrayMode::StatusNotifierItem);
        return Watcher.Items.value(0);
    }
    QVariantMap ItemProperties(const QString& service) {
        const QDBusMessage r =
            HostCall(service, "/StatusNotifierItem", kProperties, "GetAll", {kItemInterface});
        EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
        return qdbus_cast<QVariantMap>(r.arguments().value(0));
    }
    QDBusMessage ItemCall(const QString& service, const QString& method, const QVariantList& args) {
        return HostCall(service, "/StatusNotifierItem", kItemInterface, method, args);
    }
    QStringList Layout(const QString& service, QMap<QString, int>* ids = nullptr) {
        const QDBusMessage r =
            HostCall(service, "/MenuBar", kMenuInterface, "GetLayout", {0, -1, QStringList()});
        EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
        QStringList lines;
        if (r.arguments().size() == 2)
            DescribeLayout(qvariant_cast<QDBusArgument>(r.arguments()[1]), lines, 0, ids);
        return lines;
    }
    void Listen(const QString& service, const QString& path, const QString& iface,
                const QString& name) {
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, kHostConnection)
            .connect(service, path, iface, name, &Signals, SLOT(Signal(QDBusMessage)));
    }

    TTestWatcher Watcher{true};
    QProcess Tray;
    TDemoProgram FProgram;
    TMessageDlgHook FPrevious;
    TVQTrayIcon* Icon = nullptr;
    QStringList Log;
    TSignalLog Signals;
};

TEST_F(NotifierE2E, DemoIconRegistersWithEveryPropertyAndLeavesWithTheCheckBox) {
    ASSERT_TRUE(Watcher.Start());
    const QString service = ShowRegistered();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^org\\.kde\\.StatusNotifierItem-%1-\\d+$")
                                       .arg(QCoreApplication::applicationPid()))
                    .match(service)
                    .hasMatch())
        << service.toStdString();
    EXPECT_EQ(Watcher.Registrations, 1);
    EXPECT_FALSE(Icon->Host().Docked()); // the X11 tray running too does not get it

    QVariantMap p = ItemProperties(service);
    EXPECT_EQ(p.value("Category").toString(), "ApplicationStatus");
    EXPECT_EQ(p.value("Id").toString(), QCoreApplication::applicationName());
    EXPECT_EQ(p.value("Id").toString(), TDemoProgram::Title);
    EXPECT_EQ(p.value("Title").toString(), QGuiApplication::applicationDisplayName());
    EXPECT_EQ(p.value("Status").toString(), "Active");
    EXPECT_EQ(p.value("ItemIsMenu"), QVariant(false));
    EXPECT_EQ(qdbus_cast<QDBusObjectPath>(p.value("Menu")).path(), "/MenuBar");
    auto toolTipTitle = [](const QVariant& v) {
        QString icon, title, description;
        const QDBusArgument arg = qvariant_cast<QDBusArgument>(v);
        arg.beginStructure();
        arg >> icon;
        Pixmaps(arg);
        arg >> title >> description;
        arg.endStructure();
        return title;
    };
    EXPECT_EQ(toolTipTitle(p.value("ToolTip")), "This is a sample hint!");
    // Hosts that build their proxies from the introspection data find both objects.
    for (const QString path : {"/StatusNotifierItem", "/MenuBar"}) {
        const QDBusMessage r =
            HostCall(service, path, "org.freedesktop.DBus.Introspectable", "Introspect");
        const QString iface = path == "/MenuBar" ? kMenuInterface : kItemInterface;
        EXPECT_TRUE(r.arguments().value(0).toString().contains("<interface name=\"" + iface))
            << path.toStdString();
    }

    // The icon in every size hosts ask for, ARGB in network byte order: at its natural size
    // where it fits, grown by whole factors, centred on transparency.
    const QImage icon = Icon->Icon()->Image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(16, 16));
    const QList<TPixmap> pixmaps = Pixmaps(qvariant_cast<QDBusArgument>(p.value("IconPixmap")));
    ASSERT_EQ(pixmaps.size(), 5);
    const struct {
        int size, factor, offset;
    } sizes[] = {{16, 1, 0}, {22, 1, 3}, {24, 1, 4}, {32, 2, 0}, {48, 3, 0}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(sizes[i].size);
        const TPixmap& px = pixmaps[i];
        ASSERT_EQ(px.Width, sizes[i].size);
        ASSERT_EQ(px.Height, sizes[i].size);
        ASSERT_EQ(px.Data.size(), px.Width * px.Height * 4);
        int differing = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                differing += px.Pixel(sizes[i].offset + x * sizes[i].factor,
                                      sizes[i].offset + y * sizes[i].factor) != icon.pixel(x, y);
        EXPECT_EQ(differing, 0);
        if (sizes[i].offset) {
            EXPECT_EQ(qAlpha(px.Pixel(0, 0)), 0);
        }
    }
    EXPECT_NE(icon.pixel(8, 8), icon.pixel(0, 0)); // the comparison sees the picture

    // Hosts learn of a new hint and a new icon by the protocol's signals.
    Listen(service, "/StatusNotifierItem", kItemInterface, "NewToolTip");
    Listen(service, "/StatusNotifierItem", kItemInterface, "NewIcon");
    Icon->SetHint(QString(70, 'h'));
    ASSERT_TRUE(WaitUntil([&] { return Signals.Heard.contains("NewToolTip"); }));
    EXPECT_FALSE(Signals.Heard.contains("NewIcon")); // the icon did not change
    EXPECT_EQ(toolTipTitle(ItemProperties(service).value("ToolTip")), QString(63, 'h'));
    QImage other(16, 16, QImage::Format_ARGB32);
    other.fill(qRgba(0x12, 0x34, 0x56, 0xff));
    TIcon changed;
    changed.SetImage(other);
    Icon->SetIcon(&changed);
    ASSERT_TRUE(WaitUntil([&] { return Signals.Heard.contains("NewIcon"); }));
    const QList<TPixmap> now =
        Pixmaps(qvariant_cast<QDBusArgument>(ItemProperties(service).value("IconPixmap")));
    ASSERT_EQ(now.size(), 5);
    EXPECT_EQ(now[0].Pixel(5, 5), qRgba(0x12, 0x34, 0x56, 0xff));

    // Clearing the check box takes the entry out of the host.
    MainFm->ShowTrayIconCb->SetChecked(false);
    EXPECT_EQ(Icon->TrayMode(), TTrayMode::None);
    EXPECT_TRUE(WaitUntil([&] { return Watcher.Items.isEmpty(); }));
    EXPECT_EQ(ItemCall(service, "Activate", {1, 1}).type(), QDBusMessage::ErrorMessage);
    EXPECT_TRUE(Log.isEmpty()) << Log.join(", ").toStdString();

    // A press whose handler hides the entry is followed by no release.
    Icon->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        Log << "down";
        MainFm->ShowTrayIconCb->SetChecked(false);
    };
    ItemCall(ShowRegistered(), "Activate", {1, 1});
    ASSERT_TRUE(WaitUntil([&] { return Watcher.Items.isEmpty(); }));
    QTest::qWait(100);
    EXPECT_EQ(Log, QStringList{"down"});
    // Freeing the window, and the component with it, takes a shown entry out too.
    ShowRegistered();
    FProgram.Finish();
    EXPECT_TRUE(WaitUntil([&] { return Watcher.Items.isEmpty(); }));
}

TEST_F(NotifierE2E, MenuAndActivationsRunTheDemosHandlers) {
    ASSERT_TRUE(Watcher.Start());
    const QString service = ShowRegistered();

    // The demo's menu as the host draws it: mnemonics, the default item.
    QMap<QString, int> ids;
    EXPECT_EQ(Layout(service, &ids),
              QStringList({"children-display=submenu", "  label=_Activate x-vq-default=true",
                           "  label=E_xit"}));
    // The host's "clicked" runs the item's handler once the call is answered.
    ASSERT_EQ(HostCall(service, "/MenuBar", kMenuInterface, "Event",
                       {ids.value("_Activate"), QStringLiteral("clicked"),
                        QVariant::fromValue(QDBusVariant(0)), 0u})
                  .type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitUntil([&] { return !Log.isEmpty(); }));
    EXPECT_EQ(Log, QStringList({"box If this was enabled, I'd be activated!"}));
    EXPECT_EQ(MainFm->PopupMenu1->PopupComponent(), Icon);

    // Items added later, of every kind: the host's AboutToShow finds the layout changed, and
    // LayoutUpdated has told it already.
    Listen(service, "/MenuBar", kMenuInterface, "LayoutUpdated");
    TPopupMenu* menu = MainFm->PopupMenu1;
    auto add = [&](const QString& caption) {
        auto* item = new TMenuItem(MainFm);
        item->SetCaption(caption);
        menu->Items()->Add(item);
        return item;
    };
    add("-");
    TMenuItem* red = add("&Red && blue_green");
    red->SetRadioItem(true);
    red->SetChecked(true);
    TMenuItem* green = add("Gr&een");
    green->SetRadioItem(true);
    green->OnClick = [this](TObject*) { Log << "green"; };
    add("&Disabled")->SetEnabled(false);
    add("Chec&ked")->SetChecked(true);
    add("&Save")->SetShortCut(TShortCut(scCtrl | scShift | 'S'));
    TMenuItem* sub = add("S&ub");
    auto* inner = new TMenuItem(MainFm);
    inner->SetCaption("&Inner");
    sub->Add(inner);
    add("Hidden")->SetVisible(false);
    const QDBusMessage shown = HostCall(service, "/MenuBar", kMenuInterface, "AboutToShow", {0});
    EXPECT_EQ(shown.arguments().value(0), QVariant(true));
    EXPECT_TRUE(WaitUntil([&] { return Signals.Heard.contains("LayoutUpdated"); }));
    EXPECT_EQ(Layout(service),
              QStringList({"children-display=submenu", "  label=_Activate x-vq-default=true",
                           "  label=E_xit", "  type=separator",
                           "  label=_Red & blue__green toggle-state=1 toggle-type=radio",
                           "  label=Gr_een toggle-state=0 toggle-type=radio",
                           "  enabled=false label=_Disabled",
                           "  label=Chec_ked toggle-state=1 toggle-type=checkmark",
                           "  label=_Save shortcut=Control+Shift+S",
                           "  children-display=submenu label=S_ub", "    label=_Inner"}));
    // Unchanged since: nothing to update.
    EXPECT_EQ(
        HostCall(service, "/MenuBar", kMenuInterface, "AboutToShow", {0}).arguments().value(0),
        QVariant(false));
    // The grouped requests of newer hosts: chosen properties of chosen items; events in a
    // batch, where an unknown id is reported and the others run.
    QMap<QString, int> now;
    Layout(service, &now);
    const QDBusMessage group = HostCall(service, "/MenuBar", kMenuInterface, "GetGroupProperties",
                                        {QVariant::fromValue(QList<int>{now.value("Gr_een")}),
                                         QStringList{"label", "toggle-type"}});
    const QDBusArgument groupArg = qvariant_cast<QDBusArgument>(group.arguments().value(0));
    QStringList groupSeen;
    groupArg.beginArray();
    while (!groupArg.atEnd()) {
        int id = 0;
        QVariantMap values;
        groupArg.beginStructure();
        groupArg >> id >> values;
        groupArg.endStructure();
        groupSeen << QString::number(id - now.value("Gr_een")) + " " +
                         QStringList(values.keys()).join(',') + " " +
                         values.value("label").toString();
    }
    groupArg.endArray();
    EXPECT_EQ(groupSeen, QStringList{"0 label,toggle-type Gr_een"});
    Log.clear();
    const QDBusMessage batch = HostCall(service, "/MenuBar", kMenuInterface, "EventGroup",
                                        {QVariant::fromValue(QList<TMenuEvent>{
                                            {now.value("Gr_een"), "clicked"}, {9999, "clicked"}})});
    EXPECT_EQ(qdbus_cast<QList<int>>(batch.arguments().value(0)), QList<int>{9999});
    ASSERT_TRUE(WaitUntil([&] { return !Log.isEmpty(); }));
    EXPECT_EQ(Log, QStringList{"green"});

    // Two activations within the double-click time are the double click, with the demo's
    // message; the point is the host's.
    Log.clear();
    ItemCall(service, "Activate", {40, 50});
    ItemCall(service, "Activate", {40, 50});
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 7; }));
    EXPECT_EQ(Log, QStringList({"down 0 40,50", "click", "up 0",
                                "box Try using the right mouse "
                                "button on the icon!",
                                "down 0 dbl 40,50", "click", "up 0"}));
    // A third one later is a click again; the middle button; scrolling is nothing.
    Log.clear();
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    ItemCall(service, "Activate", {1, 2});
    ItemCall(service, "SecondaryActivate", {3, 4});
    ItemCall(service, "Scroll", {120, QStringLiteral("vertical")});
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 5; }));
    QTest::qWait(100);
    EXPECT_EQ(Log, QStringList({"down 0 1,2", "click", "up 0", "down 2 3,4", "up 2"}));

    // A host that asks the item for its menu gets the right button and our own popup there.
    Log.clear();
    QRect menuRect;
    bool bold = false;
    QStringList logWhenShown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup || !popup->isVisible()) return;
        menuRect = popup->geometry();
        logWhenShown = Log;
        bold = !popup->actions().isEmpty() && popup->actions()[0]->font().bold();
        popup->close();
    });
    poll.start(50);
    ItemCall(service, "ContextMenu", {300, 200});
    ASSERT_TRUE(WaitUntil([&] { return !menuRect.isNull(); }));
    EXPECT_EQ(logWhenShown, QStringList({"down 1 300,200", "up 1"}));
    EXPECT_EQ(menuRect.topLeft(), QPoint(300, 200));
    EXPECT_TRUE(bold);
    // Without the automatic popup no menu is offered: the host asks the item instead.
    menu->SetAutoPopup(false);
    EXPECT_EQ(qdbus_cast<QDBusObjectPath>(ItemProperties(service).value("Menu")).path(),
              "/NO_DBUSMENU");
}

TEST_F(NotifierE2E, RegistersAgainWhenTheWatcherRestarts) {
    ASSERT_TRUE(Watcher.Start());
    const QString service = ShowRegistered();
    Watcher.Stop();
    QTest::qWait(300);
    ASSERT_TRUE(Watcher.Start()); // a new watcher knows no items
    ASSERT_TRUE(WaitUntil([&] { return Watcher.Items == QStringList{service}; }))
        << Watcher.Items.join(", ").toStdString();
    EXPECT_EQ(Icon->TrayMode(), TTrayMode::StatusNotifierItem);
    ItemCall(service, "Activate", {7, 8});
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 3; }));
    EXPECT_EQ(Log, QStringList({"down 0 7,8", "click", "up 0"}));
}

TEST_F(NotifierE2E, TheX11TrayServesWhereNoHostRuns) {
    auto docked = [&] {
        return Icon->TrayMode() == TTrayMode::XEmbed && Icon->Host().Docked() &&
               Icon->Host().ScreenRect().width() > 1;
    };
    // No watcher at all.
    MainFm->ShowTrayIconCb->SetChecked(true);
    ASSERT_TRUE(WaitUntil(docked)) << "mode " << int(Icon->TrayMode());
    QTest::qWait(100);
    const QPoint at = Icon->Host().ScreenRect().center();
    ASSERT_TRUE(XDo({"mousemove", QString::number(at.x()), QString::number(at.y())}));
    ASSERT_TRUE(XDo({"click", "--repeat", "2", "--delay", "80", "1"}));
    ASSERT_TRUE(WaitUntil([&] { return Log.size() >= 7; }));
    EXPECT_EQ(Log[3], "box Try using the right mouse button on the icon!");
    MainFm->ShowTrayIconCb->SetChecked(false);

    // A watcher without a host.
    TTestWatcher hostless(false);
    ASSERT_TRUE(hostless.Start());
    QTest::qWait(200);
    MainFm->ShowTrayIconCb->SetChecked(true);
    ASSERT_TRUE(WaitUntil(docked)) << "mode " << int(Icon->TrayMode());
    EXPECT_TRUE(hostless.Items.isEmpty());
    // A host that registers takes the entry over.
    hostless.RegisterHost();
    ASSERT_TRUE(WaitUntil([&] { return hostless.Items.size() == 1; }));
    EXPECT_EQ(Icon->TrayMode(), TTrayMode::StatusNotifierItem);
    EXPECT_FALSE(Icon->Host().Docked());
    // One that goes away for good gives it back to the X11 tray.
    hostless.Stop();
    EXPECT_TRUE(WaitUntil(docked, 8000)) << "mode " << int(Icon->TrayMode());
}

} // namespace

#include "StatusNotifierE2ETest.moc"
