#include "framework/classes/Object.h"

#include "framework/classes/TypeInfo.h"

const TClassInfo* TObject::StaticClassType() {
    static const TClassInfo info("TObject", nullptr, nullptr, nullptr);
    return &info;
}

const TClassInfo* TObject::ClassType() const {
    return StaticClassType();
}

String TObject::ClassName() const {
    return QString::fromStdString(ClassType()->Name());
}

bool TObject::InheritsFrom(const TClassInfo* cls) const {
    return ClassType()->InheritsFrom(cls);
}

const TClassInfo* TPersistent::StaticClassType() {
    static const TClassInfo info("TPersistent", TObject::StaticClassType(), nullptr, nullptr);
    return &info;
}

const TClassInfo* TPersistent::ClassType() const {
    return StaticClassType();
}

void TPersistent::Assign(const TPersistent* Source) {
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
    const String from = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(
        Exception::Format(QStringLiteral("Cannot assign a %s to a %s"), {from, ClassName()}));
}
