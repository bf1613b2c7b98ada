#pragma once
// A StatusNotifierWatcher of the tests' own on the private session bus (dbus-run.sh), with a
// host registered or not, and the calls a host makes. Everything runs in the test's process:
// every call waits for its answer with the event loop running, since the item answers from it.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTest>

inline const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
inline const QString kHostConnection = QStringLiteral("test-host");

// A method call from the host's connection, answered or failed within five seconds.
inline QDBusMessage HostCall(const QString& service, const QString& path, const QString& iface,
                             const QString& method, const QVariantList& args = {}) {
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, kHostConnection);
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, iface, method);
    m.setArguments(args);
    QDBusPendingCall call = bus.asyncCall(m, 5000);
    (void)QTest::qWaitFor([&] { return call.isFinished(); }, 6000);
    return call.reply();
}

class TTestWatcher : public QDBusVirtualObject {
public:
    explicit TTestWatcher(bool hostRegistered) : FHost(hostRegistered) {}
    ~TTestWatcher() override { Stop(); }

    // Takes the watcher's name on a connection of its own; a new start is a new watcher.
    bool Start() {
        Items.clear();
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, Name());
        if (!bus.registerService(kWatcherService)) return false;
        FGone = std::make_unique<QDBusServiceWatcher>(QString(), bus,
                                                      QDBusServiceWatcher::WatchForUnregistration);
        QObject::connect(FGone.get(), &QDBusServiceWatcher::serviceUnregistered, FGone.get(),
                         [this](const QString& service) {
                             Items.removeAll(service);
                             Signal("StatusNotifierItemUnregistered", {service});
                         });
        return bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), this);
    }
    // Leaves the bus, as a watcher that exits.
    void Stop() {
        if (!FGone) return;
        FGone.reset();
        QDBusConnection bus(Name());
        bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        QDBusConnection::disconnectFromBus(Name());
        ++FGeneration;
    }
    void RegisterHost() {
        FHost = true;
        Signal("StatusNotifierHostRegistered", {});
    }

    QStringList Items; // registered, by the names the items gave
    int Registrations = 0;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        if (member == QLatin1String("RegisterStatusNotifierItem")) {
            const QString service = message.arguments().value(0).toString();
            ++Registrations;
            if (!Items.contains(service)) Items << service;
            FGone->addWatchedService(service);
            connection.send(message.createReply());
            Signal("StatusNotifierItemRegistered", {service});
            return true;
        }
        if (member == QLatin1String("Get") || member == QLatin1String("GetAll")) {
            const QVariantMap all{{"RegisteredStatusNotifierItems", Items},
                                  {"IsStatusNotifierHostRegistered", FHost},
                                  {"ProtocolVersion", 0}};
            if (member == QLatin1String("GetAll"))
                connection.send(message.createReply(all));
            else
                connection.send(message.createReply(QVariant::fromValue(
                    QDBusVariant(all.value(message.arguments().value(1).toString())))));
            return true;
        }
        return false;
    }

private:
    QString Name() const { return QStringLiteral("test-watcher-%1").arg(FGeneration); }
    void Signal(const char* name, const QVariantList& args) {
        QDBusMessage s = QDBusMessage::createSignal(QStringLiteral("/StatusNotifierWatcher"),
                                                    kWatcherService, QString::fromLatin1(name));
        s.setArguments(args);
        QDBusConnection(Name()).send(s);
    }

    bool FHost;
    int FGeneration = 0;
    std::unique_ptr<QDBusServiceWatcher> FGone;
};
