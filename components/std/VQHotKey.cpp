#include "components/std/VQHotKey.h"

#include "framework/controls/Application.h"

VQ_PUBLISH(TVQHotKey) {
    P.Inherit();
    P.Field("About", &TVQHotKey::FAbout).Stored(false);
    P.Property("Enabled", &TVQHotKey::Enabled, &TVQHotKey::SetEnabled).Default(true);
    P.Property("Global", &TVQHotKey::Global, &TVQHotKey::SetGlobal).Default(true);
    P.Property("HotKey", &TVQHotKey::HotKey, &TVQHotKey::SetHotKey);
    P.Event("OnHotKey", &TVQHotKey::OnHotKey, "TKeyEvent");
}

TVQHotKey::TVQHotKey(TComponent* AOwner)
    : TComponent(AOwner), FKey(std::make_unique<TSystemHotKey>([this] { Pressed(); })) {
    FKey->SetOnStateChange(
        [this] { Application->Guard(this, [&] { Fire(OnStateChange, this); }); });
}

TVQHotKey::~TVQHotKey() {
    SetHotKey(0);
    FKey.reset();
}

void TVQHotKey::Registration(TShortCut ShortCut, uint16_t& Key, unsigned& Modifiers) {
    Key = ShortCut & 0x1FFF;
    Modifiers = ((ShortCut & scAlt) ? TSystemHotKey::ModAlt : 0) |
                ((ShortCut & scCtrl) ? TSystemHotKey::ModControl : 0) |
                ((ShortCut & scShift) ? TSystemHotKey::ModShift : 0);
}

void TVQHotKey::Decode(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
    Key = ShortCut & 0x1FFF;
    Shift = {};
    if (ShortCut & scShift) Shift.Include(ssShift);
    if (ShortCut & scCtrl) Shift.Include(ssCtrl);
    if (ShortCut & scAlt) Shift.Include(ssAlt);
}

void TVQHotKey::Register() {
    uint16_t key = 0;
    unsigned modifiers = 0;
    Registration(FHotKey, key, modifiers);
    // Taking a new combination releases the old one, so it stops being swallowed.
    FKey->Register(key, modifiers, FGlobal ? THotKeyScope::System : THotKeyScope::Program);
}

void TVQHotKey::SetGlobal(bool value) {
    if (value == FGlobal) return;
    FGlobal = value;
    // Grabs serve both kinds; elsewhere the two are held in different ways.
    if (FKey->State() != THotKeyState::Idle && !TSystemHotKey::GlobalAvailable()) Register();
}

void TVQHotKey::SetHotKey(TShortCut value) {
    if (value == FHotKey) return;
    const TShortCut old = FHotKey;
    FHotKey = value;
    if (!FEnabled || ComponentState().Contains(csDesigning)) return;
    if (value)
        Register();
    else if (old)
        FKey->Unregister();
}

void TVQHotKey::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    if (ComponentState().Contains(csDesigning)) return;
    if (value && FHotKey)
        Register();
    else if (!value && FHotKey)
        FKey->Unregister();
}

void TVQHotKey::Pressed() {
    if (!OnHotKey) return;
    // A local hot key belongs to the program only while one of its windows is active.
    if (!FGlobal && !TSystemHotKey::ProgramActive()) return;
    uint16_t key = 0;
    TShiftState shift;
    Decode(FHotKey, key, shift);
    Application->Guard(this, [&] { Fire(OnHotKey, this, key, shift); });
}
