#include "framework/classes/Resources.h"

#include "framework/system/Exceptions.h"

#include <QFile>

bool ResourceExists(const QString& name) {
    return QFile::exists(name);
}

QByteArray ReadResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(Exception::Format(QStringLiteral("Resource %s not found"), {name}));
    return file.readAll();
}
