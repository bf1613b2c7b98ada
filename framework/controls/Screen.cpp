#include "framework/controls/Screen.h"

#include "framework/controls/Form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

TScreen* const Screen = new TScreen(nullptr);

VQ_PUBLISH(TScreen) {
    P.Inherit();
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

int TScreen::Width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

bool TScreen::PlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

TForm* TScreen::ActiveForm() const {
    const QWidget* active = QApplication::activeWindow();
    if (!active) return nullptr;
    for (TForm* f : FForms)
        if (f->Widget() == active) return f;
    return nullptr;
}

TForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= int(FForms.size()))
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FForms[size_t(index)];
}

void TScreen::SetCursor(TCursor value) {
    if (FCursor == value) return;
    if (FCursor != crDefault) QApplication::restoreOverrideCursor();
    FCursor = value;
    if (value != crDefault) QApplication::setOverrideCursor(Cursors(value));
}

QCursor TScreen::Cursors(TCursor index) const {
    auto it = FCursors.find(index);
    if (it != FCursors.end()) return it->second;
    return QCursor(CursorShape(index));
}

void TScreen::SetCursors(TCursor index, const QCursor& cursor) {
    FCursors[index] = cursor;
}

void TScreen::AddForm(TForm* form) {
    FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}
