#pragma once
// Root of the object model. TObject carries the run-time class (TClassInfo), which gives the
// class name, the class's published properties and its factory; TPersistent adds Assign.

#include "framework/system/Exceptions.h"

class TClassInfo;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The run-time class; every class with published properties overrides it (VQ_CLASS).
    virtual const TClassInfo* ClassType() const;
    static const TClassInfo* StaticClassType();
    String ClassName() const;
    bool InheritsFrom(const TClassInfo* cls) const;
};

class TPersistent : public TObject {
public:
    // Copies Source into this object; when this class does not know Source, asks Source to
    // AssignTo this object; failing both, raises EConvertError "Cannot assign a X to a Y".
    virtual void Assign(const TPersistent* Source);

    const TClassInfo* ClassType() const override;
    static const TClassInfo* StaticClassType();

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    // Owner for the name path of nested objects (a font's owner is its control).
    virtual TPersistent* GetOwner() const { return nullptr; }

private:
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

// Checked down-cast in the manner of "as": raises EInvalidCast for the wrong class.
template <class T, class U> T* As(U* obj) {
    if (!obj) return nullptr;
    if (auto* t = dynamic_cast<T*>(obj)) return t;
    throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}
