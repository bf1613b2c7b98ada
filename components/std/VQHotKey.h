#pragma once
// TVQHotKey: a key combination that fires OnHotKey. It is taken system-wide for as long as the
// component exists at run time, is Enabled and has a HotKey; a global hot key fires whichever
// program is active, a local one only while one of this program's windows (a modal one
// included) is active; otherwise the press is consumed and lost. A combination another
// program holds is not reported: the event simply never fires (State() tells).

#include "components/gfx/VQTypes.h"
#include "framework/classes/Component.h"
#include "framework/controls/Control.h"
#include "framework/controls/MenuItem.h"
#include "framework/services/SystemHotKey.h"

#include <memory>

class TVQHotKey : public TComponent {
    VQ_CLASS(TVQHotKey, TComponent)
public:
    explicit TVQHotKey(TComponent* AOwner);
    ~TVQHotKey() override;

    // Enabled: true; the combination is held while true.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Global: true; fire even when another program is active. Takes effect at the next press
    // where keys are grabbed; elsewhere the combination is taken again in the new scope.
    bool Global() const { return FGlobal; }
    void SetGlobal(bool value);
    // HotKey: 0 (none); a short cut code: key in bits 0-12, scShift, scCtrl, scAlt.
    TShortCut HotKey() const { return FHotKey; }
    void SetHotKey(TShortCut value);

    // Fired on the combination with its key and the shift state it names (never the
    // keyboard's); what the handler writes into Key has no effect.
    TKeyEvent OnHotKey;

    // How the combination is held now: Grabbed on an X server (or bound through the desktop
    // portal), Refused when another program holds it or the user declined it, Local for a
    // local hot key where the session has no key grabs (Wayland), Pending while the portal has
    // not answered, Unavailable for a global one where the session offers no global keys.
    THotKeyState State() const { return FKey->State(); }
    // Fired when State changes after the fact (the portal's answer); not published.
    TNotifyEvent OnStateChange;

    // The registration a short cut asks for: key = code & 0x1FFF; modifiers MOD_ALT (1),
    // MOD_CONTROL (2), MOD_SHIFT (4).
    static void Registration(TShortCut ShortCut, uint16_t& Key, unsigned& Modifiers);
    // Key and shift state that OnHotKey gets for a short cut.
    static void Decode(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);

private:
    void Register();
    void Pressed();

    TVQAboutType FAbout = 0; // About: design-time only, never stored
    bool FEnabled = true;
    bool FGlobal = true;
    TShortCut FHotKey = 0;
    std::unique_ptr<TSystemHotKey> FKey;
};
