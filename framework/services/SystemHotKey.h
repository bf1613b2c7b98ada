#pragma once
// TSystemHotKey: one key combination taken for the program. On an X server it is grabbed on
// the root window (with every CapsLock/NumLock/ScrollLock variant), so it arrives whichever
// client has the focus; a combination another client holds is refused as a whole. Without
// X11 (Wayland, offscreen) the application's own key handling watches for it instead, which
// only sees keys while one of the program's windows is active.

#include <cstdint>
#include <functional>
#include <vector>

enum class THotKeyState : uint8_t {
    Idle,    // nothing registered
    Grabbed, // held system-wide
    Refused, // another client holds it (or the key has no key code): it never fires
    Local,   // no system-wide grabs here: fires only while the program is active
};

class TSystemHotKey {
public:
    // Modifier bits of Register.
    static constexpr unsigned ModAlt = 1, ModControl = 2, ModShift = 4;

    using TPressed = std::function<void()>;
    // pressed runs from the event loop (never inside the native event dispatch) on each press,
    // auto-repeats included.
    explicit TSystemHotKey(TPressed pressed);
    ~TSystemHotKey();
    TSystemHotKey(const TSystemHotKey&) = delete;
    TSystemHotKey& operator=(const TSystemHotKey&) = delete;

    // Takes virtual key Key with Modifiers, releasing what was held before; Key 0 releases.
    THotKeyState Register(uint16_t Key, unsigned Modifiers);
    void Unregister();
    THotKeyState State() const { return FState; }

    // Whether system-wide grabs work in this session (an X11 display).
    static bool GlobalAvailable();
    // Whether one of the program's windows (a modal one or a message box included) is active.
    static bool ProgramActive();

    // Internal: the press arrived (from the key grab or the key filter).
    void Pressed();
    bool Matches(uint8_t KeyCode, unsigned XState) const;
    bool MatchesVirtual(uint16_t Key, unsigned Modifiers) const;

private:
    void Ungrab();

    TPressed FPressed;
    THotKeyState FState = THotKeyState::Idle;
    uint16_t FKey = 0;
    unsigned FModifiers = 0;
    unsigned FXModifiers = 0;
    std::vector<uint8_t> FKeyCodes;
    std::vector<uint16_t> FGrabbedMasks;
};
