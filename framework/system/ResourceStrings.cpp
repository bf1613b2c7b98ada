#include "framework/system/ResourceStrings.h"

namespace {
TResourceStringSource& Source() {
    static TResourceStringSource source;
    return source;
}
} // namespace

void SetResourceStringSource(TResourceStringSource source) {
    Source() = std::move(source);
}

String LoadResString(int id, const String& fallback) {
    if (!Source()) return fallback;
    const String text = Source()(id);
    return text.isEmpty() ? fallback : text;
}
