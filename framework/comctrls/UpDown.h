#pragma once
// TUpDown: a pair of arrow buttons that step Position between Min and Max. Each press (and
// each repeat while held, and the arrow keys when focused) moves Position by Increment, stops at
// the ends or wraps round with Wrap, and fires OnClick with the button. Position set by code is
// kept in range and fires nothing.

#include "framework/controls/CustomControl.h"

#include <memory>

class QTimer;

VQ_ENUM(TUDBtnType, uint8_t, btNext, btPrev)
VQ_ENUM(TUDOrientation, uint8_t, udHorizontal, udVertical)

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TCustomControl {
    VQ_CLASS(TUpDown, TCustomControl)
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;

    int Min() const { return FMin; } // 0
    void SetMin(int value);
    int Max() const { return FMax; } // 100
    void SetMax(int value);
    int Position() const { return FPosition; } // 0
    void SetPosition(int value);
    int Increment() const { return FIncrement; } // 1
    void SetIncrement(int value) { FIncrement = value; }
    bool Wrap() const { return FWrap; } // false
    void SetWrap(bool value) { FWrap = value; }
    bool ArrowKeys() const { return FArrowKeys; } // true
    void SetArrowKeys(bool value) { FArrowKeys = value; }
    TUDOrientation Orientation() const { return FOrientation; } // udVertical
    void SetOrientation(TUDOrientation value);

    // One step as if the button had been pressed once.
    void Step(TUDBtnType button);
    // The button under a point of the control.
    TUDBtnType ButtonAt(int X, int Y) const;

    TUDChangingEvent OnChanging; // before a step; AllowChange false keeps the position
    TUDClickEvent OnClick;       // after each step, with the button

    bool WantsKey(uint16_t key) const override;

protected:
    void Paint() override;
    // A spin button over Position; increase and decrease step as the arrows do.
    TAccRole AccRole() const override { return arSpinButton; }
    bool AccValue(TAccValue& v) const override;
    void AccSetValue(double value) override;
    TAccActions AccActions() const override { return {aaIncrease, aaDecrease}; }
    void AccDoAction(TAccActionItem action) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    int Clamped(int value) const;
    void StopRepeat();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    bool FArrowKeys = true;
    TUDOrientation FOrientation = udVertical;
    bool FPressed = false;
    TUDBtnType FPressedButton = btNext;
    std::unique_ptr<QTimer> FRepeat;
};
