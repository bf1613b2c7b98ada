#include "framework/graphics/Picture.h"

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Metafile.h"

#include <QFile>
#include <memory>

VQ_PUBLISH(TPicture) {
    P.Inherit();
    P.Property("Data", &TPicture::Data, &TPicture::SetData);
}

TGraphic* CreateGraphic(std::string_view className) {
    if (SameTextAscii(className, "TBitmap")) return new TBitmap;
    if (SameTextAscii(className, "TIcon")) return new TIcon;
    if (SameTextAscii(className, "TMetafile")) return new TMetafile;
    return nullptr;
}

const TClassInfo* GraphicClassForData(const QByteArray& data) {
    if (data.startsWith(TMetafile::Signature())) return TMetafile::StaticClassType();
    if (data.size() >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0)
        return TIcon::StaticClassType();
    if (data.startsWith("BM") || data.startsWith("\x89PNG") || data.startsWith("GIF8") ||
        data.startsWith("\xFF\xD8"))
        return TBitmap::StaticClassType();
    return nullptr;
}

TPicture::TPicture() = default;

TPicture::~TPicture() {
    delete FGraphic;
}

void TPicture::Take(TGraphic* graphic) {
    delete FGraphic;
    FGraphic = graphic;
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
}

void TPicture::Changed() {
    Fire(OnChange, this);
}

void TPicture::Assign(const TPersistent* Source) {
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* pic = dynamic_cast<const TPicture*>(Source)) {
        if (pic != this) SetGraphic(pic->FGraphic);
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::SetGraphic(const TGraphic* value) {
    if (value == FGraphic) return;
    std::unique_ptr<TGraphic> copy;
    if (value) {
        copy.reset(CreateGraphic(value->ClassType()->Name()));
        if (!copy)
            throw EInvalidGraphic(Exception::Format(QStringLiteral("Unknown picture format %s"),
                                                    {value->ClassName()}));
        copy->Assign(value);
    }
    Take(copy.release());
    Changed();
}

template <class T> T* TPicture::ForceGraphic() {
    if (auto* g = dynamic_cast<T*>(FGraphic)) return g;
    Take(new T);
    Changed();
    return static_cast<T*>(FGraphic);
}

TBitmap* TPicture::Bitmap() {
    return ForceGraphic<TBitmap>();
}

TIcon* TPicture::Icon() {
    return ForceGraphic<TIcon>();
}

TMetafile* TPicture::Metafile() {
    return ForceGraphic<TMetafile>();
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

QByteArray TPicture::Data() const {
    if (!FGraphic || FGraphic->Empty()) return {};
    const QByteArray name = QByteArray::fromStdString(FGraphic->ClassType()->Name());
    QByteArray out;
    out.append(char(uint8_t(name.size())));
    out.append(name);
    out.append(FGraphic->SaveToStream());
    return out;
}

void TPicture::SetData(const QByteArray& value) {
    if (value.isEmpty()) {
        if (FGraphic) SetGraphic(nullptr);
        return;
    }
    const int len = uint8_t(value[0]);
    if (len == 0 || value.size() < 1 + len)
        throw EInvalidGraphic(QStringLiteral("Picture data is not valid"));
    const QByteArray name = value.mid(1, len);
    std::unique_ptr<TGraphic> graphic(CreateGraphic(name.toStdString()));
    if (!graphic)
        throw EInvalidGraphic(Exception::Format(QStringLiteral("Unknown picture format %s"),
                                                {QString::fromLatin1(name)}));
    graphic->LoadFromStream(value.mid(1 + len));
    Take(graphic.release());
    Changed();
}

void TPicture::LoadFromFile(const String& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(
            Exception::Format(QStringLiteral("Cannot open file \"%s\""), {fileName}));
    const QByteArray data = file.readAll();
    const TClassInfo* cls = GraphicClassForData(data);
    std::unique_ptr<TGraphic> graphic(cls ? CreateGraphic(cls->Name()) : nullptr);
    if (!graphic)
        throw EInvalidGraphic(
            Exception::Format(QStringLiteral("Unknown picture file format in %s"), {fileName}));
    graphic->LoadFromStream(data);
    Take(graphic.release());
    Changed();
}

void TPicture::SaveToFile(const String& fileName) const {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}
