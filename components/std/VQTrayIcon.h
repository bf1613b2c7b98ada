#pragma once
// TVQTrayIcon: one icon in the desktop's notification area, with a tool tip, mouse events and,
// on release of the right button, an automatic popup menu next to the cursor. The entry is
// there while Visible is true at run time; hint and icon changes reach it at once. Handler
// exceptions go to the application's exception report.

#include "components/gfx/VQTypes.h"
#include "framework/classes/Component.h"
#include "framework/controls/Control.h"
#include "framework/graphics/Icon.h"
#include "framework/services/TrayIconHost.h"

#include <memory>

class TPopupMenu;

// The shell requests, as the notification area numbers them.
enum : int { NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2 };

class TVQTrayIcon : public TComponent {
    VQ_CLASS(TVQTrayIcon, TComponent)
public:
    explicit TVQTrayIcon(TComponent* AOwner);
    ~TVQTrayIcon() override;

    // Hint: empty; the tool tip, of which the entry shows the first 63 characters.
    String Hint() const { return FHint; }
    void SetHint(const String& value);
    // Icon: owned, empty at first (an entry without image); setting copies the given icon.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* value);
    // PopupMenu: none; shown on right-button release when its AutoPopup is on. Not owned.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    // Visible: false; whether the entry is in the notification area.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // The one place that talks to the notification area (nothing while designing).
    void UpdateTrayIcon(int Request);
    // The tool tip the entry gets for a hint.
    static String TipText(const String& Hint);
    // How the entry is shown now: as a StatusNotifierItem where a host for those runs on the
    // session bus, else docked into the X11 tray, else not at all (not published).
    TTrayMode TrayMode() const { return FHost->Mode(); }
    // The platform side, for checks of where and how the entry is shown.
    const TTrayIconHost& Host() const { return *FHost; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    // A mouse event over the entry, as the notification area reports it.
    void MouseEvent(const TTrayMouseEvent& Event);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Dispatch(const TTrayMouseEvent& Event);
    void PopupAt(int X, int Y);

    TVQAboutType FAbout = 0; // About: design-time only, never stored
    String FHint;
    std::unique_ptr<TIcon> FIcon;
    TPopupMenu* FPopupMenu = nullptr;
    bool FVisible = false;
    std::unique_ptr<TTrayIconHost> FHost;
};
