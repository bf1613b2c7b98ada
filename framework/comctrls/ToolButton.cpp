#include "framework/comctrls/ToolButton.h"

#include "framework/comctrls/ToolBar.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ImageList.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {
constexpr int kSeparatorWidth = 8;
constexpr int kCaptionPadding = 8;
} // namespace

VQ_PUBLISH(TToolButton) {
    using C = TToolButton;
    P.Inherit();
    // The tool bar places its buttons.
    P.Property("Left", &C::Left, &C::SetLeft).Stored(false);
    P.Property("Top", &C::Top, &C::SetTop).Stored(false);
    P.Property("Width", &C::Width, &C::SetWidth).Stored(false);
    P.Property("Height", &C::Height, &C::SetHeight).Stored(false);
    P.Property("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    P.Property("Caption", &C::Caption, &C::SetCaption);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Grouped", &C::Grouped, &C::SetGrouped).Default(false);
    P.Property("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Style", &C::Style, &C::SetStyle).Default(tbsButton);
    P.Property("Down", &C::Down, &C::SetDown).Default(false);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
}

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csDoubleClicks);
    SetBounds(0, 0, 23, 22);
}

TToolBar* TToolButton::ToolBar() const {
    return dynamic_cast<TToolBar*>(Parent());
}

void TToolButton::Rearrange() {
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
    Invalidate();
}

std::vector<TToolButton*> TToolButton::Group() const {
    std::vector<TToolButton*> group;
    TWinControl* parent = Parent();
    if (!parent || !FGrouped || FStyle != tbsCheck) return group;
    // The run of grouped check buttons around this one, in child order.
    int self = -1;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (parent->Controls(i) == this) self = i;
    auto member = [&](int i) {
        auto* b = dynamic_cast<TToolButton*>(parent->Controls(i));
        return b && b->FGrouped && b->FStyle == tbsCheck ? b : nullptr;
    };
    int first = self;
    while (first > 0 && member(first - 1))
        --first;
    for (int i = first; i < parent->ControlCount() && member(i); ++i)
        group.push_back(member(i));
    return group;
}

void TToolButton::SetDown(bool value) {
    if (FDown == value) return;
    FDown = value;
    if (value)
        for (TToolButton* other : Group())
            if (other != this && other->FDown) {
                other->FDown = false;
                other->Invalidate();
            }
    Invalidate();
}

void TToolButton::SetGrouped(bool value) {
    if (FGrouped == value) return;
    FGrouped = value;
    // Joining a group with a button already down keeps only one down.
    if (value && FDown)
        for (TToolButton* other : Group())
            if (other != this && other->FDown) {
                FDown = false;
                break;
            }
    Invalidate();
}

void TToolButton::SetImageIndex(int value) {
    if (value < -1) value = -1;
    if (FImageIndex == value) return;
    FImageIndex = value;
    Rearrange();
}

void TToolButton::SetStyle(TToolButtonStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    if (value != tbsCheck) FDown = false;
    Rearrange();
}

void TToolButton::TextChanged() {
    TGraphicControl::TextChanged();
    Rearrange();
}

bool TToolButton::ShowsCaption() const {
    TToolBar* bar = ToolBar();
    const bool hasImage =
        bar && bar->Images() && FImageIndex >= 0 && FImageIndex < bar->Images()->Count();
    return !Caption().isEmpty() && (!hasImage || (bar && bar->ShowCaptions()));
}

int TToolButton::NeededWidth() const {
    if (FStyle == tbsSeparator || FStyle == tbsDivider) return kSeparatorWidth;
    TToolBar* bar = ToolBar();
    int w = bar ? bar->ButtonWidth() : Width();
    if (ShowsCaption()) {
        const QFontMetrics fm = TFont::Metrics(Font()->Handle());
        QString text = Caption();
        text.remove(u'&');
        w = std::max(w, fm.horizontalAdvance(text) + kCaptionPadding);
    }
    return w;
}

void TToolButton::Click() {
    if (FStyle == tbsCheck) {
        const std::vector<TToolButton*> group = Group();
        // A grouped button that is down stays down unless the group may be all up.
        if (!(FDown && !group.empty() && !FAllowAllUp)) SetDown(!FDown);
    }
    TGraphicControl::Click();
}

// Input -------------------------------------------------------------------------------------

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled() && FStyle != tbsSeparator && FStyle != tbsDivider) {
        FPressed = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y) {
    const bool hot = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (hot != FHot) {
        FHot = hot;
        Invalidate();
    }
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FPressed) {
        FPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TToolButton::MouseEnter() {
    FHot = true;
    Invalidate();
}

void TToolButton::MouseLeave() {
    FHot = false;
    Invalidate();
}

// Painting ------------------------------------------------------------------------------------

void TToolButton::Paint() {
    QPainter* p = Canvas()->Painter();
    QWidget* w = Widget();
    if (!p || !w) return;
    QStyle* style = w->style();
    const QRect r(0, 0, Width(), Height());
    if (FStyle == tbsSeparator || FStyle == tbsDivider) {
        if (FStyle == tbsDivider) {
            QStyleOption opt;
            opt.initFrom(w);
            opt.rect = r;
            opt.state |= QStyle::State_Horizontal;
            style->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &opt, p, w);
        }
        return;
    }
    TToolBar* bar = ToolBar();
    const bool sunken = FDown || (FPressed && FHot);
    const bool flat = bar && bar->Flat();
    if (!flat || sunken || FHot) {
        QStyleOptionButton opt;
        opt.initFrom(w);
        opt.rect = r;
        opt.state &= ~QStyle::State_HasFocus;
        if (!Enabled()) opt.state &= ~QStyle::State_Enabled;
        opt.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (FDown) opt.state |= QStyle::State_On;
        style->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, p, w);
    }
    const int shift = sunken ? 1 : 0;
    const bool caption = ShowsCaption();
    TImageList* images = bar ? bar->Images() : nullptr;
    const bool image = images && FImageIndex >= 0 && FImageIndex < images->Count();
    int contentTop = (Height() - (image ? images->Height() : 0)) / 2;
    const QFontMetrics fm = TFont::Metrics(Font()->Handle());
    if (image && caption) contentTop = (Height() - images->Height() - fm.height()) / 2;
    if (image)
        images->Draw(Canvas(), (Width() - images->Width()) / 2 + shift, contentTop + shift,
                     FImageIndex, Enabled());
    if (caption) {
        QRect textRect = r.translated(shift, shift);
        if (image) textRect.setTop(contentTop + images->Height() + shift);
        p->setFont(Font()->Handle());
        p->setPen(w->palette().color(Enabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText));
        p->drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, Caption());
    }
}

TAccStates TToolButton::AccStates() const {
    TAccStates s;
    if (FStyle == tbsCheck) s.Include(asCheckable);
    if (FDown) s.Include(FStyle == tbsCheck ? asChecked : asPressed);
    return s;
}
