#pragma once
// TVQImage: a windowless control showing a picture (bitmap, icon or metafile) inside the
// border, in one of six placements. A bitmap can be drawn with its transparent colour (the
// bottom-left pixel's) see-through, and AutoColor takes the background from that colour so a
// centred bitmap seems to reach the control's edges. Images can share one stored picture: an
// image whose PictureControl names another copies that image's picture and follows its
// changes, so a form description holds the picture once.
//
// Paints directly (not buffered): with Color clNone whatever lies behind shows through.

#include "components/gfx/VQGraphicControl.h"

#include <memory>

class TPicture;

VQ_ENUM(TVQImageStyle, uint8_t, vqisTopLeft, vqisCenter, vqisAutoSize, vqisTile, vqisAspectStretch,
        vqisStretch)

class TVQImage : public TVQGraphicControl {
    VQ_CLASS(TVQImage, TVQGraphicControl)
public:
    explicit TVQImage(TComponent* AOwner);
    ~TVQImage() override;

    // Width, Height: 105. Color: clNone (so ParentColor starts false).
    // BorderStyle: vqbsNone; a change re-applies the size rules like a new picture.
    using TVQGraphicControl::BorderStyle;
    using TVQGraphicControl::SetBorderStyle;

    // AutoColor: false; while true, Color follows the bitmap's transparent colour. Setting
    // Color by hand (not while loading) turns it off.
    bool AutoColor() const { return FAutoColor; }
    void SetAutoColor(bool value);
    // PictureControl: nullptr; another TVQImage (itself unlinked) whose picture this image
    // copies now and whenever it changes. Any other control, this image, or an image that is
    // itself linked is refused silently. Clearing it keeps the current picture.
    TGraphicControl* PictureControl() const { return FPictureControl; }
    void SetPictureControl(TGraphicControl* value);
    // Picture: owned, empty at first; setting copies the content in. Stored only while
    // PictureControl is nullptr.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value);
    // Style: vqisAutoSize; a change re-applies the size rules.
    TVQImageStyle Style() const { return FStyle; }
    void SetStyle(TVQImageStyle value);
    // Transparent: false; bitmaps draw with their transparent colour see-through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Size rules (not while loading, and only with a graphic of positive size): vqisAutoSize
    // makes the inner rectangle the picture's size; vqisAspectStretch keeps the height and
    // makes the width follow the picture's aspect ratio in whole percent.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnPaint; // after the picture was painted; the canvas is still clipped

protected:
    // The reaction to any change of what the image shows: size rules and propagation to the
    // images linked to this one (not while loading), AutoColor, invalidate.
    virtual void PictureChanged();
    void BorderChanged() override;
    void ColorChanged() override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void PaintTiles(const TRect& inner);

    bool FAutoColor = false;
    TGraphicControl* FPictureControl = nullptr;
    std::unique_ptr<TPicture> FPicture;
    TVQImageStyle FStyle = vqisAutoSize;
    bool FTransparent = false;
};
