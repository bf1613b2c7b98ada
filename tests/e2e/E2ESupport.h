#pragma once
// Helpers of the end-to-end tests: they run on a real X server (xvfb-run.sh) and drive it with
// xdotool, as a user would, and with a second X connection standing for another program.

#include "framework/services/X11Session.h"
#include "support/QtPrinters.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <xcb/xcb.h>

// Runs xdotool with arguments and waits for it (real input through the XTEST extension).
inline bool XDo(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(5000) && p.exitCode() == 0;
}

inline bool WaitUntil(const std::function<bool()>& condition, int ms = 5000) {
    return QTest::qWaitFor(condition, ms);
}

#define E2E_REQUIRE_X11()                                                                          \
    do {                                                                                           \
        if (!X11Connection()) GTEST_SKIP() << "no X server (run through xvfb-run.sh)";             \
        if (QStandardPaths::findExecutable("xdotool").isEmpty())                                   \
            GTEST_SKIP() << "xdotool is not installed";                                            \
    } while (0)

// Another program on the same display: its own connection and a window it can focus.
class TOtherClient {
public:
    TOtherClient() {
        FConn = xcb_connect(nullptr, nullptr);
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(FConn)).data;
        FRoot = screen->root;
        FWindow = xcb_generate_id(FConn);
        const uint32_t values[] = {screen->white_pixel,
                                   XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_FOCUS_CHANGE};
        xcb_create_window(FConn, XCB_COPY_FROM_PARENT, FWindow, FRoot, 600, 400, 200, 150, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        xcb_map_window(FConn, FWindow);
        xcb_flush(FConn);
    }
    ~TOtherClient() { xcb_disconnect(FConn); }
    // Takes the keyboard focus (no window manager runs, so the focus is simply set).
    void Focus() {
        xcb_set_input_focus(FConn, XCB_INPUT_FOCUS_POINTER_ROOT, FWindow, XCB_CURRENT_TIME);
        xcb_flush(FConn);
        std::free(xcb_get_input_focus_reply(FConn, xcb_get_input_focus(FConn), nullptr));
    }
    // Grabs a key on the root as a hot key would; true when the server granted it.
    bool Grab(uint16_t modifiers, uint8_t keycode) {
        xcb_generic_error_t* e = xcb_request_check(
            FConn, xcb_grab_key_checked(FConn, 1, FRoot, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                        XCB_GRAB_MODE_ASYNC));
        std::free(e);
        return e == nullptr;
    }
    // Releases every key this program grabbed; returns once the server has done it, so a
    // grab by another connection right after cannot be processed first.
    void UngrabAll() {
        xcb_ungrab_key(FConn, XCB_GRAB_ANY, FRoot, XCB_MOD_MASK_ANY);
        std::free(xcb_get_input_focus_reply(FConn, xcb_get_input_focus(FConn), nullptr));
    }
    // Presses of a key that reached this program's window since the last call.
    int KeyPresses(uint8_t keycode) {
        int n = 0;
        while (xcb_generic_event_t* e = xcb_poll_for_event(FConn)) {
            if ((e->response_type & ~0x80) == XCB_KEY_PRESS &&
                reinterpret_cast<xcb_key_press_event_t*>(e)->detail == keycode)
                ++n;
            std::free(e);
        }
        return n;
    }
    xcb_connection_t* Connection() const { return FConn; }

private:
    xcb_connection_t* FConn;
    xcb_window_t FRoot;
    xcb_window_t FWindow;
};
