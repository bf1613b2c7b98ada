#pragma once
// TTrayIconHost: one entry in the desktop's notification area. On an X server it docks a small
// window of its own into the system tray (XEmbed), which gets the real mouse events; it docks
// again whenever a tray manager (re)appears, so a restarted panel gets the icon back. Where no
// X11 tray manager exists but the desktop offers Qt's system tray, that one is used, with the
// little it reports (no release, no move). Otherwise the entry cannot be shown (Available()).

#include "framework/controls/Control.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

enum class TTrayMouseKind : uint8_t { Move, Down, Up, DoubleClick };

struct TTrayMouseEvent {
    TTrayMouseKind Kind = TTrayMouseKind::Move;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    int X = 0, Y = 0; // the cursor in screen coordinates when the event is handled
};

enum class TTrayMode : uint8_t { None, XEmbed, QtTray };

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

    // How the entry is shown (None while hidden or where nothing can show it).
    TTrayMode Mode() const;
    // Whether this session can show tray entries at all (an X server, or Qt's tray).
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

    TMouseHandler FHandler;
    bool FShown = false;
    QString FToolTip;
    QImage FImage;
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    TLifeToken::TSource FAlive;
};
