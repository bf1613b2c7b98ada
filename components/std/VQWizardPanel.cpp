#include "components/std/VQWizardPanel.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQWizardPanel) {
    P.Inherit();
}

TVQWizardPanel::TVQWizardPanel(TComponent* AOwner) : TCustomControl(AOwner) {}

void TVQWizardPanel::AlignControls(TControl*, TRect& Rect) {
    TRect r = Rect;
    r.Top += 10;
    r.Right -= 8;
    r.Bottom -= 7;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
        r.Right = c->Left() - int(c->Tag());
    }
}

void TVQWizardPanel::Paint() {
    TRect r = ClientRect();
    r.Left += 8;
    r.Right -= 8;
    DrawEdge(Canvas(), r, EDGE_ETCHED, BF_TOP);
}
