#include "framework/graphics/Graphic.h"

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"

#include <QFile>

VQ_PUBLISH(TGraphic) {
    P.Inherit();
    P.Property(
        "Data", [](const TGraphic* g) { return g->SaveToStream(); },
        [](TGraphic* g, const QByteArray& data) { g->LoadFromStream(data); });
}

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed() {
    FModified = true;
    Fire(OnChange, this);
}

void TGraphic::LoadFromFile(const String& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(
            Exception::Format(QStringLiteral("Cannot open file \"%s\""), {fileName}));
    LoadFromStream(file.readAll());
}

void TGraphic::SaveToFile(const String& fileName) const {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(SaveToStream()) < 0)
        throw EInvalidGraphic(
            Exception::Format(QStringLiteral("Cannot create file \"%s\""), {fileName}));
}
