#include "framework/services/DBusMenu.h"

#include "framework/controls/Application.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QTimer>

namespace {

constexpr auto kInterface = "com.canonical.dbusmenu";
constexpr auto kProperties = "org.freedesktop.DBus.Properties";

// One item's properties as GetGroupProperties answers them: (ia{sv}).
struct TItemProperties {
    int Id = 0;
    QVariantMap Properties;
};

QDBusArgument& operator<<(QDBusArgument& arg, const TItemProperties& p) {
    arg.beginStructure();
    arg << p.Id << p.Properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TItemProperties& p) {
    arg.beginStructure();
    arg >> p.Id >> p.Properties;
    arg.endStructure();
    return arg;
}

} // namespace

Q_DECLARE_METATYPE(TItemProperties)

namespace {

void RegisterTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<TItemProperties>();
        qDBusRegisterMetaType<QList<TItemProperties>>();
        qDBusRegisterMetaType<QList<QStringList>>(); // a shortcut: aas
        return true;
    }();
    (void)done;
}

QVariantMap Only(const QVariantMap& properties, const QStringList& names) {
    if (names.isEmpty()) return properties;
    QVariantMap out;
    for (const QString& name : names)
        if (auto it = properties.find(name); it != properties.end()) out.insert(name, *it);
    return out;
}

// The shortcut as dbusmenu writes one: [["Control", "Shift", "S"]].
QList<QStringList> ShortcutValue(TShortCut shortCut) {
    QStringList keys;
    if (shortCut & scCtrl) keys << QStringLiteral("Control");
    if (shortCut & scAlt) keys << QStringLiteral("Alt");
    if (shortCut & scShift) keys << QStringLiteral("Shift");
    const QString key = ShortCutToText(TShortCut(shortCut & ~(scCtrl | scAlt | scShift)));
    if (key.isEmpty()) return {};
    keys << key;
    return {keys};
}

QDBusMessage InvalidId(const QDBusMessage& message, int id) {
    return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                    QStringLiteral("No menu item with id %1").arg(id));
}

const char* const kIntrospection = R"xml(  <interface name="com.canonical.dbusmenu">
    <property name="Version" type="u" access="read"/>
    <property name="TextDirection" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="IconThemePath" type="as" access="read"/>
    <method name="GetLayout">
      <arg type="i" name="parentId" direction="in"/>
      <arg type="i" name="recursionDepth" direction="in"/>
      <arg type="as" name="propertyNames" direction="in"/>
      <arg type="u" name="revision" direction="out"/>
      <arg type="(ia{sv}av)" name="layout" direction="out"/>
    </method>
    <method name="GetGroupProperties">
      <arg type="ai" name="ids" direction="in"/>
      <arg type="as" name="propertyNames" direction="in"/>
      <arg type="a(ia{sv})" name="properties" direction="out"/>
    </method>
    <method name="GetProperty">
      <arg type="i" name="id" direction="in"/>
      <arg type="s" name="name" direction="in"/>
      <arg type="v" name="value" direction="out"/>
    </method>
    <method name="Event">
      <arg type="i" name="id" direction="in"/>
      <arg type="s" name="eventId" direction="in"/>
      <arg type="v" name="data" direction="in"/>
      <arg type="u" name="timestamp" direction="in"/>
    </method>
    <method name="EventGroup">
      <arg type="a(isvu)" name="events" direction="in"/>
      <arg type="ai" name="idErrors" direction="out"/>
    </method>
    <method name="AboutToShow">
      <arg type="i" name="id" direction="in"/>
      <arg type="b" name="needUpdate" direction="out"/>
    </method>
    <method name="AboutToShowGroup">
      <arg type="ai" name="ids" direction="in"/>
      <arg type="ai" name="updatesNeeded" direction="out"/>
      <arg type="ai" name="idErrors" direction="out"/>
    </method>
    <signal name="ItemsPropertiesUpdated">
      <arg type="a(ia{sv})" name="updatedProps" direction="out"/>
      <arg type="a(ias)" name="removedProps" direction="out"/>
    </signal>
    <signal name="LayoutUpdated">
      <arg type="u" name="revision" direction="out"/>
      <arg type="i" name="parent" direction="out"/>
    </signal>
    <signal name="ItemActivationRequested">
      <arg type="i" name="id" direction="out"/>
      <arg type="u" name="timestamp" direction="out"/>
    </signal>
  </interface>
)xml";

} // namespace

TDBusMenu::TDBusMenu(const QString& connectionName, const QString& path)
    : FConnectionName(connectionName), FPath(path) {
    RegisterTypes();
    FLayout = Build();
}

TDBusMenu::~TDBusMenu() = default;

void TDBusMenu::SetMenu(TPopupMenu* menu, TComponent* popupComponent) {
    FPopupComponent = popupComponent;
    if (menu == FMenu) return;
    FMenu = menu;
    Update(true);
}

QString TDBusMenu::Label(const QString& caption) {
    QString label;
    label.reserve(caption.size() + 1);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                label += u'&';
                ++i;
            } else {
                label += u'_';
            }
        } else if (c == u'_') {
            label += QStringLiteral("__");
        } else {
            label += c;
        }
    }
    return label;
}

TDBusMenu::TEntry TDBusMenu::Build() {
    TEntry root;
    root.Properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    std::map<const TMenuItem*, int> seen;
    if (FMenu) Fill(root, FMenu->Items(), seen);
    // Items gone from the menu give up their ids (a new item may get the same address).
    FIds = std::move(seen);
    return root;
}

void TDBusMenu::Fill(TEntry& entry, const TMenuItem* parent,
                     std::map<const TMenuItem*, int>& seen) {
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        TEntry child;
        auto known = FIds.find(item);
        child.Id = known != FIds.end() ? known->second : FNextId++;
        seen[item] = child.Id;
        QVariantMap& p = child.Properties;
        if (item->IsLine()) {
            p.insert(QStringLiteral("type"), QStringLiteral("separator"));
            entry.Children.push_back(std::move(child));
            continue;
        }
        // Only what differs from dbusmenu's defaults is sent.
        p.insert(QStringLiteral("label"), Label(item->Caption()));
        if (!item->Enabled()) p.insert(QStringLiteral("enabled"), false);
        if (item->RadioItem() || item->Checked()) {
            p.insert(QStringLiteral("toggle-type"),
                     item->RadioItem() ? QStringLiteral("radio") : QStringLiteral("checkmark"));
            p.insert(QStringLiteral("toggle-state"), item->Checked() ? 1 : 0);
        }
        if (item->Default()) p.insert(QStringLiteral("x-vq-default"), true);
        if (const QList<QStringList> keys = ShortcutValue(item->ShortCut()); !keys.isEmpty())
            p.insert(QStringLiteral("shortcut"), QVariant::fromValue(keys));
        if (item->Count() > 0) {
            p.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
            Fill(child, item, seen);
        }
        entry.Children.push_back(std::move(child));
    }
}

const TDBusMenu::TEntry* TDBusMenu::Find(const TEntry& root, int id) {
    if (root.Id == id) return &root;
    for (const TEntry& child : root.Children)
        if (const TEntry* found = Find(child, id)) return found;
    return nullptr;
}

TMenuItem* TDBusMenu::FindItem(int id) const {
    // Walks the menu as it is now: an item freed since the last layout is not found.
    std::function<TMenuItem*(const TMenuItem*)> walk = [&](const TMenuItem* parent) {
        for (int i = 0; i < parent->Count(); ++i) {
            TMenuItem* item = parent->Items(i);
            if (auto it = FIds.find(item); it != FIds.end() && it->second == id) return item;
            if (TMenuItem* found = walk(item)) return found;
        }
        return static_cast<TMenuItem*>(nullptr);
    };
    return FMenu && id > 0 ? walk(FMenu->Items()) : nullptr;
}

bool TDBusMenu::Update(bool signal) {
    TEntry now = Build();
    if (now == FLayout) return false;
    FLayout = std::move(now);
    ++FRevision;
    if (signal) {
        QDBusMessage s = QDBusMessage::createSignal(FPath, kInterface, "LayoutUpdated");
        s << FRevision << 0;
        QDBusConnection(FConnectionName).send(s);
    }
    return true;
}

void TDBusMenu::Clicked(int id) {
    // The host waits for no handler: it has its answer, and the item runs from the event loop
    // (it may run a modal window). Dropped when this object has gone meanwhile.
    QTimer::singleShot(0, this, [this, id] {
        TMenuItem* item = FindItem(id);
        if (!item) return;
        Application->Guard(item, [&] {
            if (FMenu) FMenu->SetPopupComponent(FPopupComponent);
            item->Click();
        });
        // The handler may have changed the items, or dropped the menu.
        Update(true);
    });
}

bool TDBusMenu::AboutToShow(int id) {
    if (id == 0 && FMenu) {
        TPopupMenu* menu = FMenu;
        Application->Guard(menu, [&] {
            menu->SetPopupComponent(FPopupComponent);
            Fire(menu->OnPopup, menu);
        });
    }
    return Update(true);
}

QVariantMap TDBusMenu::Properties() const {
    return {
        {QStringLiteral("Version"), 3u},
        {QStringLiteral("TextDirection"), QGuiApplication::layoutDirection() == Qt::RightToLeft
                                              ? QStringLiteral("rtl")
                                              : QStringLiteral("ltr")},
        {QStringLiteral("Status"), QStringLiteral("normal")},
        {QStringLiteral("IconThemePath"), QStringList()},
    };
}

QString TDBusMenu::introspect(const QString& path) const {
    return path == FPath ? QString::fromLatin1(kIntrospection) : QString();
}

bool TDBusMenu::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString member = message.member();
    const QVariantList args = message.arguments();
    auto reply = [&](const QVariantList& values) {
        connection.send(message.createReply(values));
        return true;
    };

    if (message.interface() == QLatin1String(kProperties)) {
        if (args.value(0).toString() != QLatin1String(kInterface)) return false;
        const QVariantMap all = Properties();
        if (member == QLatin1String("GetAll")) return reply({all});
        if (member == QLatin1String("Get") && all.contains(args.value(1).toString()))
            return reply({QVariant::fromValue(QDBusVariant(all.value(args.value(1).toString())))});
        return false;
    }
    if (message.interface() != QLatin1String(kInterface)) return false;

    if (member == QLatin1String("GetLayout") && args.size() == 3) {
        Update(false);
        const TEntry* parent = Find(FLayout, args[0].toInt());
        if (!parent) return connection.send(InvalidId(message, args[0].toInt()));
        const int depth = args[1].toInt();
        const QStringList names = args[2].toStringList();
        std::function<QDBusArgument(const TEntry&, int)> marshal = [&](const TEntry& e, int d) {
            QDBusArgument arg;
            arg.beginStructure();
            arg << e.Id << Only(e.Properties, names);
            QVariantList children;
            if (d != 0)
                for (const TEntry& child : e.Children)
                    children << QVariant::fromValue(marshal(child, d - 1));
            arg << children;
            arg.endStructure();
            return arg;
        };
        return reply({FRevision, QVariant::fromValue(marshal(*parent, depth))});
    }
    if (member == QLatin1String("GetGroupProperties") && args.size() == 2) {
        Update(false);
        QList<int> ids;
        qvariant_cast<QDBusArgument>(args[0]) >> ids;
        const QStringList names = args[1].toStringList();
        QList<TItemProperties> out;
        std::function<void(const TEntry&)> collect = [&](const TEntry& e) {
            if (ids.isEmpty() || ids.contains(e.Id))
                out.push_back({e.Id, Only(e.Properties, names)});
            for (const TEntry& child : e.Children)
                collect(child);
        };
        collect(FLayout);
        return reply({QVariant::fromValue(out)});
    }
    if (member == QLatin1String("GetProperty") && args.size() == 2) {
        Update(false);
        const TEntry* entry = Find(FLayout, args[0].toInt());
        if (!entry) return connection.send(InvalidId(message, args[0].toInt()));
        return reply(
            {QVariant::fromValue(QDBusVariant(entry->Properties.value(args[1].toString())))});
    }
    if (member == QLatin1String("Event") && args.size() == 4) {
        const int id = args[0].toInt();
        if (!Find(FLayout, id)) return connection.send(InvalidId(message, id));
        reply({});
        if (args[1].toString() == QLatin1String("clicked")) Clicked(id);
        return true;
    }
    if (member == QLatin1String("EventGroup") && args.size() == 1) {
        QList<int> errors;
        const QDBusArgument events = qvariant_cast<QDBusArgument>(args[0]);
        std::vector<int> clicked;
        events.beginArray();
        while (!events.atEnd()) {
            int id = 0;
            QString type;
            QDBusVariant data;
            uint timestamp = 0;
            events.beginStructure();
            events >> id >> type >> data >> timestamp;
            events.endStructure();
            if (!Find(FLayout, id))
                errors << id;
            else if (type == QLatin1String("clicked"))
                clicked.push_back(id);
        }
        events.endArray();
        reply({QVariant::fromValue(errors)});
        for (int id : clicked)
            Clicked(id);
        return true;
    }
    if (member == QLatin1String("AboutToShow") && args.size() == 1) {
        const int id = args[0].toInt();
        const bool changed = AboutToShow(id);
        if (!Find(FLayout, id)) return connection.send(InvalidId(message, id));
        return reply({changed});
    }
    if (member == QLatin1String("AboutToShowGroup") && args.size() == 1) {
        QList<int> ids, updates, errors;
        qvariant_cast<QDBusArgument>(args[0]) >> ids;
        for (int id : ids) {
            if (AboutToShow(id)) updates << id;
            if (!Find(FLayout, id)) errors << id;
        }
        return reply({QVariant::fromValue(updates), QVariant::fromValue(errors)});
    }
    return false;
}
