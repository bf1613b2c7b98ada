#include "components/std/VQMenuButton.h"

#include "components/gfx/VQDrawing.h"
#include "framework/controls/Form.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/ScopedChange.h"

VQ_PUBLISH(TVQMenuButton) {
    using C = TVQMenuButton;
    P.Inherit();
    P.Field("About", &C::FAbout).Stored(false);
    P.Property(
        "Items", [](const C* c) -> TStrings* { return c->Items(); }, &C::SetItems);
    P.Property("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Property("ShowCheckmark", &C::ShowCheckmark, &C::SetShowCheckmark);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
}

namespace {

constexpr int kSeparatorId = 0xFFFF;

// The down arrow, 10 wide and 5 high, its top-left corner at (x, y).
void DrawArrow(TCanvas* canvas, int x, int y, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Polygon({Point(x + 5, y + 5), Point(x + 10, y), Point(x, y)});
}

} // namespace

TVQMenuButton::TVQMenuButton(TComponent* AOwner)
    : TButton(AOwner), FItems(std::make_unique<TStringList>()) {
    FControlStyle.Exclude(csCaptureMouse);
    FControlStyle.Exclude(csDoubleClicks);
    SetOwnerDraw(true);
    SetOwnMouse(true);
}

TVQMenuButton::~TVQMenuButton() = default;

void TVQMenuButton::SetItems(TStrings* value) {
    FItems->Assign(value);
}

void TVQMenuButton::Click() {
    if (!Fire(OnClick, this)) return;
    DropDown();
}

void TVQMenuButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && !FDroppedDown) {
        const TLifeToken alive = LifeToken();
        Click();
        if (!alive) return;
    }
    TButton::MouseDown(Button, Shift, X, Y);
}

void TVQMenuButton::DropDown() {
    if (FDroppedDown || FItems->Count() == 0) return;
    const TLifeToken alive = LifeToken();
    int chosen = -1;
    {
        TScopedChange<bool> dropped(FDroppedDown, true);
        if (!Focused() && CanFocus()) SetFocus();
        SetDown(true);
        TPopupMenu menu(nullptr);
        for (int i = 0; i < FItems->Count(); ++i) {
            auto* item = new TMenuItem(&menu);
            item->SetCaption(FItems->Strings(i));
            if (!item->IsLine()) {
                item->SetRadioItem(FShowCheckmark);
                item->SetChecked(FShowCheckmark && i == FItemIndex);
                item->OnClick = [&chosen, i](TObject*) { chosen = i; };
            }
            menu.Items()->Add(item);
        }
        const TPoint below = ClientToScreen(Point(0, Height()));
        menu.PopupBeside(below.X, below.Y - 1,
                         Rect(below.X, below.Y - Height(), below.X + Width(), below.Y));
        if (!alive) return; // freed by something the menu's loop ran
    }
    SetDown(false);
    if (chosen >= 0) ItemChosen(chosen);
}

void TVQMenuButton::ItemChosen(int id) {
    if (id < 0 || id >= FItems->Count() || id == kSeparatorId) return;
    if (FItems->Strings(id) == QStringLiteral("-")) return;
    FItemIndex = id;
    if (!Fire(OnChange, this)) return;
    if (ModalResult() != 0)
        if (TForm* form = ParentForm()) form->SetModalResult(ModalResult());
}

void TVQMenuButton::DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    const bool pushed = state.Contains(odSelected);
    const bool outlined = state.Contains(odDefault) || state.Contains(odFocused);
    const bool enabled = !state.Contains(odDisabled);
    TRect r = DrawPushButtonFrame(canvas, rect, outlined, pushed);

    canvas->Font()->Assign(Font());
    canvas->SetBkMode(TRANSPARENT);
    TRect calc = Rect(0, 0, Width(), 0);
    DrawText(canvas, Caption(), calc, DT_CALCRECT | DT_SINGLELINE);
    const int tw = calc.Width(), th = calc.Height();
    const int p = pushed ? 1 : 0;
    DrawState(canvas, Caption(), rect.Left + (Width() - tw) / 2 - 10 + p,
              rect.Top + (Height() - th) / 2 - 1 + p, 0, 0,
              DST_PREFIXTEXT | (enabled ? 0u : unsigned(DSS_DISABLED)));
    if (state.Contains(odFocused) && !FDroppedDown) canvas->DrawFocusRect(r);

    r.Left += (r.Right - r.Left) / 2 + tw / 2 + p;
    r.Top += p;
    const int x = r.Left - 2, y = r.Top + (r.Bottom - r.Top) / 2 - 2;
    if (enabled) {
        DrawArrow(canvas, x, y, Font()->Color());
    } else {
        DrawArrow(canvas, x + 1, y + 1, clBtnHighlight);
        DrawArrow(canvas, x, y, clBtnShadow);
    }
}

TAccStates TVQMenuButton::AccStates() const {
    TAccStates s{asHasPopup};
    if (FDroppedDown) s.Include(asPressed);
    return s;
}
