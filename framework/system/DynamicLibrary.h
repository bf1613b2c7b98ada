#pragma once
// TDynamicLibrary: a shared library loaded by name at run time and unloaded with the object.
// A bare name is looked up the system's way (LD_LIBRARY_PATH, the program's run path, the
// loader's cache), then beside the program's executable and in ../lib from there; a name with
// a slash is a path. Failures are results, never exceptions.

#include <QString>

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    explicit TDynamicLibrary(const QString& name) { Load(name); }
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Unloads what was loaded, then loads name; false when no such library loads.
    bool Load(const QString& name);
    void Unload();
    bool Loaded() const { return FHandle != nullptr; }
    // The exported symbol's address; nullptr when not loaded or not exported.
    void* Symbol(const char* name) const;
    // Typed form: Entry<int(int)>("f").
    template <class F> F* Entry(const char* name) const {
        return reinterpret_cast<F*>(Symbol(name));
    }

private:
    void* FHandle = nullptr;
};
