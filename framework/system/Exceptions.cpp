#include "framework/system/Exceptions.h"

Exception::Exception(String message)
    : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}

Exception::~Exception() = default;

void Exception::SetMessage(const String& value) {
    FMessage = value;
    FUtf8 = value.toStdString();
}

String Exception::Format(const String& pattern, std::initializer_list<QString> args) {
    String out;
    out.reserve(pattern.size() + 16);
    auto next = args.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size()) {
            const QChar f = pattern[i + 1];
            if (f == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if (f == u's' || f == u'd' || f == u'x') {
                if (next != args.end()) out += *next++;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void Abort() {
    throw EAbort(QStringLiteral("Operation aborted"));
}
