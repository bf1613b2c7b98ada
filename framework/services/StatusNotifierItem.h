#pragma once
// TStatusNotifierItem: one tray entry shown by a StatusNotifierItem host, the notification area
// of most panels today (KDE Plasma, XFCE, LXQt, waybar, GNOME's AppIndicator extension) and the
// only one under Wayland. It has a session bus connection of its own, with the well-known name
// org.kde.StatusNotifierItem-<pid>-<n>, the item at /StatusNotifierItem and the menu at
// /MenuBar (TDBusMenu); it registers with the watcher, and again whenever a watcher appears.
// Destroying it leaves the bus, which takes the entry out of every host.
//
// The host's requests become the tray's mouse events, delivered from the event loop once the
// request has been answered (a handler may run a modal window): Activate is a left click at
// the point given, a second one within the double-click time the double click; SecondaryActivate
// a middle click; ContextMenu a right click (whose release pops our own menu up); Scroll
// nothing. A host that draws the menu itself (Menu is offered while the popup menu pops up on
// right clicks) reports no right click at all.

#include "framework/services/TrayIconHost.h"

#include <QImage>
#include <QString>

#include <memory>

class TComponent;
class TPopupMenu;

class TStatusNotifierItem {
public:
    using TMouseHandler = std::function<void(const TTrayMouseEvent&)>;
    explicit TStatusNotifierItem(TMouseHandler handler);
    ~TStatusNotifierItem();
    TStatusNotifierItem(const TStatusNotifierItem&) = delete;
    TStatusNotifierItem& operator=(const TStatusNotifierItem&) = delete;

    // The tool tip's title, shown as written (NewToolTip tells the hosts).
    void SetToolTip(const QString& text);
    // The icon, offered in the sizes hosts ask for (NewIcon tells them).
    void SetIcon(const QImage& image);
    // The menu offered to hosts that draw it, and the component that pops it up. Not owned:
    // the caller clears it before either goes.
    void SetMenu(TPopupMenu* menu, TComponent* popupComponent);

    // The item's name on the bus; empty when no bus would take it.
    QString ServiceName() const;
    // Whether the watcher running now has taken the registration.
    bool Registered() const;

    // The sizes of the icon offered (IconPixmap), in pixels square.
    static constexpr int PixmapSizes[] = {16, 22, 24, 32, 48};
    // The image at one of those sizes: grown by whole factors only (pixel art stays sharp, as
    // the tray shows it), shrunk smoothly, centred, transparent around.
    static QImage PixmapAt(const QImage& image, int size);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
