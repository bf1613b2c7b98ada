#pragma once
// TMetafile: vector drawing recorded once and replayed scaled to any rectangle.

#include "framework/graphics/Graphic.h"

#include <QPicture>
#include <functional>

class TMetafile : public TGraphic {
    VQ_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FPicture.isNull(); }
    // The logical size the drawing is scaled from (recording sets the recorded bounds).
    int Width() const override { return FWidth; }
    void SetWidth(int value) override;
    int Height() const override { return FHeight; }
    void SetHeight(int value) override;

    // Records a new drawing: draw receives a canvas whose strokes are kept. width and height
    // give the logical size; 0 takes the bounds of what was drawn.
    void Record(int width, int height, const std::function<void(TCanvas*)>& draw);
    const QPicture& Picture() const { return FPicture; }

    void Draw(TCanvas* canvas, const TRect& rect) const override;
    // Qt picture data preceded by the logical size.
    void LoadFromStream(const QByteArray& data) override;
    QByteArray SaveToStream() const override;

    // Leading bytes of metafile data.
    static QByteArray Signature() { return QByteArrayLiteral("VQMF"); }

private:
    QPicture FPicture;
    int FWidth = 0;
    int FHeight = 0;
};
