#include "framework/controls/ModalSession.h"

#include "framework/controls/Application.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr const char* kKeepLive = "vqKeepsInputUnderModal";

std::vector<TModalSession*>& Sessions() {
    static std::vector<TModalSession*> sessions;
    return sessions;
}

bool KeptLive(const QWidget* w) {
    return w->property(kKeepLive).toBool();
}

bool Usable(const QWidget* w, const QWidget* except) {
    return w && w != except && w->isVisible() && !KeptLive(w);
}

// A click on a window a modal one has disabled makes the window manager activate it; the
// activation is handed on to the modal window, which the user can use.
class TActivationRelay : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowActivate || !watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!w->isWindow() || w->isEnabled()) return false;
        if (QWidget* front = TModalSession::Front(); front && front != w)
            QMetaObject::invokeMethod(
                front,
                [front] {
                    if (front->isVisible() && !front->isActiveWindow()) front->activateWindow();
                },
                Qt::QueuedConnection);
        return false;
    }
};

void RelayActivations(bool on) {
    static TActivationRelay relay;
    if (!qApp) return;
    if (on)
        qApp->installEventFilter(&relay);
    else
        qApp->removeEventFilter(&relay);
}

} // namespace

TModalSession::TModalSession(QWidget* window) : FWindow(window) {
    QWidget* owner = Owner(window);
    if (!window->isVisible()) {
        // Window-modal rather than application-modal: Qt then blocks only the owners, so a
        // window kept live (the tray icon) still gets its input. A parented window gets its
        // owner from Qt; a top-level one is given it here.
        window->setWindowModality(Qt::WindowModal);
        if (!window->parentWidget()) {
            window->winId();
            if (QWindow* handle = window->windowHandle())
                handle->setTransientParent(owner ? owner->windowHandle() : nullptr);
        }
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window || !w->isVisible() || !w->isEnabled() || KeptLive(w) ||
            w->isAncestorOf(window))
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip) continue;
        // Disabling takes the focus out of the window: it goes back where it was after.
        FDisabled.push_back({w, w->focusWidget()});
        w->setEnabled(false);
    }
    if (Sessions().empty()) RelayActivations(true);
    Sessions().push_back(this);
}

TModalSession::~TModalSession() {
    auto& sessions = Sessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), this), sessions.end());
    if (sessions.empty()) RelayActivations(false);
    for (const TDisabled& d : FDisabled) {
        if (!d.Window) continue;
        d.Window->setEnabled(true);
        if (d.Focus && d.Focus->isEnabled() && d.Focus->window() == d.Window)
            d.Focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    if (FWindow && !FWindow->isVisible()) {
        // Shown again later without a session, the window is an ordinary one.
        FWindow->setWindowModality(Qt::NonModal);
        if (QWindow* handle = FWindow->windowHandle(); handle && !FWindow->parentWidget())
            handle->setTransientParent(nullptr);
    }
}

QWidget* TModalSession::Owner(const QWidget* except) {
    const auto& sessions = Sessions();
    for (auto it = sessions.rbegin(); it != sessions.rend(); ++it)
        if (Usable((*it)->FWindow, except)) return (*it)->FWindow;
    if (QWidget* active = QApplication::activeWindow(); Usable(active, except)) {
        const Qt::WindowType type = active->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip) return active;
    }
    if (TForm* main = Application->MainForm(); main && main->HandleAllocated())
        if (Usable(main->Widget(), except)) return main->Widget();
    return nullptr;
}

QWidget* TModalSession::Front() {
    const auto& sessions = Sessions();
    for (auto it = sessions.rbegin(); it != sessions.rend(); ++it)
        if (QWidget* w = (*it)->FWindow; w && w->isVisible()) return w;
    return nullptr;
}

void TModalSession::KeepLive(QWidget* window) {
    window->setProperty(kKeepLive, true);
}
