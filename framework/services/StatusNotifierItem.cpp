#include "framework/services/StatusNotifierItem.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/services/DBusMenu.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr auto kInterface = "org.kde.StatusNotifierItem";
constexpr auto kItemPath = "/StatusNotifierItem";
constexpr auto kMenuPath = "/MenuBar";
constexpr auto kNoMenuPath = "/NO_DBUSMENU"; // hosts then ask the item (ContextMenu)
constexpr auto kWatcher = "org.kde.StatusNotifierWatcher";
constexpr auto kWatcherPath = "/StatusNotifierWatcher";
constexpr auto kProperties = "org.freedesktop.DBus.Properties";

// One image as the protocol sends it: (iiay), ARGB32 in network byte order.
struct TBusPixmap {
    int Width = 0;
    int Height = 0;
    QByteArray Data;
};

// The tool tip: (sa(iiay)ss), an icon name, pixmaps, a title and a description.
struct TBusToolTip {
    QString IconName;
    QList<TBusPixmap> Pixmaps;
    QString Title;
    QString Description;
};

QDBusArgument& operator<<(QDBusArgument& arg, const TBusPixmap& p) {
    arg.beginStructure();
    arg << p.Width << p.Height << p.Data;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TBusPixmap& p) {
    arg.beginStructure();
    arg >> p.Width >> p.Height >> p.Data;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TBusToolTip& t) {
    arg.beginStructure();
    arg << t.IconName << t.Pixmaps << t.Title << t.Description;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TBusToolTip& t) {
    arg.beginStructure();
    arg >> t.IconName >> t.Pixmaps >> t.Title >> t.Description;
    arg.endStructure();
    return arg;
}

} // namespace

Q_DECLARE_METATYPE(TBusPixmap)
Q_DECLARE_METATYPE(TBusToolTip)

namespace {

void RegisterTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<TBusPixmap>();
        qDBusRegisterMetaType<QList<TBusPixmap>>();
        qDBusRegisterMetaType<TBusToolTip>();
        return true;
    }();
    (void)done;
}

QList<TBusPixmap> BusPixmaps(const QImage& image) {
    QList<TBusPixmap> out;
    if (image.isNull()) return out;
    for (int size : TStatusNotifierItem::PixmapSizes) {
        const QImage at = TStatusNotifierItem::PixmapAt(image, size);
        TBusPixmap p{at.width(), at.height(),
                     QByteArray(qsizetype(at.width()) * at.height() * 4, 0)};
        auto* out32 = reinterpret_cast<uchar*>(p.Data.data());
        for (int y = 0; y < at.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(at.constScanLine(y));
            for (int x = 0; x < at.width(); ++x, out32 += 4)
                qToBigEndian(line[x], out32);
        }
        out.push_back(std::move(p));
    }
    return out;
}

Qt::MouseButton QtButton(TMouseButton button) {
    switch (button) {
    case mbRight:
        return Qt::RightButton;
    case mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

const char* const kIntrospection = R"xml(  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="WindowId" type="i" access="read"/>
    <property name="IconThemePath" type="s" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="OverlayIconName" type="s" access="read"/>
    <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionIconName" type="s" access="read"/>
    <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionMovieName" type="s" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="Menu" type="o" access="read"/>
    <method name="ContextMenu">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="Activate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="SecondaryActivate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="Scroll">
      <arg name="delta" type="i" direction="in"/>
      <arg name="orientation" type="s" direction="in"/>
    </method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewAttentionIcon"/>
    <signal name="NewOverlayIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus">
      <arg name="status" type="s"/>
    </signal>
  </interface>
)xml";

// The exported item. Freed later, never at once: a mouse handler it calls may remove the entry.
class TItemObject : public QDBusVirtualObject {
public:
    TItemObject(const QString& connectionName, const QString& id,
                TStatusNotifierItem::TMouseHandler handler, const TDBusMenu* menu)
        : FConnectionName(connectionName), FId(id), FHandler(std::move(handler)), FMenu(menu) {}

    // No more events, no more menu: the entry is being removed.
    void Detach() {
        FDetached = true;
        FHandler = nullptr;
        FMenu = nullptr;
    }
    void SetToolTip(const QString& text) {
        if (text == FToolTip) return;
        FToolTip = text;
        Signal("NewToolTip");
    }
    void SetIcon(const QImage& image) {
        // Every hint change passes the icon too.
        if (image == FImage) return;
        FImage = image;
        FPixmaps = BusPixmaps(image);
        Signal("NewIcon");
    }

    QString introspect(const QString& path) const override {
        return path == QLatin1String(kItemPath) ? QString::fromLatin1(kIntrospection) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (message.interface() == QLatin1String(kProperties)) {
            if (args.value(0).toString() != QLatin1String(kInterface)) return false;
            const QVariantMap all = Properties();
            if (member == QLatin1String("GetAll")) return connection.send(message.createReply(all));
            if (member == QLatin1String("Get") && all.contains(args.value(1).toString()))
                return connection.send(message.createReply(
                    QVariant::fromValue(QDBusVariant(all.value(args.value(1).toString())))));
            return false;
        }
        if (message.interface() != QLatin1String(kInterface) || args.size() != 2) return false;
        const int x = args[0].toInt(), y = args[1].toInt();
        if (member == QLatin1String("Activate")) {
            // Timed on arrival: the first click's handlers may keep the loop busy.
            const bool second =
                FLastActivate.isValid() &&
                FLastActivate.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
            if (second)
                FLastActivate.invalidate();
            else
                FLastActivate.start();
            Click(second ? TTrayMouseKind::DoubleClick : TTrayMouseKind::Down, mbLeft, x, y);
        } else if (member == QLatin1String("SecondaryActivate")) {
            Click(TTrayMouseKind::Down, mbMiddle, x, y);
        } else if (member == QLatin1String("ContextMenu")) {
            Click(TTrayMouseKind::Down, mbRight, x, y);
        } else if (member != QLatin1String("Scroll")) {
            return false;
        }
        return connection.send(message.createReply());
    }

private:
    void Signal(const char* name) {
        QDBusConnection(FConnectionName)
            .send(QDBusMessage::createSignal(QString::fromLatin1(kItemPath),
                                             QString::fromLatin1(kInterface),
                                             QString::fromLatin1(name)));
    }

    // The press and the release, from the event loop once the host has its answer.
    void Click(TTrayMouseKind press, TMouseButton button, int x, int y) {
        QTimer::singleShot(0, this, [this, press, button, x, y] {
            Application->Guard(nullptr, [&] {
                Deliver(press, button, x, y);
                Deliver(TTrayMouseKind::Up, button, x, y);
            });
        });
    }
    void Deliver(TTrayMouseKind kind, TMouseButton button, int x, int y) {
        if (FDetached) return; // the last handler removed the entry
        TTrayMouseEvent e;
        e.Kind = kind;
        e.Button = button;
        e.X = x;
        e.Y = y;
        e.Shift = ShiftStateFromQt(QGuiApplication::queryKeyboardModifiers(),
                                   kind == TTrayMouseKind::Up ? Qt::NoButton : QtButton(button));
        const TStatusNotifierItem::TMouseHandler handler = FHandler;
        handler(e);
    }

    QVariantMap Properties() const {
        const TPopupMenu* menu = FMenu ? FMenu->Menu() : nullptr;
        // A menu the host draws only where a right click would pop ours up.
        const bool offered = menu && menu->AutoPopup();
        const QVariant none = QVariant::fromValue(QList<TBusPixmap>());
        return {
            {QStringLiteral("Category"), QStringLiteral("ApplicationStatus")},
            {QStringLiteral("Id"), FId},
            {QStringLiteral("Title"), QGuiApplication::applicationDisplayName()},
            {QStringLiteral("Status"), QStringLiteral("Active")},
            {QStringLiteral("WindowId"), 0},
            {QStringLiteral("IconThemePath"), QString()},
            {QStringLiteral("IconName"), QString()},
            {QStringLiteral("IconPixmap"), QVariant::fromValue(FPixmaps)},
            {QStringLiteral("OverlayIconName"), QString()},
            {QStringLiteral("OverlayIconPixmap"), none},
            {QStringLiteral("AttentionIconName"), QString()},
            {QStringLiteral("AttentionIconPixmap"), none},
            {QStringLiteral("AttentionMovieName"), QString()},
            {QStringLiteral("ToolTip"), QVariant::fromValue(TBusToolTip{{}, {}, FToolTip, {}})},
            {QStringLiteral("ItemIsMenu"), false},
            {QStringLiteral("Menu"), QVariant::fromValue(QDBusObjectPath(
                                         QString::fromLatin1(offered ? kMenuPath : kNoMenuPath)))},
        };
    }

    QString FConnectionName;
    QString FId;
    TStatusNotifierItem::TMouseHandler FHandler;
    const TDBusMenu* FMenu;
    bool FDetached = false;
    QString FToolTip;
    QImage FImage;
    QList<TBusPixmap> FPixmaps;
    QElapsedTimer FLastActivate;
};

} // namespace

struct TStatusNotifierItem::TImpl {
    QString ConnectionName;
    QString ServiceName;
    TItemObject* Item = nullptr;
    TDBusMenu* Menu = nullptr;
    // Parent of the registration calls under way, freed with the item.
    std::unique_ptr<QDBusServiceWatcher> Watcher;
    bool Registered = false;
    unsigned Registration = 0;

    void Register() {
        QDBusMessage m = QDBusMessage::createMethodCall(
            QString::fromLatin1(kWatcher), QString::fromLatin1(kWatcherPath),
            QString::fromLatin1(kWatcher), QStringLiteral("RegisterStatusNotifierItem"));
        m << ServiceName;
        const unsigned registration = ++Registration;
        auto* call = new QDBusPendingCallWatcher(QDBusConnection(ConnectionName).asyncCall(m),
                                                 Watcher.get());
        QObject::connect(call, &QDBusPendingCallWatcher::finished, call,
                         [this, registration](QDBusPendingCallWatcher* finished) {
                             finished->deleteLater();
                             if (registration == Registration)
                                 Registered =
                                     finished->reply().type() == QDBusMessage::ReplyMessage;
                         });
    }
};

TStatusNotifierItem::TStatusNotifierItem(TMouseHandler handler) : FImpl(std::make_unique<TImpl>()) {
    RegisterTypes();
    static int count = 0;
    const int n = ++count;
    FImpl->ConnectionName = QStringLiteral("vq-status-notifier-item-%1").arg(n);
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, FImpl->ConnectionName);
    const QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(n);
    if (!bus.isConnected() || !bus.registerService(service)) return;
    FImpl->ServiceName = service;

    QString id = QCoreApplication::applicationName();
    if (id.isEmpty()) id = QStringLiteral("vq-tray");
    FImpl->Menu = new TDBusMenu(FImpl->ConnectionName, QString::fromLatin1(kMenuPath));
    FImpl->Item = new TItemObject(FImpl->ConnectionName, id, std::move(handler), FImpl->Menu);
    bus.registerVirtualObject(QString::fromLatin1(kItemPath), FImpl->Item);
    bus.registerVirtualObject(QString::fromLatin1(kMenuPath), FImpl->Menu);

    // A watcher that (re)starts has no registrations: each one that appears gets ours.
    FImpl->Watcher = std::make_unique<QDBusServiceWatcher>(
        QString::fromLatin1(kWatcher), bus, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(FImpl->Watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged,
                     FImpl->Watcher.get(),
                     [impl = FImpl.get()](const QString&, const QString&, const QString& owner) {
                         impl->Registered = false;
                         if (!owner.isEmpty()) impl->Register();
                     });
    FImpl->Register();
}

TStatusNotifierItem::~TStatusNotifierItem() {
    FImpl->Watcher.reset();
    if (FImpl->Item) {
        FImpl->Item->Detach();
        FImpl->Menu->SetMenu(nullptr, nullptr);
        QDBusConnection bus(FImpl->ConnectionName);
        bus.unregisterObject(QString::fromLatin1(kItemPath));
        bus.unregisterObject(QString::fromLatin1(kMenuPath));
        // Hosts drop the entry when its name goes.
        bus.unregisterService(FImpl->ServiceName);
        FImpl->Item->deleteLater();
        FImpl->Menu->deleteLater();
    }
    QDBusConnection::disconnectFromBus(FImpl->ConnectionName);
}

void TStatusNotifierItem::SetToolTip(const QString& text) {
    if (FImpl->Item) FImpl->Item->SetToolTip(text);
}

void TStatusNotifierItem::SetIcon(const QImage& image) {
    if (FImpl->Item) FImpl->Item->SetIcon(image);
}

void TStatusNotifierItem::SetMenu(TPopupMenu* menu, TComponent* popupComponent) {
    if (FImpl->Menu) FImpl->Menu->SetMenu(menu, popupComponent);
}

QString TStatusNotifierItem::ServiceName() const {
    return FImpl->ServiceName;
}

bool TStatusNotifierItem::Registered() const {
    return FImpl->Registered;
}

QImage TStatusNotifierItem::PixmapAt(const QImage& image, int size) {
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (!image.isNull()) {
        QSize target = image.size();
        if (target.width() > size || target.height() > size) {
            target.scale(size, size, Qt::KeepAspectRatio);
        } else {
            const int factor = std::min(size / target.width(), size / target.height());
            target *= factor;
        }
        const bool smooth = target.width() < image.width();
        const QImage scaled =
            image.scaled(target, Qt::IgnoreAspectRatio,
                         smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
        QPainter p(&out);
        p.drawImage((size - target.width()) / 2, (size - target.height()) / 2, scaled);
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}
