#pragma once
// TVQWizardPanel: the strip at the bottom of a wizard that carries its buttons. It lays them
// out itself, from the right edge leftwards in child order, each followed by the gap its Tag
// names, and draws an etched line along its top edge.

#include "framework/controls/CustomControl.h"

class TVQWizardPanel : public TCustomControl {
    VQ_CLASS(TVQWizardPanel, TCustomControl)
public:
    explicit TVQWizardPanel(TComponent* AOwner);

protected:
    // Visible children only: each as high as the client area less 17, right-aligned after the
    // previous one and its gap; margins 10 at the top, 8 at the right, 7 at the bottom.
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Paint() override;
};
