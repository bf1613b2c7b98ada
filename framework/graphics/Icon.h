#pragma once
// TIcon: a small image with see-through pixels, read from ICO or PNG data. Icons always draw at
// their natural size (StretchDraw puts them at the rectangle's top-left corner).

#include "framework/graphics/Graphic.h"

#include <QIcon>
#include <QImage>

class TIcon : public TGraphic {
    VQ_CLASS(TIcon, TGraphic)
public:
    TIcon();
    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FImage.isNull(); }
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    // EInvalidGraphicOperation: an icon's size comes from its data.
    void SetWidth(int value) override;
    void SetHeight(int value) override;

    // The pixels with their alpha (Format_ARGB32).
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    // The icon for Qt's own use (window and tray icons); null when empty.
    QIcon Handle() const;

    void Draw(TCanvas* canvas, const TRect& rect) const override;
    // ICO (the largest image of the file is taken) or PNG; saves the data as loaded, or ICO
    // for an icon made from an image.
    void LoadFromStream(const QByteArray& data) override;
    QByteArray SaveToStream() const override;

private:
    QImage FImage;
    QByteArray FData;
};
