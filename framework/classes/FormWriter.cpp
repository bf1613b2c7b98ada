#include "framework/classes/FormWriter.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Strings.h"

#include <charconv>

namespace {

constexpr int kStringWrap = 64; // characters of a string per line before it continues with '+'

class Writer {
public:
    std::string Out;

    void Object(const TComponent* comp, const TComponent* root, int depth) {
        Indent(depth);
        Out += "object ";
        if (!comp->Name().isEmpty()) {
            Out += comp->Name().toStdString();
            Out += ": ";
        }
        Out += comp->ClassType()->Name();
        Out += '\n';
        Props(comp, comp, std::string(), depth + 1);
        comp->GetChildren([&](TComponent* child) { Object(child, root, depth + 1); },
                          const_cast<TComponent*>(root));
        Indent(depth);
        Out += "end\n";
    }

private:
    void Indent(int depth) { Out.append(size_t(depth) * 2, ' '); }

    void Props(const TObject* obj, const TComponent* comp, const std::string& prefix, int depth) {
        for (const TPropInfo& p : obj->ClassType()->Properties()) {
            if (!p.IsStored(obj)) continue;
            if (p.Kind == pkObject) {
                if (const TObject* nested = p.GetObject(obj))
                    Props(nested, comp, prefix + p.Name + '.', depth);
                continue;
            }
            if (p.Kind == pkEvent) {
                if (obj != comp || !p.EventAssigned(obj)) continue;
                const String handler = comp->EventHandlerName(p.Name);
                if (handler.isEmpty()) continue;
                Line(depth, prefix, p);
                Out += handler.toStdString();
                Out += '\n';
                continue;
            }
            if (p.IsDefaultValue(obj)) continue;
            if (p.Kind == pkStrings) {
                const auto* list = static_cast<const TStrings*>(p.GetObject(obj));
                if (!list || list->Count() == 0) continue;
                Line(depth, prefix, p);
                Out += "(";
                for (int i = 0; i < list->Count(); ++i) {
                    Out += '\n';
                    Indent(depth + 1);
                    StringLiteral(list->Get(i), depth + 2);
                }
                Out += ")\n";
                continue;
            }
            if (p.Kind == pkCollection) {
                const auto* coll = static_cast<const TCollection*>(p.GetObject(obj));
                if (!coll || coll->Count() == 0) continue;
                Line(depth, prefix, p);
                Out += "<";
                for (int i = 0; i < coll->Count(); ++i) {
                    Out += '\n';
                    Indent(depth + 1);
                    Out += "item\n";
                    Props(coll->Items(i), comp, std::string(), depth + 2);
                    Indent(depth + 1);
                    Out += "end";
                }
                Out += ">\n";
                continue;
            }
            Line(depth, prefix, p);
            Value(obj, p, depth);
            Out += '\n';
        }
    }

    void Line(int depth, const std::string& prefix, const TPropInfo& p) {
        Indent(depth);
        Out += prefix;
        Out += p.Name;
        Out += " = ";
    }

    void Value(const TObject* obj, const TPropInfo& p, int depth) {
        switch (p.Kind) {
        case pkInteger: {
            const int64_t v = p.GetOrd(obj);
            if (p.Idents)
                for (const auto& e : *p.Idents)
                    if (e.Value == v) {
                        Out += e.Name;
                        return;
                    }
            Out += std::to_string(v);
            break;
        }
        case pkUnsigned:
            Out += std::to_string(uint64_t(p.GetOrd(obj)));
            break;
        case pkBoolean:
            Out += p.GetOrd(obj) ? "True" : "False";
            break;
        case pkEnum: {
            const int64_t v = p.GetOrd(obj);
            const std::string_view name = p.Enum->NameOf(int(v));
            if (name.empty())
                Out += std::to_string(v);
            else
                Out += name;
            break;
        }
        case pkSet: {
            const uint64_t bits = uint64_t(p.GetOrd(obj));
            Out += '[';
            bool first = true;
            for (int i = 0; i < 64; ++i)
                if (bits & (uint64_t(1) << i)) {
                    if (!first) Out += ", ";
                    first = false;
                    Out += p.Enum->NameOf(i);
                }
            Out += ']';
            break;
        }
        case pkColor: {
            const auto c = static_cast<TColor>(p.GetOrd(obj));
            if (const auto ident = ColorToIdent(c)) {
                Out += ident->toStdString();
            } else {
                char buf[16];
                std::snprintf(buf, sizeof buf, "$%08X", unsigned(uint32_t(c)));
                Out += buf;
            }
            break;
        }
        case pkString:
            StringLiteral(p.GetString(obj), depth + 1);
            break;
        case pkFloat: {
            char buf[32];
            const double v = p.GetFloat(obj);
            auto r = std::to_chars(buf, buf + sizeof buf, v);
            std::string s(buf, r.ptr);
            // Keep it a float for the reader when it happens to be whole.
            if (s.find_first_of(".eEni") == std::string::npos) s += ".0";
            Out += s;
            break;
        }
        case pkComponent: {
            const auto* ref = static_cast<const TComponent*>(p.GetObject(obj));
            Out += ref->Name().toStdString();
            break;
        }
        case pkBinary: {
            const QByteArray data = p.GetBinary(obj);
            static const char kHex[] = "0123456789ABCDEF";
            Out += '{';
            for (qsizetype i = 0; i < data.size(); ++i) {
                if (i % 32 == 0) {
                    Out += '\n';
                    Indent(depth + 1);
                }
                const auto b = static_cast<unsigned char>(data[i]);
                Out += kHex[b >> 4];
                Out += kHex[b & 15];
            }
            Out += '}';
            break;
        }
        default:
            break;
        }
    }

    // Printable ASCII in quotes, everything else as #code; long strings continue with '+'.
    void StringLiteral(const String& s, int contDepth) {
        if (s.isEmpty()) {
            Out += "''";
            return;
        }
        bool quoted = false;
        int onLine = 0;
        const auto ucs4 = s.toUcs4();
        for (qsizetype i = 0; i < ucs4.size(); ++i) {
            if (onLine >= kStringWrap && i < ucs4.size()) {
                if (quoted) Out += '\'';
                quoted = false;
                Out += " +\n";
                Indent(contDepth);
                onLine = 0;
            }
            const char32_t c = ucs4[i];
            if (c >= 0x20 && c < 0x7F) {
                if (!quoted) Out += '\'';
                quoted = true;
                if (c == '\'') Out += '\'';
                Out += char(c);
            } else {
                if (quoted) Out += '\'';
                quoted = false;
                Out += '#';
                Out += std::to_string(uint32_t(c));
            }
            ++onLine;
        }
        if (quoted) Out += '\'';
    }
};

} // namespace

std::string TFormWriter::Write(const TComponent* root) {
    Writer w;
    w.Object(root, root, 0);
    return std::move(w.Out);
}
