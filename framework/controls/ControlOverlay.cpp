#include "framework/controls/ControlOverlay.h"

#include "framework/controls/Application.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>

class TControlOverlay::TWidget : public QWidget {
public:
    TWidget(TControlOverlay* owner, QWidget* parent) : QWidget(parent), FOwner(owner) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        Application->Guard(FOwner->FControl, [this] {
            TCanvas canvas;
            TCanvasScope scope(&canvas, this);
            for (const TRect& r : FOwner->FMarks)
                FOwner->FPaintMark(&canvas, r);
        });
    }

private:
    TControlOverlay* FOwner;
};

TControlOverlay::TControlOverlay(TWinControl* control, TPaintMark paintMark)
    : FControl(control), FPaintMark(std::move(paintMark)) {}

TControlOverlay::~TControlOverlay() {
    delete FWidget.data();
}

void TControlOverlay::Toggle(const TRect& rect) {
    const auto it = std::find(FMarks.begin(), FMarks.end(), rect);
    if (it != FMarks.end())
        FMarks.erase(it);
    else
        FMarks.push_back(rect);
    Update(rect);
}

void TControlOverlay::Clear() {
    const std::vector<TRect> marks = std::move(FMarks);
    FMarks.clear();
    for (const TRect& r : marks)
        Update(r);
}

void TControlOverlay::Update(const TRect& rect) {
    QWidget* host = FControl->Widget();
    if (!host) return;
    if (!FWidget || FWidget->parentWidget() != host) {
        delete FWidget.data();
        FWidget = new TWidget(this, host);
    }
    if (FMarks.empty()) {
        // Nothing left to draw: the windows beneath repaint the area now.
        FWidget->hide();
        host->repaint(ToQRect(rect));
        return;
    }
    FWidget->setGeometry(host->rect());
    FWidget->raise();
    FWidget->show();
    FWidget->repaint(ToQRect(rect));
}
