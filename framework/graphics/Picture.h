#pragma once
// TPicture: a container for one graphic of any class (bitmap, icon, metafile). Form descriptions
// store it as Picture.Data = { ... }: one byte with the length of the graphic's class name, the
// class name ("TBitmap"), then the graphic's own data.

#include "framework/graphics/Graphic.h"

class TBitmap;
class TIcon;
class TMetafile;

class TPicture : public TPersistent {
    VQ_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;
    // Copies a picture's or a graphic's content (nullptr empties the picture).
    void Assign(const TPersistent* Source) override;

    // The graphic held, owned by the picture; nullptr when empty. SetGraphic stores a copy.
    TGraphic* Graphic() const { return FGraphic; }
    void SetGraphic(const TGraphic* value);
    // The graphic as a bitmap, icon or metafile; when it is of another class (or absent) it is
    // replaced by a new empty one of the class asked for.
    TBitmap* Bitmap();
    TIcon* Icon();
    TMetafile* Metafile();

    int Width() const; // 0 when empty
    int Height() const;

    // The tagged data (empty for an empty picture). EInvalidGraphic for an unknown class tag or
    // unreadable graphic data; the picture then keeps its content.
    QByteArray Data() const;
    void SetData(const QByteArray& value);

    void LoadFromFile(const String& fileName); // class chosen by the file's content
    void SaveToFile(const String& fileName) const;

    // Fires after the graphic was replaced or changed.
    TNotifyEvent OnChange;

private:
    template <class T> T* ForceGraphic();
    void Take(TGraphic* graphic);
    void Changed();

    TGraphic* FGraphic = nullptr;
};

// A new, empty graphic of the named class ("TBitmap", "TIcon", "TMetafile"); nullptr if unknown.
TGraphic* CreateGraphic(std::string_view className);
