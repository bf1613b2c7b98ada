#include "framework/controls/PopupMenu.h"

#include "framework/controls/Control.h"
#include "framework/controls/Screen.h"
#include "framework/controls/WinControl.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <memory>

VQ_PUBLISH(TPopupMenu) {
    P.Inherit();
    P.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    P.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    P.Event("OnPopup", &TPopupMenu::OnPopup, "TNotifyEvent");
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* value) {
    if (FPopupComponent == value) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = value;
    if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

namespace {

// Keeps a press on the excluded rectangle that closes the menu from reaching the window beneath.
class TNoReplayFilter : public QObject {
public:
    TNoReplayFilter(QMenu* menu, const TRect& exclude) : FMenu(menu), FExclude(ToQRect(exclude)) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            const QPoint g = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (!FMenu->geometry().contains(g) && FExclude.contains(g))
                FMenu->setAttribute(Qt::WA_NoMouseReplay);
        }
        return false;
    }

private:
    QMenu* FMenu;
    QRect FExclude;
};

// The window a menu belongs to: the popped-up control's, else the active one.
QWidget* OwnerWindow(TComponent* component) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    for (auto* c = dynamic_cast<TControl*>(component); c; c = c->Parent())
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated())
            return w->Widget()->window();
    return QApplication::activeWindow();
}

} // namespace

void TPopupMenu::Popup(int X, int Y) {
    DoPopup(X, Y, nullptr);
}

void TPopupMenu::PopupBeside(int X, int Y, const TRect& Exclude) {
    DoPopup(X, Y, &Exclude);
}

void TPopupMenu::DoPopup(int X, int Y, const TRect* exclude) {
    if (FPoppedUp) return;
    const TLifeToken alive = LifeToken();
    if (!Fire(OnPopup, this)) return;

    QMenu menu;
    TMenuItem* chosen = nullptr;
    TLifeToken chosenAlive;
    Items()->FillQMenu(&menu, [&](TMenuItem* item) {
        chosen = item;
        chosenAlive = item->LifeToken();
    });
    if (menu.actions().isEmpty()) return;

    QPoint at(X, Y);
    const int width = menu.sizeHint().width();
    if (FAlignment == paRight)
        at.rx() -= width;
    else if (FAlignment == paCenter)
        at.rx() -= width / 2;

    const bool placed = TScreen::PlacesWindows();
    if (!placed) {
        // A compositor places a popup relative to the window it belongs to, and to no other.
        if (QWidget* owner = OwnerWindow(FPopupComponent)) {
            menu.winId();
            menu.windowHandle()->setTransientParent(owner->windowHandle());
        }
    }
    std::unique_ptr<TNoReplayFilter> noReplay;
    if (exclude) {
        noReplay = std::make_unique<TNoReplayFilter>(&menu, *exclude);
        const QScreen* screen = QGuiApplication::screenAt(at);
        if (!screen) screen = QGuiApplication::primaryScreen();
        const int height = menu.sizeHint().height();
        // Below the rectangle, or above it at the screen's foot where the program knows where
        // its windows are; elsewhere the compositor keeps the menu on the screen.
        if (placed && screen && at.y() + height > screen->availableGeometry().bottom() + 1)
            at.setY(exclude->Top - height);
    }

    FPoppedUp = true;
    menu.exec(at);
    // A handler run by the nested loop (a timer, a closing form) may have freed the menu.
    if (!alive) return;
    FPoppedUp = false;
    if (chosen && chosenAlive) chosen->Click();
}
