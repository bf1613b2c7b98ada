#include "framework/classes/FormReader.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/FormParser.h"
#include "framework/classes/StringList.h"
#include "framework/system/UpdateScope.h"

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

class Builder {
public:
    Builder(TComponent* root, const String& source) : FRoot(root), FSource(source) {}

    // Applies the top object to the root, builds its children, resolves references, then
    // calls Loaded on every component in reading order. On failure frees what it built.
    void Run(const TFormObjectNode& top) {
        FRoot->BeginLoading();
        FLoaded.push_back(FRoot);
        try {
            if (!top.Name.empty()) Apply(top.Line, [&] { FRoot->SetName(Q(top.Name)); });
            ApplyProps(FRoot, FRoot, top.Props, FRoot->Name());
            for (const auto& child : top.Children)
                BuildChild(child, FRoot);
            ResolveReferences();
        } catch (...) {
            Undo();
            throw;
        }
        // Loaded runs once the tree is whole; an error there is the component's, not the text's.
        for (TComponent* c : FLoaded)
            c->Loaded();
    }

private:
    struct Fixup {
        TObject* Instance;
        const TPropInfo* Prop;
        std::string_view Name;
        int Line;
        String Path;
    };

    [[noreturn]] void Fail(int line, const String& message) const {
        RaiseReadError(FSource, line, message);
    }

    // Runs f, turning a component's own exception into a reading error at the line.
    template <class F> void Apply(int line, F&& f, const String& what = String()) {
        try {
            f();
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(line, what.isEmpty()
                           ? e.Message()
                           : QStringLiteral("Error reading %1: %2").arg(what, e.Message()));
        } catch (const std::exception& e) {
            Fail(line,
                 QStringLiteral("Error reading %1: %2").arg(what, QString::fromUtf8(e.what())));
        }
    }

    void BuildChild(const TFormObjectNode& node, TComponent* parent) {
        const TClassInfo* cls = GetClass(node.ClassName);
        if (!cls) Fail(node.Line, QStringLiteral("Class %1 not found").arg(Q(node.ClassName)));
        if (!cls->CanCreate())
            Fail(node.Line, QStringLiteral("Class %1 cannot be created").arg(Q(node.ClassName)));
        TComponent* owner = parent->GetChildOwner();
        if (!owner) owner = FRoot;
        TComponent* comp = nullptr;
        Apply(node.Line, [&] { comp = cls->Create(owner); });
        FCreated.push_back(comp);
        comp->BeginLoading();
        FLoaded.push_back(comp);
        const String name = Q(node.Name);
        Apply(node.Line, [&] { comp->SetName(name); });
        if (!node.Name.empty()) {
            if (const TFieldInfo* field = FRoot->ClassType()->FindField(node.Name)) {
                if (!cls->InheritsFrom(field->Class))
                    Fail(node.Line, QStringLiteral("Field %1 should be of class %2, not %3")
                                        .arg(name, QString::fromStdString(field->Class->Name()),
                                             Q(node.ClassName)));
                field->Set(FRoot, comp);
                FBoundFields.push_back(field);
            }
        }
        Apply(
            node.Line, [&] { comp->SetParentComponent(parent); }, name);
        ApplyProps(comp, comp, node.Props, name);
        for (const auto& child : node.Children)
            BuildChild(child, comp);
    }

    void ApplyProps(TObject* obj, TComponent* comp, const std::vector<TFormPropNode>& props,
                    const String& objName) {
        for (const auto& prop : props)
            ApplyProp(obj, comp, prop, objName);
    }

    void ApplyProp(TObject* obj, TComponent* comp, const TFormPropNode& node,
                   const String& objName) {
        // Walk the dotted path through nested objects: Font.Style.
        std::string_view path = node.Name;
        TObject* target = obj;
        for (size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
            const std::string_view head = path.substr(0, dot);
            const TPropInfo* p = target->ClassType()->FindProperty(head);
            if (!p || p->Kind != pkObject)
                Fail(
                    node.Line,
                    QStringLiteral("%1 has no nested object %2").arg(target->ClassName(), Q(head)));
            target = p->GetObject(target);
            if (!target) Fail(node.Line, QStringLiteral("%1 is not assigned").arg(Q(head)));
            path = path.substr(dot + 1);
        }
        const TPropInfo* p = target->ClassType()->FindProperty(path);
        if (!p)
            Fail(node.Line, QStringLiteral("Property %1 does not exist in %2")
                                .arg(Q(path), target->ClassName()));
        const String what = objName.isEmpty() ? Q(node.Name) : objName + u'.' + Q(node.Name);
        if (!p->Writable && p->Kind != pkObject && p->Kind != pkStrings && p->Kind != pkCollection)
            Fail(node.Line, QStringLiteral("Property %1 is read-only").arg(what));
        Apply(
            node.Line, [&] { SetValue(target, comp, *p, node.Value, what); }, what);
    }

    [[noreturn]] void Expected(const TFormValueNode& v, const TPropInfo& p,
                               const char* what) const {
        Fail(v.Line, QStringLiteral("Invalid value for %1: expected %2")
                         .arg(QString::fromStdString(p.Name), QLatin1String(what)));
    }

    void SetValue(TObject* obj, TComponent* comp, const TPropInfo& p, const TFormValueNode& v,
                  const String& what) {
        using V = TFormValueNode;
        switch (p.Kind) {
        case pkInteger:
        case pkUnsigned: {
            int64_t value = 0;
            if (v.Kind == V::vkInteger) {
                value = v.Int;
            } else if (v.Kind == V::vkIdent && p.Idents) {
                bool found = false;
                for (const auto& e : *p.Idents)
                    if (SameTextAscii(e.Name, v.Ident)) {
                        value = e.Value;
                        found = true;
                    }
                if (!found) Expected(v, p, "an integer or a known identifier");
            } else {
                Expected(v, p, "an integer");
            }
            if (p.Kind == pkUnsigned && value < 0) Expected(v, p, "an unsigned integer");
            p.SetOrd(obj, value);
            break;
        }
        case pkBoolean:
            if (v.Kind == V::vkIdent && SameTextAscii(v.Ident, "True"))
                p.SetOrd(obj, 1);
            else if (v.Kind == V::vkIdent && SameTextAscii(v.Ident, "False"))
                p.SetOrd(obj, 0);
            else
                Expected(v, p, "True or False");
            break;
        case pkEnum: {
            if (v.Kind != V::vkIdent) Expected(v, p, "an identifier");
            const auto value = p.Enum->ValueOf(v.Ident);
            if (!value)
                Fail(v.Line, QStringLiteral("Invalid value %1 for %2 (%3)")
                                 .arg(Q(v.Ident), QString::fromStdString(p.Name),
                                      QString::fromStdString(p.Enum->Name())));
            p.SetOrd(obj, *value);
            break;
        }
        case pkSet: {
            if (v.Kind != V::vkSet) Expected(v, p, "a set [...]");
            uint64_t bits = 0;
            for (const auto& e : v.Items) {
                const auto value = p.Enum->ValueOf(e.Ident);
                if (!value || *value < 0 || *value > 63)
                    Fail(e.Line, QStringLiteral("Invalid set element %1 for %2 (%3)")
                                     .arg(Q(e.Ident), QString::fromStdString(p.Name),
                                          QString::fromStdString(p.Enum->Name())));
                bits |= uint64_t(1) << *value;
            }
            p.SetOrd(obj, int64_t(bits));
            break;
        }
        case pkString:
            if (v.Kind != V::vkString) Expected(v, p, "a string");
            p.SetString(obj, QString::fromUtf8(v.Str.data(), qsizetype(v.Str.size())));
            break;
        case pkFloat:
            if (v.Kind == V::vkFloat)
                p.SetFloat(obj, v.Float);
            else if (v.Kind == V::vkInteger)
                p.SetFloat(obj, double(v.Int));
            else
                Expected(v, p, "a number");
            break;
        case pkColor:
            if (v.Kind == V::vkInteger) {
                p.SetOrd(obj, int64_t(int32_t(uint32_t(v.Int))));
            } else if (v.Kind == V::vkIdent) {
                const auto color = IdentToColor(Q(v.Ident));
                if (!color) Fail(v.Line, QStringLiteral("Invalid colour %1").arg(Q(v.Ident)));
                p.SetOrd(obj, *color);
            } else {
                Expected(v, p, "a colour");
            }
            break;
        case pkObject:
            if (v.Kind == V::vkIdent && SameTextAscii(v.Ident, "nil"))
                p.SetObject(obj, nullptr);
            else
                Expected(v, p, "its nested properties (Name.Property = value)");
            break;
        case pkStrings: {
            if (v.Kind != V::vkList) Expected(v, p, "a list of strings ( ... )");
            TStringList list;
            for (const auto& item : v.Items) {
                if (item.Kind != V::vkString)
                    Fail(item.Line, QStringLiteral("Invalid value in %1: expected a string")
                                        .arg(QString::fromStdString(p.Name)));
                list.Add(QString::fromUtf8(item.Str.data(), qsizetype(item.Str.size())));
            }
            if (p.Writable)
                p.SetObject(obj, &list);
            else if (auto* target = dynamic_cast<TStrings*>(p.GetObject(obj)))
                target->Assign(&list);
            break;
        }
        case pkComponent:
            if (v.Kind != V::vkIdent) Expected(v, p, "a component name");
            if (SameTextAscii(v.Ident, "nil"))
                p.SetObject(obj, nullptr);
            else
                FFixups.push_back(Fixup{obj, &p, v.Ident, v.Line, what});
            break;
        case pkBinary:
            if (v.Kind != V::vkBinary) Expected(v, p, "binary data { ... }");
            p.SetBinary(obj, QByteArray(v.Str.data(), qsizetype(v.Str.size())));
            break;
        case pkEvent: {
            if (v.Kind != V::vkIdent) Expected(v, p, "a handler name");
            if (SameTextAscii(v.Ident, "nil")) {
                p.SetEvent(obj, std::any());
                if (comp == obj) comp->SetEventHandlerName(p.Name, String());
                break;
            }
            const THandlerInfo* h = FRoot->ClassType()->FindHandler(v.Ident);
            if (!h)
                Fail(v.Line, QStringLiteral("Handler %1 for %2 not found in %3")
                                 .arg(Q(v.Ident), what, FRoot->ClassName()));
            if (h->Type != p.EventType)
                Fail(v.Line, QStringLiteral("Handler %1 does not fit event %2 (%3)")
                                 .arg(Q(v.Ident), what, QString::fromStdString(p.EventTypeName)));
            p.SetEvent(obj, h->Bind(FRoot));
            if (comp == obj) comp->SetEventHandlerName(p.Name, QString::fromStdString(h->Name));
            break;
        }
        case pkCollection: {
            if (v.Kind != V::vkCollection) Expected(v, p, "a collection < ... >");
            auto* coll = dynamic_cast<TCollection*>(p.GetObject(obj));
            if (!coll) Fail(v.Line, QStringLiteral("%1 is not assigned").arg(what));
            TUpdateScope update([coll] { coll->BeginUpdate(); }, [coll] { coll->EndUpdate(); });
            coll->Clear();
            for (size_t i = 0; i < v.Collection.size(); ++i) {
                TCollectionItem* item = coll->Add();
                const String itemName = what + QStringLiteral("[%1]").arg(i);
                for (const auto& prop : v.Collection[i])
                    ApplyProp(item, comp, prop, itemName);
            }
            break;
        }
        }
    }

    void ResolveReferences() {
        for (const Fixup& f : FFixups) {
            const QString name = Q(f.Name);
            TComponent* target = nullptr;
            if (FRoot->Name().compare(name, Qt::CaseInsensitive) == 0)
                target = FRoot;
            else
                target = FRoot->FindComponent(name);
            if (!target)
                Fail(f.Line, QStringLiteral("Invalid reference %1 in %2: no such component")
                                 .arg(name, f.Path));
            if (f.Prop->RefClass && !target->InheritsFrom(f.Prop->RefClass))
                Fail(f.Line, QStringLiteral("Invalid reference %1 in %2: %3 is not a %4")
                                 .arg(name, f.Path, target->ClassName(),
                                      QString::fromStdString(f.Prop->RefClass->Name())));
            Apply(
                f.Line, [&] { f.Prop->SetObject(f.Instance, target); }, f.Path);
        }
    }

    void Undo() {
        for (const TFieldInfo* field : FBoundFields)
            field->Set(FRoot, nullptr);
        for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it) {
            try {
                delete *it;
            } catch (...) {
            }
        }
        FCreated.clear();
        FRoot->CancelLoading();
    }

    TComponent* FRoot;
    const String& FSource;
    std::vector<TComponent*> FCreated;
    std::vector<TComponent*> FLoaded;
    std::vector<const TFieldInfo*> FBoundFields;
    std::vector<Fixup> FFixups;
};

} // namespace

void TFormReader::ReadInto(TComponent* root, std::string_view text, const String& source) {
    const TFormObjectNode top = TFormParser::Parse(text, source);
    if (!SameTextAscii(top.ClassName, root->ClassType()->Name()))
        RaiseReadError(source, top.Line,
                       QStringLiteral("expected an object of class %1 but found %2")
                           .arg(root->ClassName(), Q(top.ClassName)));
    Builder(root, source).Run(top);
}

TComponent* TFormReader::ReadNew(std::string_view text, const String& source, TComponent* owner) {
    const TFormObjectNode top = TFormParser::Parse(text, source);
    const TClassInfo* cls = GetClass(top.ClassName);
    if (!cls)
        RaiseReadError(source, top.Line,
                       QStringLiteral("Class %1 not found").arg(Q(top.ClassName)));
    if (!cls->CanCreate())
        RaiseReadError(source, top.Line,
                       QStringLiteral("Class %1 cannot be created").arg(Q(top.ClassName)));
    TComponent* root = cls->Create(owner);
    try {
        Builder(root, source).Run(top);
    } catch (...) {
        delete root;
        throw;
    }
    return root;
}

void TFormReader::Check(std::string_view text, const String& source) {
    (void)TFormParser::Parse(text, source);
}
