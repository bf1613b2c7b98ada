#pragma once
// Run-time type information: enumerations with their names, the published properties of a
// class in published order, the class registry's entries, and for root classes (forms) the
// tables of component fields and event handlers that form descriptions bind by name.
//
// A class with published properties declares VQ_CLASS(TFoo, TBase) in its body and defines its
// table in the .cpp with VQ_PUBLISH(TFoo) { P.Inherit(); P.Property("Bar", ...).Default(0); }.

#include "framework/classes/Object.h"
#include "framework/system/Color.h"
#include "framework/system/Set.h"

#include <QByteArray>
#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <vector>

class TComponent;
class TStrings;
class TCollection;
template <class C> class TPublisher;

// ---------------------------------------------------------------------------------------------
// Enumerations

class TEnumInfo {
public:
    // names: the enumerators as written in the enum's declaration, comma separated, each
    // optionally "= value" (decimal). minValue/maxValue narrow a subrange of another type.
    TEnumInfo(const char* typeName, const char* names);
    TEnumInfo(const char* typeName, const TEnumInfo* base, int minValue, int maxValue);

    const std::string& Name() const { return FName; }
    int MinValue() const { return FMin; }
    int MaxValue() const { return FMax; }
    // Name of an ordinal, empty when out of range.
    std::string_view NameOf(int value) const;
    std::optional<int> ValueOf(std::string_view name) const; // case-insensitive

private:
    std::string FName;
    std::vector<std::pair<int, std::string>> FValues;
    int FMin = 0;
    int FMax = -1;
};

template <class E> const TEnumInfo* EnumInfo(); // specialised by VQ_ENUM / VQ_ENUM_INFO

// Declares an unscoped enumeration with a fixed underlying type and its name table.
#define VQ_ENUM(Name, Underlying, ...)                                                             \
    enum Name : Underlying { __VA_ARGS__ };                                                        \
    template <> inline const TEnumInfo* EnumInfo<Name>() {                                         \
        static const TEnumInfo info(#Name, #__VA_ARGS__);                                          \
        return &info;                                                                              \
    }

// Name table for an enumeration declared elsewhere.
#define VQ_ENUM_INFO(Name, ...)                                                                    \
    template <> inline const TEnumInfo* EnumInfo<Name>() {                                         \
        static const TEnumInfo info(#Name, #__VA_ARGS__);                                          \
        return &info;                                                                              \
    }

// Integer identifiers accepted for an integer property (cursor names and the like).
struct TIdentMapEntry {
    int Value;
    const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;

// ---------------------------------------------------------------------------------------------
// Properties

enum TPropKind : uint8_t {
    pkInteger,
    pkUnsigned,
    pkBoolean,
    pkEnum,
    pkSet,
    pkString,
    pkFloat,
    pkColor,
    pkObject,     // nested persistent object (Font, Picture): its own properties are written
    pkStrings,    // string list
    pkComponent,  // reference to another component, by name
    pkBinary,     // binary data
    pkEvent,      // event, bound to a handler of the root by name
    pkCollection, // collection of items, each with its own properties
};

const char* PropKindName(TPropKind kind);

// What a property's access function is asked to do with the value behind its pointer (a write
// only reads it).
enum class TPropAccessOp : uint8_t { Read, Write };

struct TPropInfo {
    std::string Name;
    TPropKind Kind = pkInteger;
    const TEnumInfo* Enum = nullptr;      // pkEnum, pkSet: the (element) enumeration
    const TIdentMap* Idents = nullptr;    // pkInteger: identifiers accepted and written
    const TClassInfo* RefClass = nullptr; // pkComponent, pkObject: the property's class
    std::optional<int64_t> Default;       // ordinal kinds; empty means "always stored"
    bool StoredFlag = true;
    bool Writable = true;

    // Reads the value into, or writes it from, a value of the type the kind names: int64_t
    // (ordinals), double, String, QByteArray, TObject* (objects, lists, collections, component
    // references); for events a bool (whether a handler is assigned) read and a std::any
    // written. One function per property, not one per kind and direction: a class table holds
    // a thousand of these. Use the typed functions below.
    std::function<void(TObject*, TPropAccessOp, void*)> Access;
    std::function<bool(const TObject*)> StoredFn;

    // Events: the std::function type the event holds and its readable type name.
    std::type_index EventType = typeid(void);
    std::string EventTypeName;

    // Typed access; EPropertyError for a property of another kind. Writing a read-only
    // property does nothing.
    int64_t GetOrd(const TObject* obj) const;
    void SetOrd(TObject* obj, int64_t value) const;
    double GetFloat(const TObject* obj) const;
    void SetFloat(TObject* obj, double value) const;
    String GetString(const TObject* obj) const;
    void SetString(TObject* obj, const String& value) const;
    TObject* GetObject(const TObject* obj) const;
    void SetObject(TObject* obj, TObject* value) const;
    QByteArray GetBinary(const TObject* obj) const;
    void SetBinary(TObject* obj, const QByteArray& value) const;
    // Sets the event's handler (an empty std::any clears it).
    void SetEvent(TObject* obj, const std::any& handler) const;
    bool EventAssigned(const TObject* obj) const;

    // Out of line: every published property makes and drops one, and the functions inlined
    // into each class's publishing code made most of the program's size.
    TPropInfo();
    ~TPropInfo();
    TPropInfo(const TPropInfo&);
    TPropInfo(TPropInfo&&) noexcept;
    TPropInfo& operator=(const TPropInfo&);
    TPropInfo& operator=(TPropInfo&&) noexcept;

    bool IsOrdinal() const;
    // Stored flag and stored predicate, not the comparison with the default.
    bool IsStored(const TObject* obj) const;
    // Whether a writer leaves the property out: not stored, or equal to its declared default.
    bool IsDefaultValue(const TObject* obj) const;

private:
    void Call(bool kindFits, const TObject* obj, TPropAccessOp op, void* value) const;
    template <class V> V Read(bool kindFits, const TObject* obj) const {
        V value{};
        Call(kindFits, obj, TPropAccessOp::Read, &value);
        return value;
    }
};

// Fluent access to a property just published.
class TPropRef {
public:
    TPropRef(std::vector<TPropInfo>& list, size_t index) : FList(list), FIndex(index) {}
    TPropRef& Default(int64_t value);
    template <class E>
    requires std::is_enum_v<E> TPropRef& Default(E value) {
        return Default(static_cast<int64_t>(value));
    }
    template <class E> TPropRef& Default(TSet<E> value) {
        return Default(static_cast<int64_t>(value.Bits()));
    }
    TPropRef& NoDefault();
    TPropRef& Stored(bool value);
    TPropRef& Stored(std::function<bool(const TObject*)> predicate);
    // A plain predicate function; without this overload it would convert to bool.
    TPropRef& Stored(bool (*predicate)(const TObject*)) {
        return Stored(std::function<bool(const TObject*)>(predicate));
    }
    TPropRef& Idents(const TIdentMap* map);
    TPropInfo& Info() { return FList[FIndex]; }

private:
    std::vector<TPropInfo>& FList;
    size_t FIndex;
};

// ---------------------------------------------------------------------------------------------
// Root tables (forms)

struct TFieldInfo {
    std::string Name;
    const TClassInfo* Class = nullptr;
    std::function<void(TObject* root, TComponent* value)> Set;
};

struct THandlerInfo {
    std::string Name;
    std::type_index Type = typeid(void);
    std::function<std::any(TObject* root)> Bind;
};

// ---------------------------------------------------------------------------------------------
// Classes

class TClassInfo {
public:
    using TFactory = TComponent* (*)(TComponent* owner);
    using TPublishFn = void (*)(TClassInfo& info);

    TClassInfo(const char* name, const TClassInfo* parent, TFactory factory, TPublishFn publish);

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo* other) const;
    bool CanCreate() const { return FFactory != nullptr; }
    // Creates an instance owned by owner; raises EClassNotFound for an abstract class.
    TComponent* Create(TComponent* owner) const;

    const std::vector<TPropInfo>& Properties() const;
    const TPropInfo* FindProperty(std::string_view name) const; // case-insensitive
    const TFieldInfo* FindField(std::string_view name) const;
    const THandlerInfo* FindHandler(std::string_view name) const;
    const std::vector<TFieldInfo>& Fields() const;
    const std::vector<THandlerInfo>& Handlers() const;

private:
    template <class C> friend class TPublisher;
    void Build() const;
    // Publishing: a name published again replaces its entry in place.
    TPropRef AddOwnProperty(TPropInfo&& p);
    static void ReplaceEntry(std::vector<TFieldInfo>& list, TFieldInfo&& item);
    static void ReplaceEntry(std::vector<THandlerInfo>& list, THandlerInfo&& item);

    std::string FName;
    const TClassInfo* FParent;
    TFactory FFactory;
    TPublishFn FPublish;
    mutable bool FBuilt = false;
    // What the class publishes itself; with FInherits the parent's list comes first (a
    // republished name keeps the inherited place). Lookups go to the parent for the rest, so
    // a class holds no copy of what it inherits until its whole list is asked for (FProps).
    mutable std::vector<TPropInfo> FOwnProps;
    mutable std::unordered_map<std::string, size_t> FIndex; // lower-case name -> FOwnProps index
    mutable bool FInherits = false;
    mutable bool FMerged = false;
    mutable std::vector<TPropInfo> FProps;
    mutable std::vector<TFieldInfo> FFields;
    mutable std::vector<THandlerInfo> FHandlers;
};

std::string LowerAscii(std::string_view s);
bool SameTextAscii(std::string_view a, std::string_view b);

// ---------------------------------------------------------------------------------------------
// Publisher: builds a class's tables with the property kinds deduced from the accessor types.

namespace vq_detail {
template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type { using Element = E; };
template <class T> using Plain = std::remove_cvref_t<T>;
template <class> inline constexpr bool AlwaysFalse = false;

template <class T> struct FnTraits;
template <class R, class... A> struct FnTraits<std::function<R(A...)>> {
    using Type = std::function<R(A...)>;
};
// Access through a value of type V: read converts the property's value to V, write from V.
template <class V, class Get, class Set, class ToV, class FromV>
void ValueAccess(TPropInfo& p, Get get, Set set, ToV toV, FromV fromV) {
    p.Access = [get, set, toV, fromV](TObject* o, TPropAccessOp op, void* value) {
        if (op == TPropAccessOp::Read)
            *static_cast<V*>(value) = toV(get(o));
        else
            set(o, fromV(*static_cast<V*>(value)));
    };
}

template <class T, class Get, class Set> void OrdinalAccess(TPropInfo& p, Get get, Set set) {
    ValueAccess<int64_t>(
        p, get, set, [](const T& v) { return static_cast<int64_t>(v); },
        [](int64_t v) { return static_cast<T>(v); });
}

template <class T, class Get, class Set> void SameAccess(TPropInfo& p, Get get, Set set) {
    ValueAccess<T>(
        p, get, set, [](const T& v) -> const T& { return v; },
        [](const T& v) -> const T& { return v; });
}

// The property kind and access, deduced from the value type. Namespace templates, so that
// classes publishing the same accessors share one copy of the code.
template <class T, class Get, class Set> void Describe(TPropInfo& p, Get get, Set set) {
    if constexpr (std::is_same_v<T, bool>) {
        p.Kind = pkBoolean;
        OrdinalAccess<T>(p, get, set);
    } else if constexpr (std::is_same_v<T, TColor>) {
        p.Kind = pkColor;
        OrdinalAccess<T>(p, get, set);
    } else if constexpr (std::is_enum_v<T>) {
        p.Kind = pkEnum;
        p.Enum = EnumInfo<T>();
        OrdinalAccess<T>(p, get, set);
    } else if constexpr (vq_detail::IsSet<T>::value) {
        p.Kind = pkSet;
        p.Enum = EnumInfo<typename vq_detail::IsSet<T>::Element>();
        ValueAccess<int64_t>(
            p, get, set, [](const T& v) { return static_cast<int64_t>(v.Bits()); },
            [](int64_t v) { return T::FromBits(uint64_t(v)); });
    } else if constexpr (std::is_integral_v<T>) {
        p.Kind = std::is_signed_v<T> ? pkInteger : pkUnsigned;
        OrdinalAccess<T>(p, get, set);
    } else if constexpr (std::is_floating_point_v<T>) {
        p.Kind = pkFloat;
        ValueAccess<double>(
            p, get, set, [](const T& v) { return static_cast<double>(v); },
            [](double v) { return static_cast<T>(v); });
    } else if constexpr (std::is_same_v<T, String>) {
        p.Kind = pkString;
        SameAccess<String>(p, get, set);
    } else if constexpr (std::is_same_v<T, QByteArray>) {
        p.Kind = pkBinary;
        SameAccess<QByteArray>(p, get, set);
    } else if constexpr (std::is_pointer_v<T>) {
        using U = std::remove_cv_t<std::remove_pointer_t<T>>;
        if constexpr (std::is_base_of_v<TComponent, U>) {
            p.Kind = pkComponent;
            p.RefClass = U::StaticClassType();
        } else if constexpr (std::is_base_of_v<TStrings, U>) {
            p.Kind = pkStrings;
        } else if constexpr (std::is_base_of_v<TCollection, U>) {
            p.Kind = pkCollection;
        } else {
            static_assert(std::is_base_of_v<TPersistent, U>, "unsupported property type");
            p.Kind = pkObject;
            p.RefClass = U::StaticClassType();
        }
        ValueAccess<TObject*>(
            p, get, set, [](const U* v) -> TObject* { return const_cast<U*>(v); },
            [](TObject* v) {
                U* typed = v ? dynamic_cast<U*>(v) : nullptr;
                if (v && !typed) throw EPropertyError(QStringLiteral("Invalid property value"));
                return typed;
            });
    } else {
        static_assert(vq_detail::AlwaysFalse<T>, "unsupported property type");
    }
}

// The class whose object an accessor takes: a member pointer's own class when that is a TObject
// the publishing class C derives from (so every class publishing the member shares the code),
// else C itself.
template <class C, class M> struct AccessClass { using Type = C; };
template <class C, class R, class B> struct AccessClass<C, R B::*> {
    using Type = std::conditional_t<std::is_base_of_v<TObject, B> && std::is_base_of_v<B, C>, B, C>;
};

// An event's access: read tells whether a handler is assigned, write sets the handler of type
// Fn the std::any holds (an empty one clears it).
template <class Fn, class Assigned, class Assign>
void EventValueAccess(TPropInfo& p, Assigned assigned, Assign assign) {
    p.Access = [assigned, assign](TObject* o, TPropAccessOp op, void* value) {
        if (op == TPropAccessOp::Read) {
            *static_cast<bool*>(value) = assigned(o);
        } else {
            const auto& a = *static_cast<const std::any*>(value);
            assign(o, a.has_value() ? std::any_cast<Fn>(a) : Fn());
        }
    };
}

// An event held in a member of O's objects (or of their base).
// Not inlined: one copy per accessor type serves every class publishing it.
template <class O, class Fn, class M> [[gnu::noinline]] void EventAccess(TPropInfo& p, M member) {
    EventValueAccess<Fn>(
        p, [member](TObject* o) { return static_cast<bool>(static_cast<O*>(o)->*member); },
        [member](TObject* o, Fn fn) { static_cast<O*>(o)->*member = std::move(fn); });
}

// A property read by getter and written by setter (std::nullptr_t: read-only), on objects of
// GetC and SetC.
template <class GetC, class SetC, class G, class S>
[[gnu::noinline]] void Access(TPropInfo& p, G getter, S setter) {
    using T = Plain<std::invoke_result_t<G, const GetC*>>;
    p.Writable = !std::is_same_v<S, std::nullptr_t>;
    auto get = [getter](const TObject* o) -> T {
        return std::invoke(getter, static_cast<const GetC*>(o));
    };
    auto set = [setter](TObject* o, T v) {
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            std::invoke(setter, static_cast<SetC*>(o), v);
        else
            (void)o, (void)v;
    };
    Describe<T>(p, get, set);
}
} // namespace vq_detail

template <class C> class TPublisher {
public:
    explicit TPublisher(TClassInfo& info) : FInfo(info) {}

    // Starts this class's list with the parent's published list (and root tables).
    void Inherit() {
        if (const TClassInfo* parent = FInfo.FParent) {
            FInfo.FInherits = true;
            FInfo.FFields = parent->Fields();
            FInfo.FHandlers = parent->Handlers();
        }
    }

    // A property read by getter and written by setter (nullptr for read-only).
    template <class G, class S> TPropRef Property(const char* name, G getter, S setter) {
        TPropInfo p;
        p.Name = name;
        vq_detail::Access<typename vq_detail::AccessClass<C, G>::Type,
                          typename vq_detail::AccessClass<C, S>::Type>(p, getter, setter);
        return Add(std::move(p));
    }

    // A property backed directly by a field (no accessor code).
    template <class T> TPropRef Field(const char* name, T C::*field) {
        return Property(
            name, [field](const C* c) -> T { return c->*field; },
            [field](C* c, T v) { c->*field = v; });
    }

    // An event held in a public std::function member of C or of one of its bases.
    template <class F, class B>
    requires std::is_base_of_v<B, C> TPropRef Event(const char* name, F B::*member,
                                                    const char* typeName) {
        using Fn = typename vq_detail::FnTraits<F>::Type;
        TPropInfo p;
        p.Name = name;
        p.Kind = pkEvent;
        p.EventType = typeid(Fn);
        p.EventTypeName = typeName;
        vq_detail::EventAccess<typename vq_detail::AccessClass<C, F B::*>::Type, Fn>(p, member);
        return Add(std::move(p));
    }

    // An event kept elsewhere (a child's event the class forwards), read and written through
    // accessors.
    template <class Fn>
    TPropRef Event(const char* name, Fn (C::*getter)() const, void (C::*setter)(Fn),
                   const char* typeName) {
        TPropInfo p;
        p.Name = name;
        p.Kind = pkEvent;
        p.EventType = typeid(Fn);
        p.EventTypeName = typeName;
        vq_detail::EventValueAccess<Fn>(
            p, [getter](TObject* o) { return static_cast<bool>((static_cast<C*>(o)->*getter)()); },
            [setter](TObject* o, Fn fn) { (static_cast<C*>(o)->*setter)(std::move(fn)); });
        return Add(std::move(p));
    }

    // Root tables: a component field bound by name, and an event handler.
    template <class T> void ComponentField(const char* name, T* C::*field) {
        TFieldInfo f;
        f.Name = name;
        f.Class = T::StaticClassType();
        f.Set = [field](TObject* root, TComponent* v) {
            static_cast<C*>(root)->*field = dynamic_cast<T*>(v);
        };
        Replace(FInfo.FFields, std::move(f));
    }
    template <class R, class... A> void Handler(const char* name, R (C::*method)(A...)) {
        using Fn = std::function<R(A...)>;
        THandlerInfo h;
        h.Name = name;
        h.Type = typeid(Fn);
        h.Bind = [method](TObject* root) -> std::any {
            C* self = static_cast<C*>(root);
            return Fn([self, method](A... args) -> R { return (self->*method)(args...); });
        };
        Replace(FInfo.FHandlers, std::move(h));
    }

private:
    TPropRef Add(TPropInfo&& p) { return FInfo.AddOwnProperty(std::move(p)); }
    static void Replace(std::vector<TFieldInfo>& list, TFieldInfo&& item) {
        TClassInfo::ReplaceEntry(list, std::move(item));
    }
    static void Replace(std::vector<THandlerInfo>& list, THandlerInfo&& item) {
        TClassInfo::ReplaceEntry(list, std::move(item));
    }

    TClassInfo& FInfo;
};

namespace vq_detail {
template <class C> TClassInfo::TFactory FactoryOf() {
    if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                  std::is_constructible_v<C, TComponent*>)
        return [](TComponent* owner) -> TComponent* { return new C(owner); };
    else
        return nullptr;
}
} // namespace vq_detail

// Inside a class body: declares the class's run-time type and its publishing function.
#define VQ_CLASS(Cls, Base)                                                                        \
public:                                                                                            \
    using inherited = Base;                                                                        \
    static const TClassInfo* StaticClassType();                                                    \
    const TClassInfo* ClassType() const override {                                                 \
        return StaticClassType();                                                                  \
    }                                                                                              \
    static void Publish(TPublisher<Cls>& P);                                                       \
                                                                                                   \
private:

// In the .cpp: defines the class's run-time type; the body that follows fills its tables.
#define VQ_PUBLISH(Cls)                                                                            \
    const TClassInfo* Cls::StaticClassType() {                                                     \
        static const TClassInfo info(#Cls, Cls::inherited::StaticClassType(),                      \
                                     vq_detail::FactoryOf<Cls>(), [](TClassInfo& ci) {             \
                                         TPublisher<Cls> p(ci);                                    \
                                         Cls::Publish(p);                                          \
                                     });                                                           \
        return &info;                                                                              \
    }                                                                                              \
    void Cls::Publish([[maybe_unused]] TPublisher<Cls>& P)
