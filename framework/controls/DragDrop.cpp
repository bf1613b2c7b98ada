#include "framework/controls/DragDrop.h"

#include "framework/controls/Application.h"
#include "framework/controls/Control.h"
#include "framework/controls/Screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

QPoint LastControlMousePos;

// The session is driven by the source's mouse input (the source holds the mouse while it
// lasts) and by Escape anywhere in the application.
class TDragSession : public QObject {
public:
    static inline TDragSession* Current = nullptr;

    TDragSession(TControl* source, QPoint start, int threshold)
        : FSource(source), FSourceAlive(source->LifeToken()), FStart(start), FThreshold(threshold) {
        Current = this;
        if (QWidget* w = source->Widget()) {
            FGrabbed = w;
            w->grabMouse();
        }
    }

    ~TDragSession() override {
        if (Current == this) Current = nullptr;
        if (FStarted) {
            qApp->removeEventFilter(this);
            QApplication::restoreOverrideCursor();
        }
        if (FGrabbed) FGrabbed->releaseMouse();
    }

    TControl* Source() const { return FSource; }
    bool Started() const { return FStarted; }

    // The threshold is passed (or there is none): the drag proper begins, at the given point.
    void Start(QPoint at) {
        FStarted = true;
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(QCursor(CursorShape(crNoDrop)));
        TObject* object = nullptr;
        try {
            FSource->DoStartDrag(object);
        } catch (...) {
            // A drag whose start failed does not go on.
            if (Current == this) delete this;
            throw;
        }
        if (Current != this) return;
        FObject = object;
        MoveTo(at);
    }

    void MoveTo(QPoint global) {
        FPos = global;
        if (!FStarted) {
            const QPoint d = global - FStart;
            if (std::abs(d.x()) > FThreshold || std::abs(d.y()) > FThreshold) Start(global);
            return;
        }
        TControl* target = TargetAt(global, FSourceAlive ? FSource : nullptr);
        if (target != Target()) {
            Leave();
            if (Current != this) return;
            FTarget = target;
            FTargetAlive = target ? target->LifeToken() : TLifeToken();
            if (target) Over(dsDragEnter);
        } else if (target) {
            Over(dsDragMove);
        }
        if (Current != this) return;
        const TCursor cursor = FAccepted && FSourceAlive ? FSource->DragCursor() : crNoDrop;
        QApplication::changeOverrideCursor(QCursor(CursorShape(cursor)));
    }

    // Ends the session, then tells the target and the source; nothing is told when the drag
    // never passed its threshold.
    static void Finish(bool drop) {
        TDragSession* s = Current;
        if (!s) return;
        const bool started = s->FStarted;
        TControl* source = s->FSourceAlive ? s->FSource : nullptr;
        TControl* target = s->Target();
        const TLifeToken sourceAlive = s->FSourceAlive;
        const TLifeToken targetAlive = s->FTargetAlive;
        TObject* object = s->SourceObject();
        const bool dropped = drop && target && s->FAccepted;
        const TPoint at = target ? ClientPoint(target, s->FPos) : TPoint{};
        delete s;
        if (!started) return;
        if (dropped) {
            target->DragDrop(object, at.X, at.Y);
        } else if (target) {
            bool ignored = false;
            target->DragOver(object, at.X, at.Y, dsDragLeave, ignored);
        }
        if (source && sourceAlive) {
            const bool took = dropped && targetAlive;
            source->DoEndDrag(took ? target : nullptr, took ? at.X : 0, took ? at.Y : 0);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        Application->Guard(nullptr, [] { Finish(false); });
        return true;
    }

private:
    TControl* Target() const { return FTargetAlive ? FTarget : nullptr; }
    TObject* SourceObject() const { return FObject ? FObject : FSource; }

    static TPoint ClientPoint(TControl* control, QPoint global) {
        QWidget* w = control->Widget();
        const QPoint local = w ? w->mapFromGlobal(global) : QPoint();
        const TPoint off = control->WidgetClientOffset();
        return TPoint{local.x() - off.X, local.y() - off.Y};
    }

    // The enabled control under the mouse. Where the compositor keeps window positions to
    // itself, screen points say nothing about which window is under the pointer, and the
    // pointer stays with the pressed window anyway: only the source's window is searched.
    static TControl* TargetAt(QPoint global, TControl* source) {
        QWidget* under = nullptr;
        if (TScreen::PlacesWindows()) {
            under = QApplication::widgetAt(global);
        } else if (source && source->Widget()) {
            QWidget* top = source->Widget()->window();
            const QPoint local = top->mapFromGlobal(global);
            if (top->rect().contains(local))
                under = top->childAt(local) ? top->childAt(local) : top;
        }
        TControl* c = TControl::ControlOfWidget(under);
        while (c && !c->Enabled())
            c = c->Parent();
        return c;
    }

    void Over(TDragState state) {
        TControl* target = Target();
        const TPoint at = ClientPoint(target, FPos);
        bool accept = static_cast<bool>(target->OnDragOver);
        target->DragOver(SourceObject(), at.X, at.Y, state, accept);
        FAccepted = accept;
    }

    void Leave() {
        TControl* target = Target();
        FAccepted = false;
        if (!target) return;
        const TPoint at = ClientPoint(target, FPos);
        bool ignored = false;
        target->DragOver(SourceObject(), at.X, at.Y, dsDragLeave, ignored);
    }

    TControl* FSource;
    TLifeToken FSourceAlive;
    TObject* FObject = nullptr;
    QPoint FStart;
    QPoint FPos;
    int FThreshold;
    bool FStarted = false;
    bool FAccepted = false;
    TControl* FTarget = nullptr;
    TLifeToken FTargetAlive;
    QPointer<QWidget> FGrabbed;
};

void TControl::BeginDrag(bool Immediate, int Threshold) {
    if (TDragSession::Current) return;
    auto* session = new TDragSession(this, LastControlMousePos, Threshold < 0 ? 5 : Threshold);
    if (Immediate) session->Start(LastControlMousePos);
}

void TControl::EndDrag(bool Drop) {
    if (TDragSession::Current && TDragSession::Current->Source() == this)
        TDragSession::Finish(Drop);
}

bool TControl::Dragging() const {
    return TDragSession::Current && TDragSession::Current->Source() == this &&
           TDragSession::Current->Started();
}

bool TControl::DragMouse(QMouseEvent* event) {
    TDragSession* s = TDragSession::Current;
    if (!s || s->Source() != this) return false;
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove: {
        const bool before = s->Started();
        s->MoveTo(global);
        return before || (TDragSession::Current == s && s->Started());
    }
    case QEvent::MouseButtonRelease:
        if (!s->Started()) {
            // Released before the threshold: an ordinary click.
            delete s;
            return false;
        }
        s->MoveTo(global);
        TDragSession::Finish(true);
        return true;
    default:
        // Another button during a drag cancels it.
        if (!s->Started()) return false;
        TDragSession::Finish(false);
        return true;
    }
}

void TControl::AbandonDrag() {
    // A source that goes away ends its drag without telling anyone.
    if (TDragSession::Current && TDragSession::Current->Source() == this)
        delete TDragSession::Current;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Fire(OnDragOver, this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    Fire(OnDragDrop, this, Source, X, Y);
}

void TControl::DoStartDrag(TObject*& DragObject) {
    Fire(OnStartDrag, this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    Fire(OnEndDrag, this, Target, X, Y);
}
