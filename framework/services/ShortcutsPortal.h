#pragma once
// The desktop portal's global shortcuts (org.freedesktop.portal.GlobalShortcuts), which
// Wayland sessions offer instead of key grabs. The program's system-wide hot keys are the
// shortcuts of one portal session; their presses come back as its Activated signal. The portal
// answers asynchronously and may ask the user first, so a key waits in Pending until then and
// is told its state through TSystemHotKey::PortalAnswered: Grabbed when bound, Refused when the
// user or the portal declined, Unavailable where no portal offers global shortcuts.

class TSystemHotKey;

namespace ShortcutsPortal {

// Whether this process has a session bus to ask (not on the offscreen platform, not where the
// environment names no bus).
bool Usable();
// Adds a key to the bound set (it is Pending until the portal answers).
void Bind(TSystemHotKey* key);
// Removes a key; it hears nothing more.
void Unbind(TSystemHotKey* key);

} // namespace ShortcutsPortal
