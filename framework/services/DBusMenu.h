#pragma once
// TDBusMenu: a popup menu offered on the session bus as a com.canonical.dbusmenu object, for
// hosts that draw a tray entry's menu themselves. Every request reads the menu afresh, so no
// item is ever held between requests; a layout that differs from the one last given out gets a
// new revision and the LayoutUpdated signal. Items keep their ids while they exist.
//
// What the host sees of an item: its caption as the label ('&' marks the access key, written
// '_' there), separators, the enabled state, check marks and radio marks with their state,
// sub-menus, the shortcut, and the default item as the vendor property "x-vq-default" (hosts
// draw no bold item). Hidden items are left out, as in our own popup.
//
// A chosen item ("clicked") runs from the event loop after the request has been answered,
// with the tray's component as the menu's PopupComponent, as in our own popup; AboutToShow of
// the whole menu fires the menu's OnPopup first, so a handler can still change the items.

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QVariantMap>

#include <map>
#include <vector>

class TComponent;
class TMenuItem;
class TPopupMenu;

class TDBusMenu : public QDBusVirtualObject {
public:
    // Answers at path on the named connection (exporting it is the caller's).
    TDBusMenu(const QString& connectionName, const QString& path);
    ~TDBusMenu() override;

    // The menu offered (none: an empty one) and the component that pops it up. Not owned: the
    // caller clears it before either goes.
    void SetMenu(TPopupMenu* menu, TComponent* popupComponent);
    TPopupMenu* Menu() const { return FMenu; }

    // The dbusmenu label of a caption: "&&" is a literal '&', another '&' marks the access key
    // ('_' there), and a literal '_' is written "__".
    static QString Label(const QString& caption);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct TEntry {
        int Id = 0;
        QVariantMap Properties;
        std::vector<TEntry> Children;
        bool operator==(const TEntry&) const = default;
    };

    TEntry Build();
    void Fill(TEntry& entry, const TMenuItem* item, std::map<const TMenuItem*, int>& seen);
    static const TEntry* Find(const TEntry& root, int id);
    TMenuItem* FindItem(int id) const;
    // Takes the menu as it is now; true (and LayoutUpdated when signal) if it changed.
    bool Update(bool signal);
    void Clicked(int id);
    bool AboutToShow(int id);
    QVariantMap Properties() const;

    QString FConnectionName;
    QString FPath;
    TPopupMenu* FMenu = nullptr;
    TComponent* FPopupComponent = nullptr;
    std::map<const TMenuItem*, int> FIds;
    int FNextId = 1;
    uint FRevision = 1;
    TEntry FLayout;
};
