#include "components/std/VQWizardPanel.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQWizardPanel) {
    P.Inherit();
}

TVQWizardPanel::TVQWizardPanel(TComponent* AOwner) : TCustomControl(AOwner) {}

void TVQWizardPanel::AlignControls(TControl*, TRect& Rect) {
    TRect r = Rect;
    r.Top += MarginTop;
    r.Right -= MarginSide;
    r.Bottom -= MarginBottom;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
        r.Right = c->Left() - int(c->Tag());
    }
}

void TVQWizardPanel::Paint() {
    TRect r = ClientRect();
    r.Left += MarginSide;
    r.Right -= MarginSide;
    DrawEdge(Canvas(), r, EDGE_ETCHED, BF_TOP);
}
