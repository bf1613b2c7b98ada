#include "framework/services/SystemHotKey.h"

#include "framework/controls/Application.h"
#include "framework/controls/Control.h"
#include "framework/services/ShortcutsPortal.h"
#include "framework/services/X11Session.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xkbcommon/xkbcommon.h>

namespace {

std::vector<TSystemHotKey*>& Registered() {
    static std::vector<TSystemHotKey*> list;
    return list;
}

// The keysym of a virtual key (0 when it has none).
uint32_t KeySymOf(uint16_t key) {
    if (key >= 'A' && key <= 'Z') return key - 'A' + 0x61; // XK_a
    if (key >= '0' && key <= '9') return key;              // XK_0
    if (key >= VK_F1 && key <= VK_F24) return 0xffbe + (key - VK_F1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return 0xffb0 + (key - VK_NUMPAD0);
    switch (key) {
    case VK_BACK:
        return 0xff08;
    case VK_TAB:
        return 0xff09;
    case VK_CLEAR:
        return 0xff0b;
    case VK_RETURN:
        return 0xff0d;
    case VK_PAUSE:
        return 0xff13;
    case VK_ESCAPE:
        return 0xff1b;
    case VK_SPACE:
        return 0x20;
    case VK_PRIOR:
        return 0xff55;
    case VK_NEXT:
        return 0xff56;
    case VK_END:
        return 0xff57;
    case VK_HOME:
        return 0xff50;
    case VK_LEFT:
        return 0xff51;
    case VK_UP:
        return 0xff52;
    case VK_RIGHT:
        return 0xff53;
    case VK_DOWN:
        return 0xff54;
    case VK_SNAPSHOT:
        return 0xff61;
    case VK_INSERT:
        return 0xff63;
    case VK_DELETE:
        return 0xffff;
    case VK_HELP:
        return 0xff6a;
    case VK_APPS:
        return 0xff67;
    case VK_MULTIPLY:
        return 0xffaa;
    case VK_ADD:
        return 0xffab;
    case VK_SEPARATOR:
        return 0xffac;
    case VK_SUBTRACT:
        return 0xffad;
    case VK_DECIMAL:
        return 0xffae;
    case VK_DIVIDE:
        return 0xffaf;
    case VK_OEM_1:
        return 0x3b;
    case VK_OEM_PLUS:
        return 0x3d;
    case VK_OEM_COMMA:
        return 0x2c;
    case VK_OEM_MINUS:
        return 0x2d;
    case VK_OEM_PERIOD:
        return 0x2e;
    case VK_OEM_2:
        return 0x2f;
    case VK_OEM_3:
        return 0x60;
    case VK_OEM_4:
        return 0x5b;
    case VK_OEM_5:
        return 0x5c;
    case VK_OEM_6:
        return 0x5d;
    case VK_OEM_7:
        return 0x27;
    default:
        return 0;
    }
}

constexpr unsigned kWatchedXMods =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// NumLock's and ScrollLock's modifier masks, read from the server's modifier mapping.
std::vector<uint16_t> LockMasks(xcb_connection_t* c, xcb_key_symbols_t* syms) {
    uint16_t numLock = 0, scrollLock = 0;
    xcb_get_modifier_mapping_reply_t* map =
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    if (map) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map);
        auto maskOf = [&](xcb_keysym_t sym) -> uint16_t {
            xcb_keycode_t* wanted = xcb_key_symbols_get_keycode(syms, sym);
            uint16_t mask = 0;
            for (int mod = 0; wanted && mod < 8; ++mod)
                for (int i = 0; i < map->keycodes_per_modifier; ++i) {
                    const xcb_keycode_t code = codes[mod * map->keycodes_per_modifier + i];
                    for (xcb_keycode_t* w = wanted; code && *w; ++w)
                        if (*w == code) mask |= uint16_t(1u << mod);
                }
            std::free(wanted);
            return mask;
        };
        numLock = maskOf(0xff7f);    // XK_Num_Lock
        scrollLock = maskOf(0xff14); // XK_Scroll_Lock
        std::free(map);
    }
    // Every combination of the three locks (duplicates when a lock has no modifier).
    const uint16_t locks[] = {uint16_t(XCB_MOD_MASK_LOCK), numLock, scrollLock};
    std::vector<uint16_t> masks;
    for (int bits = 0; bits < 8; ++bits) {
        uint16_t mask = 0;
        for (int i = 0; i < 3; ++i)
            if (bits & (1 << i)) mask |= locks[i];
        if (std::find(masks.begin(), masks.end(), mask) == masks.end()) masks.push_back(mask);
    }
    return masks;
}

// Delivers presses: grabbed keys from the X server's event stream, and without X11 the key
// presses the application itself sees.
class THotKeyDispatcher : public QObject, public QAbstractNativeEventFilter {
public:
    static void Ensure() {
        static QPointer<THotKeyDispatcher> instance;
        if (!instance && qApp) {
            instance = new THotKeyDispatcher(qApp);
            qApp->installNativeEventFilter(instance);
            qApp->installEventFilter(instance);
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_KEY_PRESS) return false;
        auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
        // Out of the native dispatch before any handler runs: handlers open modal windows.
        const uint8_t code = press->detail;
        const unsigned state = press->state & kWatchedXMods;
        QMetaObject::invokeMethod(
            this,
            [code, state] { Dispatch([&](TSystemHotKey* k) { return k->Matches(code, state); }); },
            Qt::QueuedConnection);
        return false; // Qt still takes the event's time stamp
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        if (!static_cast<QWidget*>(watched)->isActiveWindow()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const uint16_t vk = VirtualKeyFromQt(key->key(), key->modifiers());
        unsigned mods = 0;
        if (key->modifiers() & Qt::AltModifier) mods |= TSystemHotKey::ModAlt;
        if (key->modifiers() & Qt::ControlModifier) mods |= TSystemHotKey::ModControl;
        if (key->modifiers() & Qt::ShiftModifier) mods |= TSystemHotKey::ModShift;
        if (!vk) return false;
        return Dispatch([&](TSystemHotKey* k) { return k->MatchesVirtual(vk, mods); });
    }

private:
    using QObject::QObject;

    template <class Pred> static bool Dispatch(Pred matches) {
        // A handler may free hot keys (its own included): walk a copy and check each is alive.
        const std::vector<TSystemHotKey*> snapshot = Registered();
        bool any = false;
        for (TSystemHotKey* k : snapshot) {
            const auto& live = Registered();
            if (std::find(live.begin(), live.end(), k) == live.end() || !matches(k)) continue;
            any = true;
            Application->Guard(nullptr, [k] { k->Pressed(); });
        }
        return any;
    }
};

} // namespace

TSystemHotKey::TSystemHotKey(TPressed pressed) : FPressed(std::move(pressed)) {}

TSystemHotKey::~TSystemHotKey() {
    Unregister();
}

bool TSystemHotKey::GlobalAvailable() {
    return X11Connection() != nullptr;
}

bool TSystemHotKey::ProgramActive() {
    return QApplication::activeWindow() != nullptr || QApplication::activeModalWidget() ||
           QApplication::activePopupWidget();
}

THotKeyState TSystemHotKey::Register(uint16_t Key, unsigned Modifiers, THotKeyScope Scope) {
    Unregister();
    if (!Key) return FState;
    FKey = Key;
    FModifiers = Modifiers & (ModAlt | ModControl | ModShift);
    FScope = Scope;
    THotKeyDispatcher::Ensure();
    Registered().push_back(this);

    xcb_connection_t* c = X11Connection();
    if (!c) {
        if (Scope == THotKeyScope::Program) {
            FState = THotKeyState::Local;
        } else if (ShortcutsPortal::Usable()) {
            FState = THotKeyState::Pending;
            ShortcutsPortal::Bind(this);
        } else {
            FState = THotKeyState::Unavailable;
        }
        return FState;
    }
    FXModifiers = ((FModifiers & ModAlt) ? XCB_MOD_MASK_1 : 0) |
                  ((FModifiers & ModControl) ? XCB_MOD_MASK_CONTROL : 0) |
                  ((FModifiers & ModShift) ? XCB_MOD_MASK_SHIFT : 0);
    FState = THotKeyState::Refused;
    const uint32_t sym = KeySymOf(Key);
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
    if (!syms) return FState;
    if (xcb_keycode_t* codes = sym ? xcb_key_symbols_get_keycode(syms, sym) : nullptr) {
        for (xcb_keycode_t* k = codes; *k != XCB_NO_SYMBOL; ++k)
            if (std::find(FKeyCodes.begin(), FKeyCodes.end(), *k) == FKeyCodes.end())
                FKeyCodes.push_back(*k);
        std::free(codes);
    }
    const std::vector<uint16_t> locks = LockMasks(c, syms);
    xcb_key_symbols_free(syms);
    if (FKeyCodes.empty()) return FState;

    // Not owner events: the press is reported on the root even while one of our windows has
    // the focus, so no widget also takes it as typing. All grabs go out at once; any refusal
    // (BadAccess: another client holds one variant) undoes every variant, so the combination is
    // held entirely or not at all.
    const xcb_window_t root = X11RootWindow();
    std::vector<xcb_void_cookie_t> cookies;
    for (uint8_t code : FKeyCodes)
        for (uint16_t lock : locks)
            cookies.push_back(xcb_grab_key_checked(c, 0, root, uint16_t(FXModifiers | lock), code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool refused = false;
    for (xcb_void_cookie_t cookie : cookies)
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            refused = true;
            std::free(error);
        }
    FGrabbedMasks = locks;
    if (refused) {
        Ungrab();
        return FState;
    }
    FState = THotKeyState::Grabbed;
    return FState;
}

void TSystemHotKey::Ungrab() {
    xcb_connection_t* c = X11Connection();
    if (c) {
        // Ungrabbing touches only this client's grabs, never another client's.
        const xcb_window_t root = X11RootWindow();
        for (uint8_t code : FKeyCodes)
            for (uint16_t lock : FGrabbedMasks)
                xcb_ungrab_key(c, code, root, uint16_t(FXModifiers | lock));
        // A round trip: once this returns, the server has released them for everybody.
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
    FGrabbedMasks.clear();
}

void TSystemHotKey::Unregister() {
    auto& list = Registered();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (!X11Connection() && FScope == THotKeyScope::System && FState != THotKeyState::Idle &&
        FState != THotKeyState::Unavailable)
        ShortcutsPortal::Unbind(this);
    if (FState == THotKeyState::Grabbed) {
        // Another of our hot keys may hold the same combination: keep the grab for it.
        const bool shared = std::any_of(list.begin(), list.end(), [&](TSystemHotKey* k) {
            return k->FState == THotKeyState::Grabbed && k->FKey == FKey &&
                   k->FModifiers == FModifiers;
        });
        if (!shared) Ungrab();
    }
    FGrabbedMasks.clear();
    FKeyCodes.clear();
    FKey = 0;
    FModifiers = 0;
    FState = THotKeyState::Idle;
    FScope = THotKeyScope::System;
}

void TSystemHotKey::Pressed() {
    if (FPressed) FPressed();
}

std::string TSystemHotKey::Trigger() const {
    std::string out;
    if (FModifiers & ModControl) out += "CTRL+";
    if (FModifiers & ModAlt) out += "ALT+";
    if (FModifiers & ModShift) out += "SHIFT+";
    char name[64] = {};
    const uint32_t sym = KeySymOf(FKey);
    if (!sym || xkb_keysym_get_name(sym, name, sizeof name) <= 0) return {};
    return out + name;
}

void TSystemHotKey::PortalAnswered(THotKeyState state) {
    if (state == FState || FState == THotKeyState::Idle) return;
    FState = state;
    if (FStateChanged) FStateChanged();
}

bool TSystemHotKey::Matches(uint8_t KeyCode, unsigned XState) const {
    return FState == THotKeyState::Grabbed && XState == FXModifiers &&
           std::find(FKeyCodes.begin(), FKeyCodes.end(), KeyCode) != FKeyCodes.end();
}

bool TSystemHotKey::MatchesVirtual(uint16_t Key, unsigned Modifiers) const {
    return FState == THotKeyState::Local && Key == FKey && Modifiers == FModifiers;
}
