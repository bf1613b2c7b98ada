#include "framework/controls/Timer.h"

#include "framework/controls/Application.h"

#include <QTimer>
#include <QWidget> // Application.h brings QPointer<QWidget>, which needs the whole class

#include <climits>

VQ_PUBLISH(TTimer) {
    P.Inherit();
    P.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    P.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    P.Event("OnTimer", &TTimer::OnTimer, "TNotifyEvent");
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FTimer(std::make_unique<QTimer>()) {
    FTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(FTimer.get(), &QTimer::timeout, [this] { Tick(); });
    UpdateTimer();
}

TTimer::~TTimer() {
    FTimer->stop();
    FTimer->disconnect();
    // Freed from its own OnTimer: the QTimer is still emitting, so it goes after the emission.
    if (FInTick) FTimer.release()->deleteLater();
}

void TTimer::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (FInterval == value) return;
    FInterval = value;
    UpdateTimer();
}

bool TTimer::Active() const {
    const TComponentState state = ComponentState();
    return FTimer->isActive() && !state.Contains(csDesigning) && !state.Contains(csLoading);
}

void TTimer::Loaded() {
    inherited::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    FTimer->stop();
    if (!FEnabled || FInterval == 0) return;
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) || state.Contains(csLoading)) return;
    // QTimer takes an int; longer intervals than 24 days are clamped rather than wrapped.
    FTimer->start(int(std::min<unsigned>(FInterval, unsigned(INT_MAX))));
}

void TTimer::Timer() {
    Fire(OnTimer, this);
}

void TTimer::Tick() {
    // The designing state can be set after the timer started; such ticks are dropped.
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) || state.Contains(csLoading)) return;
    const TLifeToken alive = LifeToken();
    FInTick = true;
    Application->Guard(this, [this] { Timer(); });
    if (alive) FInTick = false;
}
