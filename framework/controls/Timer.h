#pragma once
// TTimer: a non-visual component that fires OnTimer every Interval milliseconds on the
// user-interface thread. It never ticks while it is being designed or loaded; a form
// description that enables it starts it when loading ends.

#include "framework/classes/Component.h"

#include <functional>
#include <memory>

class QTimer;

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TTimer : public TComponent {
    VQ_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    // Enabled: default True; False stops the ticks, True restarts the interval from now.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Interval: milliseconds between ticks, default 1000; 0 stops the ticks. A change while
    // running restarts the interval from now.
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);

    // OnTimer: fires once per elapsed interval while enabled; an exception it raises goes to
    // the application's exception report and the timer keeps running.
    TNotifyEvent OnTimer;

    // Whether ticks are currently scheduled (enabled, interval > 0, not designing or loading).
    bool Active() const;

    void Loaded() override;

protected:
    // Called once per tick; fires OnTimer when assigned.
    virtual void Timer();

private:
    void UpdateTimer();
    void Tick();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    std::unique_ptr<QTimer> FTimer;
    bool FInTick = false;
};
