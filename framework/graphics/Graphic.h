#pragma once
// TGraphic: an image that can draw itself on a canvas and store itself as bytes (BMP, ICO, PNG
// or recorded vector drawing, by class). Form descriptions carry those bytes as "Data".

#include "framework/graphics/GraphicsObject.h"
#include "framework/system/Types.h"

#include <QByteArray>

class TCanvas;

class TGraphic : public TPersistent {
    VQ_CLASS(TGraphic, TPersistent)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int value) = 0;
    // Whether drawing leaves some pixels of the destination unchanged (false).
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    // True after any change, until cleared by the owner of the graphic.
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // Draws the graphic on canvas into rect (stretched where the class can stretch).
    virtual void Draw(TCanvas* canvas, const TRect& rect) const = 0;

    // Replaces the content with data in one of the class's formats; EInvalidGraphic when the
    // data cannot be read (the content is then unchanged). Empty data makes the graphic empty.
    virtual void LoadFromStream(const QByteArray& data) = 0;
    // The content in the class's own format; empty for an empty graphic.
    virtual QByteArray SaveToStream() const = 0;
    // Files and Qt resources (":/images/x.bmp"); EInvalidGraphic when unreadable.
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;

    // Fires after every change of the content.
    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};

// The graphic class able to read data that starts with these bytes (BMP -> TBitmap, ICO ->
// TIcon, PNG -> TBitmap, recorded drawing -> TMetafile); nullptr when none.
const TClassInfo* GraphicClassForData(const QByteArray& data);
