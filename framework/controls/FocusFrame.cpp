#include "framework/controls/FocusFrame.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
// The application's style, with the frame of a focused scroll area in the highlight colour.
class TFocusFrameStyle : public QProxyStyle {
public:
    explicit TFocusFrameStyle(const QString& base) : QProxyStyle(base) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_ShapedFrame || !(option->state & State_HasFocus) || !widget ||
            !widget->hasFocus())
            return;
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame || frame->frameShape == QFrame::NoFrame) return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    // One for every scroll area, on the application's style; it goes with the application.
    static QStyle* Instance() {
        static QPointer<TFocusFrameStyle> style;
        if (!style) {
            style = new TFocusFrameStyle(QApplication::style()->name());
            style->setParent(qApp);
        }
        return style;
    }
};
} // namespace

void ShowFocusFrame(QWidget* widget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    // A widget with a style of its own keeps it.
    if (!area || area->style() != QApplication::style()) return;
    area->setStyle(TFocusFrameStyle::Instance());
}

void ShowFocusCues(QWidget* window) {
    if (window) window->setAttribute(Qt::WA_KeyboardFocusChange);
}
