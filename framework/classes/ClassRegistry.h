#pragma once
// The class registry: form descriptions name classes, the registry finds their factories.

#include "framework/classes/TypeInfo.h"

#include <initializer_list>

void RegisterClass(const TClassInfo* cls);
void RegisterClasses(std::initializer_list<const TClassInfo*> classes);
void UnRegisterClass(const TClassInfo* cls);
// nullptr when not registered.
const TClassInfo* GetClass(std::string_view name);
// EClassNotFound "Class X not found" when not registered.
const TClassInfo* FindClass(std::string_view name);

template <class... T> void RegisterClassesOf() {
    RegisterClasses({T::StaticClassType()...});
}

// For the constructor of a class whose descriptions name classes it does not register itself
// (a container's children, a dialog's controls): registers them when the first one is made.
template <class... T> void RegisterClassesOnce() {
    static const bool registered = (RegisterClassesOf<T...>(), true);
    (void)registered;
}
