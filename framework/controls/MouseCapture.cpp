#include "framework/controls/MouseCapture.h"

#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

class TMouseCapture::TWatch : public QObject {
public:
    TWatch(TMouseCapture* owner, TControl* control)
        : FOwner(owner), FControl(control), FWidget(control->Widget()) {
        qApp->installEventFilter(this);
        if (FWidget) FWidget->grabMouse();
    }

    ~TWatch() override {
        qApp->removeEventFilter(this);
        if (FWidget && QWidget::mouseGrabber() == FWidget) FWidget->releaseMouse();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        bool consume = false;
        if (!Loses(object, event, consume)) return false;
        // The owner forgets this watch first, so OnLost may start a new capture at once.
        TMouseCapture* owner = FOwner;
        std::unique_ptr<TWatch> self = std::move(owner->FWatch);
        const auto onLost = owner->OnLost;
        TControl* control = FControl;
        self.reset();
        if (onLost) Application->Guard(control, [&] { onLost(); });
        return consume;
    }

private:
    bool Loses(QObject* object, QEvent* event, bool& consume) const {
        switch (event->type()) {
        case QEvent::KeyPress:
            consume = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
            return consume;
        case QEvent::WindowDeactivate:
            return FWidget && object == FWidget->window();
        case QEvent::Hide:
            return FWidget && object->isWidgetType() &&
                   (object == FWidget || static_cast<QWidget*>(object)->isAncestorOf(FWidget));
        case QEvent::MouseMove:
            return object == FWidget &&
                   !(static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton);
        default:
            return !FWidget; // the window went away
        }
    }

    TMouseCapture* FOwner;
    TControl* FControl;
    QPointer<QWidget> FWidget;
};

TMouseCapture::TMouseCapture() = default;

TMouseCapture::~TMouseCapture() = default;

void TMouseCapture::Start(TControl* control) {
    FWatch.reset();
    FWatch = std::make_unique<TWatch>(this, control);
}

void TMouseCapture::Release() {
    FWatch.reset();
}

bool TMouseCapture::Held() const {
    return FWatch != nullptr;
}

void ShowControlCursor(TControl* control, TCursor cursor) {
    QWidget* w = control ? control->Widget() : nullptr;
    if (!w) return;
    if (cursor == crDefault) cursor = control->Cursor();
    if (cursor == crDefault)
        w->unsetCursor();
    else
        w->setCursor(Screen->Cursors(cursor));
}
