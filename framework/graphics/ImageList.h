#pragma once
// TImageList: a list of images of one size, each with an optional mask, drawn by index. Form
// descriptions keep all images in the binary property "Bitmap": a PNG strip of Count images
// side by side whose alpha channel is the mask.

#include "framework/classes/Component.h"
#include "framework/graphics/ChangeLink.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImageData.h"

#include <QImage>
#include <vector>

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
    VQ_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    // Image size in pixels, 16 by default; changing either empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    void SetSize(int width, int height);
    int Count() const;
    // Whether masks are kept (true); without, every image draws opaque.
    bool Masked() const { return FMasked; }
    void SetMasked(bool value);
    // Colour behind see-through pixels in GetBitmap (clNone: white).
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value);

    // Adds the image (cut into Width-wide pieces when wider; each piece one image) with a
    // monochrome mask whose white (1) pixels are see-through; nullptr: opaque. Returns the
    // index of the first image added, -1 for no image.
    int Add(const TBitmap* image, const TBitmap* mask);
    // The same with every pixel of maskColor see-through (clDefault: the bitmap's bottom-left
    // pixel).
    int AddMasked(const TBitmap* image, TColor maskColor);
    // Adds one image from a Qt image with alpha (see-through where alpha is 0).
    int AddImage(const QImage& image);
    void Replace(int index, const TBitmap* image, const TBitmap* mask);
    void Delete(int index); // EInvalidOperation out of range
    void Move(int curIndex, int newIndex);
    void Clear();

    // Draws image index at (x, y) with its mask; disabled images are embossed in the button
    // highlight and shadow colours. Nothing for an index outside the list.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;
    // Copies image index onto bitmap (resized to Width x Height) over BkColor.
    void GetBitmap(int index, TBitmap* bitmap) const;
    // The image with alpha as the mask; null for an index outside the list.
    QImage Image(int index) const;

    // Links are told of every change; the list does not own them.
    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    // Fires after every change, before the change links.
    TNotifyEvent OnChange;

    // The strip of all images as PNG (empty for an empty list), and loading it back. A
    // well-formed strip is cut into images when they are first needed, and saved as it came
    // until then.
    QByteArray ImageData() const;
    void SetImageData(const QByteArray& value);

protected:
    void Changed();

private:
    int AddPieces(const QImage& argb);
    // Cuts the kept strip into the images; Cut: a strip of Width-wide images.
    void Settle() const;
    void Cut(const QImage& strip) const;

    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    TColor FBkColor = clNone;
    // Mutable: cutting the kept strip on first use changes nothing a caller can see.
    mutable std::vector<QImage> FImages; // Format_ARGB32, FWidth x FHeight
    mutable TEncodedImage FStrip;
    std::vector<TChangeLink*> FLinks;
};
