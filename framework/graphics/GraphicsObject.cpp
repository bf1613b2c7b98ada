#include "framework/graphics/GraphicsObject.h"

VQ_PUBLISH(TGraphicsObject) {
    P.Inherit();
}

void TGraphicsObject::Changed() {
    if (FUpdateCount > 0) {
        FPending = true;
        return;
    }
    if (TNotifyEvent handler = OnChange) handler(this);
}

void TGraphicsObject::EndUpdate() {
    if (--FUpdateCount > 0 || !FPending) return;
    FPending = false;
    Changed();
}
