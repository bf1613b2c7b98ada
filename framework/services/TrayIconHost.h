#pragma once
// TTrayIconHost: one entry in the desktop's notification area. Where a StatusNotifierItem host
// runs on the session bus (most panels today, every one under Wayland) the entry is a
// TStatusNotifierItem, whose activations become clicks and double clicks. Otherwise, on an X
// server, it docks a small window of its own into the system tray (XEmbed), which gets the real
// mouse events; it docks again whenever a tray manager (re)appears, so a restarted panel gets
// the icon back. A host that appears later takes the entry over from the X11 tray; one that
// goes away for good gives it back. With neither the entry cannot be shown.

#include "framework/controls/Control.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class TComponent;
class TPopupMenu;

enum class TTrayMouseKind : uint8_t { Move, Down, Up, DoubleClick };

struct TTrayMouseEvent {
    TTrayMouseKind Kind = TTrayMouseKind::Move;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    int X = 0, Y = 0; // the cursor in screen coordinates when the event is handled
};

// How the entry is shown: not at all (hidden, nothing to show it, or still asking the session
// bus), docked into the X11 tray, or as a StatusNotifierItem.
enum class TTrayMode : uint8_t { None, XEmbed, StatusNotifierItem };

class TTrayIconHost {
public:
    using TMouseHandler = std::function<void(const TTrayMouseEvent&)>;
    explicit TTrayIconHost(TMouseHandler handler);
    ~TTrayIconHost();
    TTrayIconHost(const TTrayIconHost&) = delete;
    TTrayIconHost& operator=(const TTrayIconHost&) = delete;

    // Adds (true) or removes (false) the entry.
    void SetShown(bool value);
    bool Shown() const { return FShown; }
    // The tool tip shows text as written, markup included.
    void SetToolTip(const QString& text);
    QString ToolTip() const { return FToolTip; }
    // What the icon window gives Qt for a tip text: Qt would draw text that looks like markup
    // as rich text.
    static QString LiteralToolTip(const QString& text);
    void SetIcon(const QImage& image);
    // The menu a StatusNotifierItem host may draw itself, and the component that pops it up.
    // Not owned: the caller clears it before the menu goes.
    void SetMenu(TPopupMenu* menu, TComponent* popupComponent);

    // How the entry is shown (None while hidden or where nothing can show it).
    TTrayMode Mode() const;
    // Whether this session can show tray entries at all (an X server, or a session bus).
    static bool Available();
    // Whether the entry sits in a tray now (X11: docked in a live manager).
    bool Docked() const;
    // The entry's rectangle on the screen (X11 only; empty otherwise).
    QRect ScreenRect() const;

    // Internal: the X11 side reports through these.
    void Deliver(const TTrayMouseEvent& event);
    void TrayManagerChanged();
    void Embedded(uint32_t Window);

private:
    void Remove();
    void Add();
    void AddDocked(uint32_t Manager);
    void NotifierHostsChanged();

    TMouseHandler FHandler;
    bool FShown = false;
    QString FToolTip;
    QImage FImage;
    TPopupMenu* FMenu = nullptr;
    TComponent* FMenuSource = nullptr;
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
