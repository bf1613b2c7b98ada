#pragma once
// TSystemHotKey: one key combination taken for the program. On an X server it is grabbed on
// the root window (with every CapsLock/NumLock/ScrollLock variant), so it arrives whichever
// client has the focus; a combination another client holds is refused as a whole. Without
// X11 (Wayland, offscreen) a program-wide key is watched in the application's own key
// handling, which only sees keys while one of the program's windows is active, and a
// system-wide one is bound through the desktop portal's global shortcuts where the session
// offers them; where it does not, the key is Unavailable and never fires.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class THotKeyState : uint8_t {
    Idle,        // nothing registered
    Grabbed,     // held system-wide
    Refused,     // another client holds it (or the key has no key code): it never fires
    Local,       // watched in the program's own key handling: fires only while it is active
    Pending,     // asked of the desktop portal, which has not answered yet (it may ask the user)
    Unavailable, // system-wide keys asked for where the session offers none: never fires
};

// Where a combination is wanted. On X11 both are grabbed system-wide (the caller decides
// whether a press counts); elsewhere a program-wide one needs no grab at all.
enum class THotKeyScope : uint8_t { System, Program };

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
    THotKeyState Register(uint16_t Key, unsigned Modifiers,
                          THotKeyScope Scope = THotKeyScope::System);
    void Unregister();
    THotKeyState State() const { return FState; }
    THotKeyScope Scope() const { return FScope; }
    // Runs after each change of State that Register and Unregister do not return (the
    // portal's answer, a portal that goes away).
    void SetOnStateChange(std::function<void()> changed) { FStateChanged = std::move(changed); }

    // Whether key grabs work in this session (an X11 display); without them system-wide keys
    // depend on the desktop portal.
    static bool GlobalAvailable();
    // Whether one of the program's windows (a modal one or a message box included) is active.
    static bool ProgramActive();

    // Internal: the press arrived (from the key grab, the key filter or the portal).
    void Pressed();
    // Internal: the portal's answer.
    void PortalAnswered(THotKeyState state);
    // The combination as the desktop's shortcut notation writes it ("CTRL+SHIFT+g").
    std::string Trigger() const;
    bool Matches(uint8_t KeyCode, unsigned XState) const;
    bool MatchesVirtual(uint16_t Key, unsigned Modifiers) const;

private:
    void Ungrab();

    TPressed FPressed;
    std::function<void()> FStateChanged;
    THotKeyState FState = THotKeyState::Idle;
    THotKeyScope FScope = THotKeyScope::System;
    uint16_t FKey = 0;
    unsigned FModifiers = 0;
    unsigned FXModifiers = 0;
    std::vector<uint8_t> FKeyCodes;
    std::vector<uint16_t> FGrabbedMasks;
};
