#include "framework/system/DynamicLibrary.h"

#include <QFileInfo>
#include <dlfcn.h>

TDynamicLibrary::~TDynamicLibrary() {
    Unload();
}

void TDynamicLibrary::Unload() {
    if (FHandle) dlclose(FHandle);
    FHandle = nullptr;
}

bool TDynamicLibrary::Load(const QString& name) {
    Unload();
    if (name.isEmpty()) return false;
    auto open = [this](const QString& path) {
        FHandle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        return FHandle != nullptr;
    };
    if (open(name) || name.contains(u'/')) return Loaded();
    const QString exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (exeDir.isEmpty()) return false;
    const QString dir = QFileInfo(exeDir).absolutePath();
    return open(dir + u'/' + name) || open(dir + QStringLiteral("/../lib/") + name);
}

void* TDynamicLibrary::Symbol(const char* name) const {
    return FHandle ? dlsym(FHandle, name) : nullptr;
}
