#include "framework/services/X11Session.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QHash>

#include <cstdlib>
#include <xcb/xcb.h>

xcb_connection_t* X11Connection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int X11ScreenNumber() {
    // The display name's ".N" suffix; Qt opens the same display.
    const QByteArray display = qgetenv("DISPLAY");
    const int colon = display.lastIndexOf(':');
    const int dot = display.indexOf('.', colon < 0 ? 0 : colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

uint32_t X11RootWindow() {
    xcb_connection_t* c = X11Connection();
    if (!c) return 0;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = X11ScreenNumber(); i > 0 && it.rem > 1; --i)
        xcb_screen_next(&it);
    return it.data ? it.data->root : 0;
}

uint32_t X11Atom(const char* name) {
    static QHash<QByteArray, uint32_t> atoms;
    xcb_connection_t* c = X11Connection();
    if (!c) return 0;
    const QByteArray key(name);
    if (auto found = atoms.constFind(key); found != atoms.constEnd()) return *found;
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(key.size()), key.constData()), nullptr);
    const uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    if (atom) atoms.insert(key, atom);
    return atom;
}

void X11SelectInput(uint32_t window, uint32_t mask) {
    xcb_connection_t* c = X11Connection();
    if (!c || !window) return;
    // The event mask is per client: Qt's own selection on the window must survive.
    xcb_get_window_attributes_reply_t* attrs =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    if (!attrs) return; // the window is gone
    const uint32_t value = attrs->your_event_mask | mask;
    std::free(attrs);
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &value);
    xcb_flush(c);
}
