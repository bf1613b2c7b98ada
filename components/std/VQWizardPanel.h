#pragma once
// TVQWizardPanel: the strip at the bottom of a wizard that carries its buttons. It lays them
// out itself, from the right edge leftwards in child order, each followed by the gap its Tag
// names, and draws an etched line along its top edge.

#include "framework/controls/CustomControl.h"

class TVQWizardPanel : public TCustomControl {
    VQ_CLASS(TVQWizardPanel, TCustomControl)
public:
    explicit TVQWizardPanel(TComponent* AOwner);

    // Room around the buttons: below the etched line at the top, beside the right edge (the
    // line's ends keep it too), and under the buttons. The panel is the buttons' height plus
    // MarginTop and MarginBottom.
    static constexpr int MarginTop = 10;
    static constexpr int MarginSide = 8;
    static constexpr int MarginBottom = 7;

protected:
    // Visible children only: each as high as the client area less the margins, right-aligned
    // after the previous one and its gap.
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Paint() override;
};
