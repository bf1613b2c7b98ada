#pragma once
// The program's X11 session, when it has one: Qt's own xcb connection and the screen's root.
// Every X11 service asks here first; under Wayland or the offscreen platform there is none.

#include <cstdint>

struct xcb_connection_t;

// Qt's connection, or null when the program does not run on an X server.
xcb_connection_t* X11Connection();
// The root window of the default screen (0 without a connection).
uint32_t X11RootWindow();
// The default screen's number (the N of _NET_SYSTEM_TRAY_SN).
int X11ScreenNumber();
// The atom of a name, interned once (0 without a connection).
uint32_t X11Atom(const char* name);
// Adds events to what this client selects on a window, keeping what it selected before.
void X11SelectInput(uint32_t window, uint32_t mask);
