#include "framework/classes/TypeInfo.h"

#include "framework/classes/Component.h"

#include <algorithm>
#include <cctype>
#include <charconv>

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

TEnumInfo::TEnumInfo(const char* typeName, const char* names) : FName(typeName) {
    std::string_view rest(names);
    int next = 0;
    auto trim = [](std::string_view s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
            s.remove_prefix(1);
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
            s.remove_suffix(1);
        return s;
    };
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        std::string_view item = trim(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (item.empty()) continue;
        const size_t eq = item.find('=');
        if (eq != std::string_view::npos) {
            std::string_view num = trim(item.substr(eq + 1));
            std::from_chars(num.data(), num.data() + num.size(), next);
            item = trim(item.substr(0, eq));
        }
        FValues.emplace_back(next, std::string(item));
        FMin = FValues.size() == 1 ? next : std::min(FMin, next);
        FMax = FValues.size() == 1 ? next : std::max(FMax, next);
        ++next;
    }
}

TEnumInfo::TEnumInfo(const char* typeName, const TEnumInfo* base, int minValue, int maxValue)
    : FName(typeName), FMin(minValue), FMax(maxValue) {
    for (const auto& v : base->FValues)
        if (v.first >= minValue && v.first <= maxValue) FValues.push_back(v);
}

std::string_view TEnumInfo::NameOf(int value) const {
    for (const auto& v : FValues)
        if (v.first == value) return v.second;
    return {};
}

std::optional<int> TEnumInfo::ValueOf(std::string_view name) const {
    for (const auto& v : FValues)
        if (SameTextAscii(v.second, name)) return v.first;
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------

const char* PropKindName(TPropKind kind) {
    switch (kind) {
    case pkInteger:
        return "integer";
    case pkUnsigned:
        return "unsigned integer";
    case pkBoolean:
        return "boolean";
    case pkEnum:
        return "enumeration";
    case pkSet:
        return "set";
    case pkString:
        return "string";
    case pkFloat:
        return "float";
    case pkColor:
        return "colour";
    case pkObject:
        return "object";
    case pkStrings:
        return "string list";
    case pkComponent:
        return "component reference";
    case pkBinary:
        return "binary data";
    case pkEvent:
        return "event";
    case pkCollection:
        return "collection";
    }
    return "?";
}

bool TPropInfo::IsOrdinal() const {
    switch (Kind) {
    case pkInteger:
    case pkUnsigned:
    case pkBoolean:
    case pkEnum:
    case pkSet:
    case pkColor:
        return true;
    default:
        return false;
    }
}

bool TPropInfo::IsStored(const TObject* obj) const {
    if (!StoredFlag) return false;
    return !StoredFn || StoredFn(obj);
}

bool TPropInfo::IsDefaultValue(const TObject* obj) const {
    if (!IsStored(obj)) return true;
    if (IsOrdinal()) return Default.has_value() && GetOrd(obj) == *Default;
    switch (Kind) {
    case pkFloat:
        return GetFloat(obj) == 0.0;
    case pkString:
        return GetString(obj).isEmpty();
    case pkBinary:
        return GetBinary(obj).isEmpty();
    case pkComponent:
        return GetObject(obj) == nullptr;
    case pkEvent:
        return !EventAssigned(obj);
    default:
        return false; // objects, lists and collections decide by their contents
    }
}

TPropRef& TPropRef::Default(int64_t value) {
    Info().Default = value;
    return *this;
}
TPropRef& TPropRef::NoDefault() {
    Info().Default.reset();
    return *this;
}
TPropRef& TPropRef::Stored(bool value) {
    Info().StoredFlag = value;
    Info().StoredFn = nullptr;
    return *this;
}
TPropRef& TPropRef::Stored(std::function<bool(const TObject*)> predicate) {
    Info().StoredFlag = true;
    Info().StoredFn = std::move(predicate);
    return *this;
}
TPropRef& TPropRef::Idents(const TIdentMap* map) {
    Info().Idents = map;
    return *this;
}

// ---------------------------------------------------------------------------------------------

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, TFactory factory,
                       TPublishFn publish)
    : FName(name), FParent(parent), FFactory(factory), FPublish(publish) {}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
    for (const TClassInfo* c = this; c; c = c->FParent)
        if (c == other) return true;
    return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!FFactory)
        throw EClassNotFound(
            Exception::Format(QStringLiteral("Cannot create an instance of abstract class %s"),
                              {QString::fromStdString(FName)}));
    return FFactory(owner);
}

void TClassInfo::Build() const {
    if (FBuilt) return;
    FBuilt = true;
    if (FPublish) FPublish(const_cast<TClassInfo&>(*this));
    // The list grew one property at a time: give back the room it grew into.
    FOwnProps.shrink_to_fit();
    FIndex.reserve(FOwnProps.size());
    for (size_t i = 0; i < FOwnProps.size(); ++i)
        FIndex.emplace(LowerAscii(FOwnProps[i].Name), i);
}

TPropInfo::TPropInfo() = default;
TPropInfo::~TPropInfo() = default;
TPropInfo::TPropInfo(const TPropInfo&) = default;
TPropInfo::TPropInfo(TPropInfo&&) noexcept = default;
TPropInfo& TPropInfo::operator=(const TPropInfo&) = default;
TPropInfo& TPropInfo::operator=(TPropInfo&&) noexcept = default;

void TPropInfo::Call(bool kindFits, const TObject* obj, TPropAccessOp op, void* value) const {
    if (!kindFits)
        throw EPropertyError(
            QStringLiteral("Property %1 is %2")
                .arg(QString::fromStdString(Name), QString::fromLatin1(PropKindName(Kind))));
    // Reading goes through the same function as writing; it changes nothing.
    Access(const_cast<TObject*>(obj), op, value);
}

namespace {
bool IsObjectKind(TPropKind kind) {
    return kind == pkObject || kind == pkStrings || kind == pkComponent || kind == pkCollection;
}
} // namespace

int64_t TPropInfo::GetOrd(const TObject* obj) const {
    return Read<int64_t>(IsOrdinal(), obj);
}
void TPropInfo::SetOrd(TObject* obj, int64_t value) const {
    Call(IsOrdinal(), obj, TPropAccessOp::Write, &value);
}
double TPropInfo::GetFloat(const TObject* obj) const {
    return Read<double>(Kind == pkFloat, obj);
}
void TPropInfo::SetFloat(TObject* obj, double value) const {
    Call(Kind == pkFloat, obj, TPropAccessOp::Write, &value);
}
String TPropInfo::GetString(const TObject* obj) const {
    return Read<String>(Kind == pkString, obj);
}
void TPropInfo::SetString(TObject* obj, const String& value) const {
    Call(Kind == pkString, obj, TPropAccessOp::Write, const_cast<String*>(&value));
}
TObject* TPropInfo::GetObject(const TObject* obj) const {
    return Read<TObject*>(IsObjectKind(Kind), obj);
}
void TPropInfo::SetObject(TObject* obj, TObject* value) const {
    Call(IsObjectKind(Kind), obj, TPropAccessOp::Write, &value);
}
QByteArray TPropInfo::GetBinary(const TObject* obj) const {
    return Read<QByteArray>(Kind == pkBinary, obj);
}
void TPropInfo::SetBinary(TObject* obj, const QByteArray& value) const {
    Call(Kind == pkBinary, obj, TPropAccessOp::Write, const_cast<QByteArray*>(&value));
}
void TPropInfo::SetEvent(TObject* obj, const std::any& handler) const {
    Call(Kind == pkEvent, obj, TPropAccessOp::Write, const_cast<std::any*>(&handler));
}
bool TPropInfo::EventAssigned(const TObject* obj) const {
    return Read<bool>(Kind == pkEvent, obj);
}

TPropRef TClassInfo::AddOwnProperty(TPropInfo&& p) {
    auto& props = FOwnProps;
    for (size_t i = 0; i < props.size(); ++i)
        if (SameTextAscii(props[i].Name, p.Name)) {
            props[i] = std::move(p);
            return TPropRef(props, i);
        }
    props.push_back(std::move(p));
    return TPropRef(props, props.size() - 1);
}

namespace {
template <class V, class T> void ReplaceByName(V& list, T&& item) {
    for (auto& e : list)
        if (SameTextAscii(e.Name, item.Name)) {
            e = std::move(item);
            return;
        }
    list.push_back(std::move(item));
}
} // namespace

void TClassInfo::ReplaceEntry(std::vector<TFieldInfo>& list, TFieldInfo&& item) {
    ReplaceByName(list, std::move(item));
}

void TClassInfo::ReplaceEntry(std::vector<THandlerInfo>& list, THandlerInfo&& item) {
    ReplaceByName(list, std::move(item));
}

const std::vector<TPropInfo>& TClassInfo::Properties() const {
    Build();
    if (!FMerged) {
        FMerged = true;
        if (FInherits) FProps = FParent->Properties();
        for (const TPropInfo& own : FOwnProps) {
            // Republishing keeps the inherited position and takes the new declaration.
            auto it = std::find_if(FProps.begin(), FProps.end(), [&](const TPropInfo& p) {
                return SameTextAscii(p.Name, own.Name);
            });
            if (it != FProps.end())
                *it = own;
            else
                FProps.push_back(own);
        }
    }
    return FProps;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    Build();
    char buf[64];
    if (name.size() < sizeof buf) {
        for (size_t i = 0; i < name.size(); ++i) {
            const char c = name[i];
            buf[i] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        }
        auto it = FIndex.find(std::string(buf, name.size()));
        if (it != FIndex.end()) return &FOwnProps[it->second];
    } else if (auto it = FIndex.find(LowerAscii(name)); it != FIndex.end()) {
        return &FOwnProps[it->second];
    }
    return FInherits ? FParent->FindProperty(name) : nullptr;
}

const std::vector<TFieldInfo>& TClassInfo::Fields() const {
    Build();
    return FFields;
}

const std::vector<THandlerInfo>& TClassInfo::Handlers() const {
    Build();
    return FHandlers;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
    for (const auto& f : Fields())
        if (SameTextAscii(f.Name, name)) return &f;
    return nullptr;
}

const THandlerInfo* TClassInfo::FindHandler(std::string_view name) const {
    for (const auto& h : Handlers())
        if (SameTextAscii(h.Name, name)) return &h;
    return nullptr;
}
