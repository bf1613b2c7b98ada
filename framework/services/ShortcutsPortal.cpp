#include "framework/services/ShortcutsPortal.h"

#include "framework/controls/Application.h"
#include "framework/services/StatusNotifierHosts.h"
#include "framework/services/SystemHotKey.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr auto kPortal = "org.freedesktop.portal.Desktop";
constexpr auto kPortalPath = "/org/freedesktop/portal/desktop";
constexpr auto kShortcuts = "org.freedesktop.portal.GlobalShortcuts";
constexpr auto kRequest = "org.freedesktop.portal.Request";
constexpr auto kSession = "org.freedesktop.portal.Session";

// One entry of the portal's a(sa{sv}): the shortcut's id and its description, trigger, ...
struct TPortalShortcut {
    QString Id;
    QVariantMap Options;
};

QDBusArgument& operator<<(QDBusArgument& arg, const TPortalShortcut& s) {
    arg.beginStructure();
    arg << s.Id << s.Options;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TPortalShortcut& s) {
    arg.beginStructure();
    arg >> s.Id >> s.Options;
    arg.endStructure();
    return arg;
}

} // namespace

Q_DECLARE_METATYPE(TPortalShortcut)

namespace {

QString Text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

// The portal's client: asks once whether global shortcuts are offered, then keeps one portal
// session whose shortcuts are exactly the keys bound now. A change of that set while a session
// exists starts a new session (a session's shortcuts are bound once), batched by a zero timer
// so that a form's several keys go in one request.
class TPortalClient : public QObject {
    Q_OBJECT
public:
    static TPortalClient* Instance() {
        static QPointer<TPortalClient> instance;
        if (!instance && qApp) instance = new TPortalClient(qApp);
        return instance;
    }

    void Bind(TSystemHotKey* key) {
        FKeys.push_back({Text("vq") + QString::number(++FNextId), key});
        FSync.start();
    }

    void Unbind(TSystemHotKey* key) {
        std::erase_if(FKeys, [key](const TEntry& e) { return e.Key == key; });
        FSync.start();
    }

public Q_SLOTS:
    void Response(const QDBusMessage& message) {
        if (message.path() != FRequest) return;
        FRequest.clear();
        const uint code = message.arguments().value(0).toUInt();
        const QVariantMap results = qdbus_cast<QVariantMap>(message.arguments().value(1));
        if (FPhase == TPhase::Creating) {
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            FSession = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                            : handle.toString();
            if (code != 0 || FSession.isEmpty()) {
                FSession.clear();
                Answer(FSent, THotKeyState::Refused);
                FPhase = TPhase::Declined;
                return;
            }
            SendBind();
            return;
        }
        if (FPhase != TPhase::Binding) return;
        FPhase = TPhase::Ready;
        FBound = FSent;
        if (code != 0) {
            Answer(FSent, THotKeyState::Refused);
        } else if (!results.contains(QStringLiteral("shortcuts"))) {
            Answer(FSent, THotKeyState::Grabbed);
        } else {
            // The portal lists what it bound; the user may have left some out.
            const auto bound = qdbus_cast<QList<TPortalShortcut>>(results.value("shortcuts"));
            std::vector<QString> yes, no;
            for (const QString& id : FSent)
                (std::any_of(bound.begin(), bound.end(),
                             [&](const TPortalShortcut& s) { return s.Id == id; })
                     ? yes
                     : no)
                    .push_back(id);
            Answer(yes, THotKeyState::Grabbed);
            Answer(no, THotKeyState::Refused);
        }
        if (Ids() != FBound) FSync.start();
    }

    void Activated(const QDBusMessage& message) {
        const QList<QVariant> args = message.arguments();
        if (args.size() < 2 || FSession.isEmpty()) return;
        if (args[0].value<QDBusObjectPath>().path() != FSession) return;
        const QString id = args[1].toString();
        auto it =
            std::find_if(FKeys.begin(), FKeys.end(), [&](const TEntry& e) { return e.Id == id; });
        if (it == FKeys.end() || it->Key->State() != THotKeyState::Grabbed) return;
        TSystemHotKey* key = it->Key;
        Application->Guard(nullptr, [key] { key->Pressed(); });
    }

private:
    enum class TPhase : uint8_t {
        Asking,   // has the portal global shortcuts?
        Absent,   // no: every key is Unavailable
        Ready,    // yes; no request outstanding
        Creating, // a session is being created
        Binding,  // its shortcuts are being bound
        Declined, // the portal refused a session: nothing more is asked
    };
    struct TEntry {
        QString Id;
        TSystemHotKey* Key;
    };

    explicit TPortalClient(QObject* parent) : QObject(parent) {
        qDBusRegisterMetaType<TPortalShortcut>();
        qDBusRegisterMetaType<QList<TPortalShortcut>>();
        FSync.setSingleShot(true);
        FSync.setInterval(0);
        connect(&FSync, &QTimer::timeout, this, [this] { Sync(); });
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(Text(kPortal), Text(kPortalPath), Text(kShortcuts), QStringLiteral("Activated"),
                    this, SLOT(Activated(QDBusMessage)));
        QDBusMessage get = QDBusMessage::createMethodCall(
            Text(kPortal), Text(kPortalPath), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << Text(kShortcuts) << QStringLiteral("version");
        // The desktop starts its portal on demand: the first question may take a while.
        auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get, 10000), this);
        connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const bool offered = w->reply().type() == QDBusMessage::ReplyMessage;
            FPhase = offered ? TPhase::Ready : TPhase::Absent;
            Sync();
        });
    }

    std::vector<QString> Ids() const {
        std::vector<QString> ids;
        for (const TEntry& e : FKeys)
            ids.push_back(e.Id);
        return ids;
    }

    void Answer(const std::vector<QString>& ids, THotKeyState state) {
        // A key's listener may bind or unbind keys: look each one up afresh.
        for (const QString& id : ids) {
            auto it = std::find_if(FKeys.begin(), FKeys.end(),
                                   [&](const TEntry& e) { return e.Id == id; });
            if (it != FKeys.end()) it->Key->PortalAnswered(state);
        }
    }

    void Sync() {
        switch (FPhase) {
        case TPhase::Asking:
        case TPhase::Creating:
        case TPhase::Binding:
            return; // the answer comes back here
        case TPhase::Absent:
            Answer(Ids(), THotKeyState::Unavailable);
            return;
        case TPhase::Declined:
            Answer(Ids(), THotKeyState::Refused);
            return;
        case TPhase::Ready:
            break;
        }
        const std::vector<QString> ids = Ids();
        if (ids == FBound) return;
        if (!FSession.isEmpty()) {
            QDBusMessage close =
                QDBusMessage::createMethodCall(Text(kPortal), FSession, Text(kSession), "Close");
            QDBusConnection::sessionBus().send(close);
            FSession.clear();
            FBound.clear();
        }
        if (ids.empty()) return;
        FSent = ids;
        FPhase = TPhase::Creating;
        const QString token = NextToken();
        const QVariantMap options{{QStringLiteral("handle_token"), token},
                                  {QStringLiteral("session_handle_token"), NextToken()}};
        Call(QStringLiteral("CreateSession"), {options}, token);
    }

    void SendBind() {
        FPhase = TPhase::Binding;
        FSent = Ids();
        QList<TPortalShortcut> shortcuts;
        for (const TEntry& e : FKeys) {
            QVariantMap options{{QStringLiteral("description"),
                                 QCoreApplication::applicationName() + QStringLiteral(" hot key")}};
            const std::string trigger = e.Key->Trigger();
            if (!trigger.empty())
                options.insert(QStringLiteral("preferred_trigger"),
                               QString::fromStdString(trigger));
            shortcuts.push_back({e.Id, options});
        }
        const QString token = NextToken();
        Call(QStringLiteral("BindShortcuts"),
             {QVariant::fromValue(QDBusObjectPath(FSession)), QVariant::fromValue(shortcuts),
              QString(), QVariantMap{{QStringLiteral("handle_token"), token}}},
             token);
    }

    // Calls a portal method whose answer comes as a Response on a request object. The request's
    // path follows from the token, so the signal is listened for before the call goes out.
    void Call(const QString& method, const QList<QVariant>& args, const QString& token) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QString sender = bus.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        Listen(Text(kPortalPath) + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);
        QDBusMessage call = QDBusMessage::createMethodCall(Text(kPortal), Text(kPortalPath),
                                                           Text(kShortcuts), method);
        call.setArguments(args);
        auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(call, 10000), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* w) {
                    w->deleteLater();
                    const QDBusMessage reply = w->reply();
                    if (reply.type() != QDBusMessage::ReplyMessage) {
                        // No request was made: nothing will answer.
                        FRequest.clear();
                        FPhase = TPhase::Declined;
                        Answer(FSent, THotKeyState::Refused);
                        return;
                    }
                    // Older portals choose the request's path themselves.
                    const QString path = reply.arguments().value(0).value<QDBusObjectPath>().path();
                    if (!path.isEmpty() && path != FRequest) Listen(path);
                });
    }

    void Listen(const QString& path) {
        FRequest = path;
        QDBusConnection::sessionBus().connect(Text(kPortal), path, Text(kRequest),
                                              QStringLiteral("Response"), this,
                                              SLOT(Response(QDBusMessage)));
    }

    QString NextToken() {
        return QStringLiteral("vq%1_%2").arg(QCoreApplication::applicationPid()).arg(++FNextToken);
    }

    std::vector<TEntry> FKeys;
    std::vector<QString> FSent;  // the ids of the request outstanding
    std::vector<QString> FBound; // the ids the session holds
    QString FSession;
    QString FRequest;
    QTimer FSync;
    TPhase FPhase = TPhase::Asking;
    unsigned FNextId = 0;
    unsigned FNextToken = 0;
};

} // namespace

namespace ShortcutsPortal {

bool Usable() {
    return qApp && TStatusNotifierHosts::SessionBus() &&
           QDBusConnection::sessionBus().isConnected();
}

void Bind(TSystemHotKey* key) {
    if (TPortalClient* client = TPortalClient::Instance()) client->Bind(key);
}

void Unbind(TSystemHotKey* key) {
    if (TPortalClient* client = TPortalClient::Instance()) client->Unbind(key);
}

} // namespace ShortcutsPortal

#include "ShortcutsPortal.moc"
