#pragma once
// TFont: the font of a canvas or control, as form descriptions write it (Font.Name,
// Font.Height...). Classic family names are mapped to installed families when the Qt font is
// made: "MS Sans Serif", "Arial", "Tahoma", "Verdana" -> "Liberation Sans"; "Times New Roman",
// "MS Serif" -> "Liberation Serif"; "Courier New", "Courier" -> "Liberation Mono".

#include "framework/graphics/GraphicsObject.h"

#include <QFont>
#include <QFontMetrics>

VQ_ENUM(TFontStyle, uint8_t, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
VQ_ENUM(TFontPitch, uint8_t, fpDefault, fpVariable, fpFixed)

// Character sets as form descriptions name them (Font.Charset = DEFAULT_CHARSET).
enum : int {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    OEM_CHARSET = 255,
};
const TIdentMap* CharsetIdents();

class TFont : public TGraphicsObject {
    VQ_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    void Assign(const TPersistent* Source) override;

    int Charset() const { return FCharset; } // DEFAULT_CHARSET
    void SetCharset(int value);
    TColor Color() const { return FColor; } // clWindowText
    void SetColor(TColor value);
    // Pixels: negative is the character height, positive the cell height. Default -11.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    String Name() const { return FName; } // "MS Sans Serif", kept as written
    void SetName(const String& value);
    TFontPitch Pitch() const { return FPitch; } // fpDefault
    void SetPitch(TFontPitch value);
    // Points at PixelsPerInch: -Height * 72 / 96, rounded; not stored (Height is).
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; } // []
    void SetStyle(TFontStyles value);

    // The Qt font to paint with, made on first use and kept until a property changes.
    const QFont& Handle() const;
    // The installed family a classic family name stands for (others pass through).
    static String MapFamily(const String& name);
    // The metrics of a Qt font: the framework's way to measure text. The first call waits
    // for the font preload (see FontPreload.h), so that nothing reads the configuration twice.
    static QFontMetrics Metrics(const QFont& font);

private:
    void Changed() override;

    int FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight = -11;
    String FName = QStringLiteral("MS Sans Serif");
    TFontPitch FPitch = fpDefault;
    TFontStyles FStyle;
    mutable QFont FHandle;
    mutable bool FHandleValid = false;
};
