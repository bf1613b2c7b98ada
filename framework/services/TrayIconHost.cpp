#include "framework/services/TrayIconHost.h"

#include "framework/controls/Application.h"
#include "framework/controls/ModalSession.h"
#include "framework/services/X11Session.h"

#include <QAbstractNativeEventFilter>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

constexpr uint32_t kSystemTrayRequestDock = 0;
constexpr uint32_t kXEmbedEmbeddedNotify = 0;

QByteArray TraySelectionName() {
    return "_NET_SYSTEM_TRAY_S" + QByteArray::number(X11ScreenNumber());
}

// The current owner of the tray selection (0: no tray manager runs).
uint32_t FindTrayManager() {
    xcb_connection_t* c = X11Connection();
    if (!c) return 0;
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        c, xcb_get_selection_owner(c, X11Atom(TraySelectionName().constData())), nullptr);
    const uint32_t owner = reply ? reply->owner : 0;
    std::free(reply);
    return owner;
}

// The icon window docked into the tray: it gets the mouse directly, as any window does.
class TTrayIconWidget : public QWidget {
public:
    explicit TTrayIconWidget(TTrayIconHost* host)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint),
          FHost(host) {
        setMinimumSize(22, 22);
        resize(22, 22);
        setMouseTracking(true);
        setAttribute(Qt::WA_AlwaysShowToolTips);
        // The icon answers while modal windows run, as the notification area does.
        TModalSession::KeepLive(this);
    }
    void Detach() { FHost = nullptr; }
    void SetImage(const QImage& image) {
        FImage = image;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        if (FImage.isNull()) return;
        // Natural size, shrunk (never grown) to fit the tray's slot, centred.
        QSize size = FImage.size();
        if (size.width() > width() || size.height() > height())
            size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                           size);
        p.drawImage(target, FImage);
    }
    void mousePressEvent(QMouseEvent* e) override { Send(TTrayMouseKind::Down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Send(TTrayMouseKind::Up, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Send(TTrayMouseKind::DoubleClick, e); }
    void mouseMoveEvent(QMouseEvent* e) override { Send(TTrayMouseKind::Move, e); }

private:
    void Send(TTrayMouseKind kind, QMouseEvent* e) {
        TTrayMouseEvent event;
        event.Kind = kind;
        switch (e->button()) {
        case Qt::RightButton:
            event.Button = mbRight;
            break;
        case Qt::MiddleButton:
            event.Button = mbMiddle;
            break;
        case Qt::LeftButton:
            event.Button = mbLeft;
            break;
        default:
            if (kind != TTrayMouseKind::Move) return; // back/forward buttons have no event
        }
        event.Shift = ShiftStateFromQt(QGuiApplication::queryKeyboardModifiers(), e->buttons());
        // Where the cursor is now; Qt's idea of this window's place can be stale once docked.
        const QPoint at = QCursor::pos();
        event.X = at.x();
        event.Y = at.y();
        // The handler may remove the entry: this widget is then deleted later, never now.
        if (TTrayIconHost* host = FHost) Application->Guard(nullptr, [&] { host->Deliver(event); });
    }

    TTrayIconHost* FHost;
    QImage FImage;
};

// Watches the root window for a tray manager announcing itself (MANAGER) and the current one
// going away, for every host at once.
class TTrayWatcher : public QAbstractNativeEventFilter {
public:
    static TTrayWatcher& Instance() {
        static TTrayWatcher watcher;
        return watcher;
    }
    void Add(TTrayIconHost* host) {
        if (!FInstalled && qApp) {
            qApp->installNativeEventFilter(this);
            FInstalled = true;
            X11SelectInput(X11RootWindow(), XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        }
        if (std::find(FHosts.begin(), FHosts.end(), host) == FHosts.end()) FHosts.push_back(host);
        Watch(FindTrayManager());
    }
    void Remove(TTrayIconHost* host) {
        FHosts.erase(std::remove(FHosts.begin(), FHosts.end(), host), FHosts.end());
    }
    uint32_t Manager() const { return FManager; }
    void EmbeddedNotify(uint32_t window) {
        for (TTrayIconHost* h : FHosts)
            h->Embedded(window);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const uint8_t kind = event->response_type & ~0x80;
        if (kind == XCB_CLIENT_MESSAGE) {
            auto* m = reinterpret_cast<xcb_client_message_event_t*>(event);
            if (m->type == X11Atom("MANAGER") && m->format == 32 &&
                m->data.data32[1] == X11Atom(TraySelectionName().constData())) {
                Watch(m->data.data32[2]);
                Notify();
            } else if (m->type == X11Atom("_XEMBED") && m->format == 32 &&
                       m->data.data32[1] == kXEmbedEmbeddedNotify) {
                const uint32_t window = m->window;
                QMetaObject::invokeMethod(
                    qApp, [window] { Instance().EmbeddedNotify(window); }, Qt::QueuedConnection);
            }
        } else if (kind == XCB_DESTROY_NOTIFY) {
            auto* d = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
            if (FManager && d->window == FManager) {
                FManager = 0;
                Notify();
            }
        }
        return false;
    }

private:
    void Watch(uint32_t manager) {
        if (manager == FManager) return;
        FManager = manager;
        // Its destruction tells that the entries have fallen out of the tray.
        if (manager) X11SelectInput(manager, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    }
    void Notify() {
        // Out of the native dispatch: docking creates windows.
        QMetaObject::invokeMethod(
            qApp,
            [] {
                const std::vector<TTrayIconHost*> hosts = Instance().FHosts;
                for (TTrayIconHost* h : hosts) {
                    const auto& live = Instance().FHosts;
                    if (std::find(live.begin(), live.end(), h) != live.end())
                        h->TrayManagerChanged();
                }
            },
            Qt::QueuedConnection);
    }

    std::vector<TTrayIconHost*> FHosts;
    uint32_t FManager = 0;
    bool FInstalled = false;
};

void SendDockRequest(uint32_t manager, uint32_t window) {
    xcb_connection_t* c = X11Connection();
    xcb_client_message_event_t m;
    std::memset(&m, 0, sizeof m);
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = manager;
    m.type = X11Atom("_NET_SYSTEM_TRAY_OPCODE");
    m.data.data32[0] = XCB_CURRENT_TIME;
    m.data.data32[1] = kSystemTrayRequestDock;
    m.data.data32[2] = window;
    xcb_send_event(c, 0, manager, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&m));
    xcb_flush(c);
}

} // namespace

struct TTrayIconHost::TImpl {
    QPointer<TTrayIconWidget> Widget;
    std::unique_ptr<QSystemTrayIcon> QtTray;
    uint32_t DockedTo = 0; // the manager the widget was handed to
    bool Embedded = false;
    // A tray that has just announced itself may still drop requests (GTK's listens only
    // after announcing): docking waits a moment, and a request left unanswered is repeated.
    QTimer NewTray;
    QTimer Unanswered;
    int Repeats = 0;
};

TTrayIconHost::TTrayIconHost(TMouseHandler handler)
    : FHandler(std::move(handler)), FImpl(std::make_unique<TImpl>()) {
    FImpl->NewTray.setSingleShot(true);
    QObject::connect(&FImpl->NewTray, &QTimer::timeout, [this] {
        const uint32_t manager = TTrayWatcher::Instance().Manager();
        if (!FShown || !manager || (manager == FImpl->DockedTo && !FImpl->QtTray)) return;
        // A fresh window docks into the new tray (the old one was thrown out to the root).
        Remove();
        Add();
    });
    FImpl->Unanswered.setSingleShot(true);
    QObject::connect(&FImpl->Unanswered, &QTimer::timeout, [this] {
        TTrayIconWidget* widget = FImpl->Widget;
        const uint32_t manager = TTrayWatcher::Instance().Manager();
        if (!widget || FImpl->Embedded || !manager || manager != FImpl->DockedTo) return;
        SendDockRequest(manager, uint32_t(widget->winId()));
        if (++FImpl->Repeats < 3) FImpl->Unanswered.start(1500);
    });
}

TTrayIconHost::~TTrayIconHost() {
    Remove();
    TTrayWatcher::Instance().Remove(this);
}

bool TTrayIconHost::Available() {
    return X11Connection() != nullptr || QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIconHost::SetShown(bool value) {
    if (value == FShown) return;
    FShown = value;
    if (value)
        Add();
    else
        Remove();
}

QString TTrayIconHost::LiteralToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void TTrayIconHost::SetToolTip(const QString& text) {
    FToolTip = text;
    if (FImpl->Widget) FImpl->Widget->setToolTip(LiteralToolTip(text));
    if (FImpl->QtTray) FImpl->QtTray->setToolTip(text);
}

void TTrayIconHost::SetIcon(const QImage& image) {
    FImage = image;
    if (FImpl->Widget) FImpl->Widget->SetImage(image);
    if (FImpl->QtTray) FImpl->QtTray->setIcon(QIcon(QPixmap::fromImage(image)));
}

TTrayMode TTrayIconHost::Mode() const {
    if (FImpl->Widget) return TTrayMode::XEmbed;
    if (FImpl->QtTray) return TTrayMode::QtTray;
    return TTrayMode::None;
}

void TTrayIconHost::Add() {
    if (X11Connection()) {
        TTrayWatcher& watcher = TTrayWatcher::Instance();
        watcher.Add(this);
        // No X11 tray now but the desktop's own tray service: Qt's tray stands in (below) until
        // an X11 tray announces itself.
        if (watcher.Manager() || !QSystemTrayIcon::isSystemTrayAvailable()) {
            AddDocked(watcher.Manager());
            return;
        }
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    FImpl->QtTray = std::make_unique<QSystemTrayIcon>();
    QSystemTrayIcon* tray = FImpl->QtTray.get();
    tray->setToolTip(FToolTip);
    if (!FImage.isNull()) tray->setIcon(QIcon(QPixmap::fromImage(FImage)));
    // Qt's tray reports activations only: each becomes the events a click would give.
    QObject::connect(
        tray, &QSystemTrayIcon::activated, tray, [this](QSystemTrayIcon::ActivationReason reason) {
            Application->Guard(nullptr, [&] {
                TTrayMouseEvent e;
                const QPoint at = QCursor::pos();
                e.X = at.x();
                e.Y = at.y();
                e.Shift = ShiftStateFromQt(QGuiApplication::queryKeyboardModifiers(), Qt::NoButton);
                switch (reason) {
                case QSystemTrayIcon::DoubleClick:
                    e.Kind = TTrayMouseKind::DoubleClick;
                    Deliver(e);
                    return;
                case QSystemTrayIcon::Context:
                    e.Button = mbRight;
                    break;
                case QSystemTrayIcon::MiddleClick:
                    e.Button = mbMiddle;
                    break;
                case QSystemTrayIcon::Trigger:
                    e.Button = mbLeft;
                    break;
                default:
                    return;
                }
                // The handler may remove the entry or free this host: then no up event follows.
                const TLifeToken alive = FAlive.Token();
                QSystemTrayIcon* const current = FImpl->QtTray.get();
                e.Kind = TTrayMouseKind::Down;
                Deliver(e);
                if (!alive || FImpl->QtTray.get() != current) return;
                e.Kind = TTrayMouseKind::Up;
                Deliver(e);
            });
        });
    tray->show();
}

void TTrayIconHost::AddDocked(uint32_t Manager) {
    auto* widget = new TTrayIconWidget(this);
    widget->setToolTip(LiteralToolTip(FToolTip));
    widget->SetImage(FImage);
    widget->winId();
    FImpl->Widget = widget;
    // Without a manager the window waits, unmapped, for the next MANAGER message. The tray maps
    // the window once it has embedded it (mapped by us before, it races the tray's own sizing
    // and may get a slot one pixel wide); Embedded then shows it for Qt.
    if (!Manager) return;
    SendDockRequest(Manager, uint32_t(widget->winId()));
    FImpl->DockedTo = Manager;
    FImpl->Embedded = false;
    FImpl->Repeats = 0;
    FImpl->Unanswered.start(1500);
}

void TTrayIconHost::Remove() {
    if (TTrayIconWidget* widget = FImpl->Widget) {
        // The widget may be inside its own mouse handler right now.
        widget->Detach();
        widget->hide();
        widget->deleteLater();
        FImpl->Widget = nullptr;
    }
    FImpl->DockedTo = 0;
    FImpl->Embedded = false;
    FImpl->Unanswered.stop();
    FImpl->NewTray.stop();
    if (FImpl->QtTray) {
        FImpl->QtTray->hide();
        FImpl->QtTray.release()->deleteLater();
    }
}

void TTrayIconHost::TrayManagerChanged() {
    if (!FShown) return;
    const uint32_t manager = TTrayWatcher::Instance().Manager();
    if (!manager) {
        // Gone: the next tray may get the same window id, and must still get the entry.
        FImpl->DockedTo = 0;
        return;
    }
    // A new tray, or the first one while Qt's tray stood in: ours gives the real events.
    if (manager != FImpl->DockedTo || FImpl->QtTray) FImpl->NewTray.start(300);
}

void TTrayIconHost::Embedded(uint32_t Window) {
    if (TTrayIconWidget* widget = FImpl->Widget; widget && uint32_t(widget->winId()) == Window) {
        FImpl->Embedded = true;
        widget->show();
    }
}

bool TTrayIconHost::Docked() const {
    xcb_connection_t* c = X11Connection();
    if (!c || !FImpl->Widget || !FImpl->DockedTo || !TTrayWatcher::Instance().Manager())
        return false;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(c, xcb_query_tree(c, uint32_t(FImpl->Widget->winId())), nullptr);
    const bool inTray = tree && tree->parent != tree->root;
    std::free(tree);
    return inTray;
}

QRect TTrayIconHost::ScreenRect() const {
    xcb_connection_t* c = X11Connection();
    if (!c || !FImpl->Widget) return {};
    const uint32_t window = uint32_t(FImpl->Widget->winId());
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, X11RootWindow(), 0, 0), nullptr);
    QRect r;
    if (geometry && at) r = QRect(at->dst_x, at->dst_y, geometry->width, geometry->height);
    std::free(geometry);
    std::free(at);
    return r;
}

void TTrayIconHost::Deliver(const TTrayMouseEvent& event) {
    if (FHandler) FHandler(event);
}
