#pragma once
// TModalSession: one modal window running its loop (a form's ShowModal, a message box, the
// folder picker), made before the window is shown and kept until it has closed.
//
// While it lives the window is modal for its owner, the window that was in use when it opened
// (the newest running modal window, else the active window, else the main form): it is
// transient for it and carries the modal state, which is what makes a window manager keep it
// above its owner whatever the user clicks. The program's other shown windows are disabled:
// they take no input and refuse to close. Windows marked with KeepLive (a tray icon) are left
// alone and keep answering. Sessions nest; the newest one's window is the one to bring to the
// front.

#include <QPointer>

#include <vector>

class QWidget;

class TModalSession {
public:
    // window: a top-level widget, not shown yet.
    explicit TModalSession(QWidget* window);
    // Enables what the session disabled and ends the window's modality.
    ~TModalSession();
    TModalSession(const TModalSession&) = delete;
    TModalSession& operator=(const TModalSession&) = delete;

    // The window a modal window opened now belongs to (never except itself); null when no
    // window of the program is shown.
    static QWidget* Owner(const QWidget* except = nullptr);
    // The newest running session's window while it is shown, else null.
    static QWidget* Front();
    // Marks a top-level window that keeps taking input while modal windows run.
    static void KeepLive(QWidget* window);

private:
    struct TDisabled {
        QPointer<QWidget> Window;
        QPointer<QWidget> Focus;
    };
    QPointer<QWidget> FWindow;
    std::vector<TDisabled> FDisabled;
};
