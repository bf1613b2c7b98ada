#include "framework/classes/ClassRegistry.h"

#include <unordered_map>

namespace {
std::unordered_map<std::string, const TClassInfo*>& Registry() {
    static std::unordered_map<std::string, const TClassInfo*> map;
    return map;
}
} // namespace

void RegisterClass(const TClassInfo* cls) {
    Registry()[LowerAscii(cls->Name())] = cls;
}

void RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
    for (const TClassInfo* c : classes)
        RegisterClass(c);
}

void UnRegisterClass(const TClassInfo* cls) {
    auto it = Registry().find(LowerAscii(cls->Name()));
    if (it != Registry().end() && it->second == cls) Registry().erase(it);
}

const TClassInfo* GetClass(std::string_view name) {
    auto it = Registry().find(LowerAscii(name));
    return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo* FindClass(std::string_view name) {
    if (const TClassInfo* c = GetClass(name)) return c;
    throw EClassNotFound(
        Exception::Format(QStringLiteral("Class %s not found"),
                          {QString::fromUtf8(name.data(), qsizetype(name.size()))}));
}
