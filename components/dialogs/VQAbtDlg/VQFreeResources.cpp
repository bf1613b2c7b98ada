#include "components/dialogs/VQAbtDlg/VQFreeResources.h"

#include "framework/system/DynamicLibrary.h"

#include <cstdint>
#include <string>

namespace {
const char* const DefaultLibrary = "libvqrsrc.so";
const char* const DefaultEntry = "MyGetFreeSystemResources32";

String& LibraryName() {
    static String name = QString::fromLatin1(DefaultLibrary);
    return name;
}
std::string& EntryName() {
    static std::string name = DefaultEntry;
    return name;
}
} // namespace

void SetFreeResourcesLibrary(const String& library, const char* entry) {
    LibraryName() = library.isEmpty() ? QString::fromLatin1(DefaultLibrary) : library;
    EntryName() = entry && *entry ? entry : DefaultEntry;
}

int QueryFreeSystemResources() {
    TDynamicLibrary library(LibraryName());
    using TEntry = uint32_t(uint32_t);
    TEntry* entry = library.Entry<TEntry>(EntryName().c_str());
    if (!entry) return 100;
    const uint32_t free = entry(0); // 0: the system's resources
    return free > 100 ? 100 : int(free);
}

String FormatPercent(const String& format, int value) {
    String out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            out += format[i];
            continue;
        }
        qsizetype j = i + 1;
        if (j < format.size() && format[j] == u'%') {
            out += u'%';
            i = j;
            continue;
        }
        bool left = false, zero = false;
        for (; j < format.size() && (format[j] == u'-' || format[j] == u'0'); ++j)
            (format[j] == u'-' ? left : zero) = true;
        int width = 0;
        for (; j < format.size() && format[j].isDigit() && width < 1000; ++j)
            width = width * 10 + format[j].digitValue();
        if (j < format.size() && (format[j] == u'd' || format[j] == u'D')) {
            String number = QString::number(value);
            if (left)
                number = number.leftJustified(width, u' ');
            else
                number = number.rightJustified(width, zero ? u'0' : u' ');
            out += number;
            i = j;
        } else {
            out += format[i]; // not a sequence we format: kept as it stands
        }
    }
    return out;
}
