#pragma once
// TScreen: the global `Screen`: the primary screen's size, the forms that exist and the active
// one, and the screen-wide cursor (an override of every window's own cursor while it is not
// crDefault).

#include "framework/classes/Component.h"
#include "framework/controls/Control.h"

#include <QCursor>
#include <map>
#include <vector>

class TScreen : public TComponent {
    VQ_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    // Whether the window system lets a program put its top-level windows at a place of its
    // choosing and tells it where they are (an X server does; a Wayland compositor places them
    // itself and never says where). Where it does not, positions set on a form are ignored and
    // the ones read back are the program's own guesses; popups still open at a place relative
    // to their owner window.
    static bool PlacesWindows();
    // The form whose window is active, nullptr when none of ours is.
    TForm* ActiveForm() const;
    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const;
    // Cursor: crDefault; any other value overrides every window's cursor until set back.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The Qt cursor for a cursor value; application cursors can be added with SetCursors.
    QCursor Cursors(TCursor index) const;
    void SetCursors(TCursor index, const QCursor& cursor);

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    std::vector<TForm*> FForms;
    TCursor FCursor = crDefault;
    std::map<TCursor, QCursor> FCursors;
};

extern TScreen* const Screen;
