#include "framework/controls/HitMask.h"

#include "framework/controls/Control.h"
#include "framework/graphics/Bitmap.h"

#include <QBitmap>
#include <QRegion>
#include <QWidget>

void SetControlHitMask(TControl* control, const TBitmap* shape) {
    QWidget* w = control ? control->Widget() : nullptr;
    if (!w) return;
    if (!shape || shape->Empty()) {
        w->clearMask();
        return;
    }
    const QImage& image = shape->Image();
    const QRgb key = image.pixel(0, image.height() - 1);
    // The region covers the pixels that differ from the key colour.
    const QImage mask = image.createMaskFromColor(key, Qt::MaskInColor);
    QRegion region(QBitmap::fromImage(mask));
    // An empty region would mean "no mask"; a pixel outside the window means "no pixel".
    if (region.isEmpty()) region = QRegion(-1, -1, 1, 1);
    w->setMask(region);
}
