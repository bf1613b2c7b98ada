#include "framework/graphics/Font.h"

#include "framework/graphics/FontPreload.h"
#include "framework/graphics/Graphics.h"
#include "framework/system/MathUtils.h"

#include <QFontMetricsF>
#include <cmath>

const TIdentMap* CharsetIdents() {
    static const TIdentMap map = {
        {ANSI_CHARSET, "ANSI_CHARSET"},
        {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
        {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
        {77, "MAC_CHARSET"},
        {128, "SHIFTJIS_CHARSET"},
        {129, "HANGEUL_CHARSET"},
        {134, "GB2312_CHARSET"},
        {136, "CHINESEBIG5_CHARSET"},
        {161, "GREEK_CHARSET"},
        {162, "TURKISH_CHARSET"},
        {177, "HEBREW_CHARSET"},
        {178, "ARABIC_CHARSET"},
        {186, "BALTIC_CHARSET"},
        {204, "RUSSIAN_CHARSET"},
        {222, "THAI_CHARSET"},
        {238, "EASTEUROPE_CHARSET"},
        {OEM_CHARSET, "OEM_CHARSET"},
    };
    return &map;
}

VQ_PUBLISH(TFont) {
    P.Inherit();
    P.Property("Charset", &TFont::Charset, &TFont::SetCharset).Idents(CharsetIdents()).NoDefault();
    P.Property("Color", &TFont::Color, &TFont::SetColor).NoDefault();
    P.Property("Height", &TFont::Height, &TFont::SetHeight).NoDefault();
    P.Property("Name", &TFont::Name, &TFont::SetName);
    P.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    P.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    P.Property("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
}

TFont::TFont() = default;

void TFont::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TFont*>(Source)) {
        if (src == this) return;
        BeginUpdate();
        SetCharset(src->FCharset);
        SetColor(src->FColor);
        SetHeight(src->FHeight);
        SetName(src->FName);
        SetPitch(src->FPitch);
        SetStyle(src->FStyle);
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetCharset(int value) {
    if (FCharset == value) return;
    FCharset = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    // The colour is not part of the Qt font: keep the handle.
    TGraphicsObject::Changed();
}

void TFont::SetHeight(int value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

void TFont::SetName(const String& value) {
    if (FName == value) return;
    FName = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value) {
    if (FPitch == value) return;
    FPitch = value;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int value) {
    SetHeight(-MulDiv(value, PixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TFont::Changed() {
    FHandleValid = false;
    TGraphicsObject::Changed();
}

String TFont::MapFamily(const String& name) {
    static const struct {
        const char* Classic;
        const char* Installed;
    } kMap[] = {
        {"MS Sans Serif", "Liberation Sans"},    {"Arial", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},           {"Verdana", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"}, {"MS Serif", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},      {"Courier", "Liberation Mono"},
    };
    for (const auto& m : kMap)
        if (name.compare(QLatin1String(m.Classic), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(m.Installed);
    return name;
}

QFontMetrics TFont::Metrics(const QFont& font) {
    TFontPreload::WaitForRunning();
    return QFontMetrics(font);
}

const QFont& TFont::Handle() const {
    if (FHandleValid) return FHandle;
    QFont f(MapFamily(FName));
    f.setBold(FStyle.Contains(fsBold));
    f.setItalic(FStyle.Contains(fsItalic));
    f.setUnderline(FStyle.Contains(fsUnderline));
    f.setStrikeOut(FStyle.Contains(fsStrikeOut));
    if (FPitch == fpFixed) f.setFixedPitch(true);
    if (FCharset == SYMBOL_CHARSET) f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    f.setHintingPreference(QFont::PreferFullHinting);
    int pixels = 11;
    if (FHeight < 0) {
        pixels = -FHeight;
    } else if (FHeight > 0) {
        // A positive height is the whole cell (ascent + descent): scale the em size to fit it.
        QFont probe(f);
        probe.setPixelSize(100);
        TFontPreload::WaitForRunning();
        const qreal cell = QFontMetricsF(probe).height();
        pixels = cell > 0 ? std::max(1, int(std::lround(FHeight * 100.0 / cell))) : FHeight;
    }
    f.setPixelSize(pixels);
    FHandle = f;
    FHandleValid = true;
    return FHandle;
}
