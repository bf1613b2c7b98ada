#include "framework/comctrls/UpDown.h"

#include "framework/controls/Application.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

#include <QGuiApplication>
#include <QTimer>
#include <cmath>

namespace {
// Held buttons repeat after this delay, then at the interval.
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;
} // namespace

VQ_PUBLISH(TUpDown) {
    using C = TUpDown;
    P.Inherit();
    P.Property("ArrowKeys", &C::ArrowKeys, &C::SetArrowKeys).Default(true);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Increment", &C::Increment, &C::SetIncrement).Default(1);
    P.Property("Min", &C::Min, &C::SetMin).Default(0);
    P.Property("Max", &C::Max, &C::SetMax).Default(100);
    P.Property("Orientation", &C::Orientation, &C::SetOrientation).Default(udVertical);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("Position", &C::Position, &C::SetPosition).Default(0);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Property("Wrap", &C::Wrap, &C::SetWrap).Default(false);
    P.Event("OnChanging", &C::OnChanging, "TUDChangingEvent");
    P.Event("OnClick", &C::OnClick, "TUDClickEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
}

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner), FRepeat(std::make_unique<QTimer>()) {
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
    SetBounds(0, 0, 16, 24);
    SetColor(clBtnFace);
    SetParentColor(false);
    QObject::connect(FRepeat.get(), &QTimer::timeout, FRepeat.get(), [this] {
        Application->Guard(this, [this] {
            // A release the control missed (a handler's modal window took it) ends the repeat.
            if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
                StopRepeat();
                return;
            }
            FRepeat->setInterval(kRepeatInterval);
            if (FPressed) Step(FPressedButton);
        });
    });
}

TUpDown::~TUpDown() {
    FRepeat->stop();
}

int TUpDown::Clamped(int value) const {
    const int lo = std::min(FMin, FMax), hi = std::max(FMin, FMax);
    return std::clamp(value, lo, hi);
}

void TUpDown::SetMin(int value) {
    if (FMin == value) return;
    FMin = value;
    if (!Loading()) FPosition = Clamped(FPosition);
}

void TUpDown::SetMax(int value) {
    if (FMax == value) return;
    FMax = value;
    if (!Loading()) FPosition = Clamped(FPosition);
}

void TUpDown::SetPosition(int value) {
    // While loading, the range may still be read after the position.
    if (!Loading()) value = Clamped(value);
    if (FPosition == value) return;
    FPosition = value;
    // Nothing shows the position, but the repaint request is what tells a screen reader.
    Invalidate();
}

void TUpDown::SetOrientation(TUDOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Invalidate();
}

void TUpDown::Step(TUDBtnType button) {
    const int lo = std::min(FMin, FMax), hi = std::max(FMin, FMax);
    // Next goes towards Max, whichever way round the range is.
    const int delta = (button == btNext) == (FMax >= FMin) ? FIncrement : -FIncrement;
    int next = FPosition + delta;
    if (next > hi) next = FWrap ? lo : hi;
    if (next < lo) next = FWrap ? hi : lo;
    bool allow = true;
    if (!Fire(OnChanging, this, allow)) return;
    if (allow && FPosition != next) {
        FPosition = next;
        Invalidate(); // a screen reader hears the new position
    }
    Fire(OnClick, this, button);
}

TUDBtnType TUpDown::ButtonAt(int X, int Y) const {
    if (FOrientation == udVertical) return Y < Height() / 2 ? btNext : btPrev;
    return X < Width() / 2 ? btPrev : btNext;
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    auto life = LifeToken();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!life.Alive() || Button != mbLeft || !Enabled()) return;
    FPressed = true;
    FPressedButton = ButtonAt(X, Y);
    Repaint();
    FRepeat->start(kRepeatDelay);
    Step(FPressedButton);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) StopRepeat();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TUpDown::StopRepeat() {
    FRepeat->stop();
    if (!FPressed) return;
    FPressed = false;
    Invalidate();
}

bool TUpDown::WantsKey(uint16_t key) const {
    return FArrowKeys && key >= 0x25 && key <= 0x28;
}

void TUpDown::KeyDown(uint16_t& Key, TShiftState Shift) {
    auto life = LifeToken();
    TCustomControl::KeyDown(Key, Shift);
    if (!life.Alive() || !FArrowKeys) return;
    if (Key == 0x26 || Key == 0x27) {
        Key = 0;
        Step(btNext);
    } else if (Key == 0x28 || Key == 0x25) {
        Key = 0;
        Step(btPrev);
    }
}

void TUpDown::Paint() {
    TCanvas* canvas = Canvas();
    const bool vertical = FOrientation == udVertical;
    const TRect halves[2] = {
        vertical ? TRect{0, 0, Width(), Height() / 2} : TRect{Width() / 2, 0, Width(), Height()},
        vertical ? TRect{0, Height() / 2, Width(), Height()} : TRect{0, 0, Width() / 2, Height()}};
    for (int i = 0; i < 2; ++i) {
        const TUDBtnType button = i == 0 ? btNext : btPrev;
        const bool down = FPressed && FPressedButton == button;
        TRect face = halves[i];
        DrawFrameControl(canvas, face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
        // A small solid triangle pointing the button's way.
        const int shift = down ? 1 : 0;
        const int cx = (face.Left + face.Right) / 2 + shift;
        const int cy = (face.Top + face.Bottom) / 2 + shift;
        const int s = std::max(1, std::min(face.Width(), face.Height()) / 3);
        std::vector<TPoint> tri;
        if (vertical)
            tri = button == btNext ? std::vector<TPoint>{{cx - s, cy + s / 2},
                                                         {cx + s, cy + s / 2},
                                                         {cx, cy - s / 2 - (s % 2)}}
                                   : std::vector<TPoint>{{cx - s, cy - s / 2},
                                                         {cx + s, cy - s / 2},
                                                         {cx, cy + s / 2 + (s % 2)}};
        else
            tri = button == btNext ? std::vector<TPoint>{{cx - s / 2, cy - s},
                                                         {cx - s / 2, cy + s},
                                                         {cx + s / 2 + (s % 2), cy}}
                                   : std::vector<TPoint>{{cx + s / 2, cy - s},
                                                         {cx + s / 2, cy + s},
                                                         {cx - s / 2 - (s % 2), cy}};
        const TColor color = Enabled() ? clBtnText : clGrayText;
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(color);
        canvas->Polygon(tri);
    }
    // A tab stop shows that it has the focus, round both arrows.
    if (Focused()) DrawFocusRect(canvas, TRect{2, 2, Width() - 2, Height() - 2});
}

void TUpDown::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TUpDown::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

bool TUpDown::AccValue(TAccValue& v) const {
    v = {double(FPosition), double(std::min(FMin, FMax)), double(std::max(FMin, FMax)),
         double(FIncrement)};
    return true;
}

void TUpDown::AccSetValue(double value) {
    SetPosition(int(std::lround(value)));
}

void TUpDown::AccDoAction(TAccActionItem action) {
    if (action == aaIncrease) Step(btNext);
    if (action == aaDecrease) Step(btPrev);
}
