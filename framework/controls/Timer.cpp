#include "framework/controls/Timer.h"

#include <QTimer>
#include <QtGlobal>

#include <climits>

namespace {

// Hands a handler's exception to the application's report; the sender is gone when the handler
// freed it.
void ReportException(TObject* sender) {
    String message;
    try {
        throw;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown exception");
    }
    qWarning("%s: %s", sender ? qPrintable(sender->ClassName()) : "TTimer", qPrintable(message));
}

} // namespace

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
    *FAlive = false;
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
    if (TNotifyEvent handler = OnTimer) handler(this);
}

void TTimer::Tick() {
    // The designing state can be set after the timer started; such ticks are dropped.
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) || state.Contains(csLoading)) return;
    const std::shared_ptr<bool> alive = FAlive;
    FInTick = true;
    try {
        Timer();
    } catch (...) {
        ReportException(*alive ? this : nullptr);
    }
    if (*alive) FInTick = false;
}
