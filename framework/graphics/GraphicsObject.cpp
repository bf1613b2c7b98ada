#include "framework/graphics/GraphicsObject.h"

#include "framework/classes/Component.h"

VQ_PUBLISH(TGraphicsObject) {
    P.Inherit();
}

void TGraphicsObject::Changed() {
    if (FUpdateCount > 0) {
        FPending = true;
        return;
    }
    Fire(OnChange, this);
}

void TGraphicsObject::EndUpdate() {
    if (--FUpdateCount > 0 || !FPending) return;
    FPending = false;
    Changed();
}
