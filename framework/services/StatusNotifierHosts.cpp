#include "framework/services/StatusNotifierHosts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>

namespace {

constexpr auto kWatcher = "org.kde.StatusNotifierWatcher";
constexpr auto kWatcherPath = "/StatusNotifierWatcher";

} // namespace

TStatusNotifierHosts& TStatusNotifierHosts::Instance() {
    static TStatusNotifierHosts hosts;
    return hosts;
}

bool TStatusNotifierHosts::SessionBus() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    // Only a bus the session names: libdbus would otherwise start one of its own for the
    // display (autolaunch), which outlives the program.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

TStatusNotifierHosts::TStatusNotifierHosts() {
    if (!qApp || !SessionBus() || !QDBusConnection::sessionBus().isConnected()) {
        FState = TNotifierHostState::Absent;
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Qt objects live with the application, which frees them before this static goes.
    auto* watcher = new QDBusServiceWatcher(QString::fromLatin1(kWatcher), bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, qApp);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, watcher,
                     [this] { Ask(); });
    // The watcher's signals start a timer (a slot Qt's own class has, so no moc is needed
    // here), which asks again.
    auto* again = new QTimer(qApp);
    again->setSingleShot(true);
    again->setInterval(0);
    QObject::connect(again, &QTimer::timeout, again, [this] { Ask(); });
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        bus.connect(QString::fromLatin1(kWatcher), QString::fromLatin1(kWatcherPath),
                    QString::fromLatin1(kWatcher), QString::fromLatin1(signal), again,
                    SLOT(start()));
    Ask();
}

void TStatusNotifierHosts::Ask() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        QString::fromLatin1(kWatcher), QString::fromLatin1(kWatcherPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QString::fromLatin1(kWatcher) << QStringLiteral("IsStatusNotifierHostRegistered");
    // Asking must not start a watcher that the bus could activate.
    get.setAutoStartService(false);
    const unsigned question = ++FQuestion;
    auto* call =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, 3000), qApp);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, call,
                     [this, question](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         if (question != FQuestion) return;
                         const QDBusMessage reply = finished->reply();
                         const bool host =
                             reply.type() == QDBusMessage::ReplyMessage &&
                             reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
                         Answer(host ? TNotifierHostState::Present : TNotifierHostState::Absent);
                     });
}

void TStatusNotifierHosts::Answer(TNotifierHostState state) {
    if (state == FState) return;
    FState = state;
    // A listener may add or remove listeners.
    std::vector<int> ids;
    for (const auto& listener : FListeners)
        ids.push_back(listener.first);
    for (int id : ids) {
        auto it = std::find_if(FListeners.begin(), FListeners.end(),
                               [id](const auto& l) { return l.first == id; });
        if (it == FListeners.end()) continue;
        const std::function<void()> listener = it->second;
        listener();
    }
}

int TStatusNotifierHosts::Listen(std::function<void()> listener) {
    FListeners.emplace_back(FNextId, std::move(listener));
    return FNextId++;
}

void TStatusNotifierHosts::Unlisten(int id) {
    std::erase_if(FListeners, [id](const auto& l) { return l.first == id; });
}
