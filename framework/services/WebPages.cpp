#include "framework/services/WebPages.h"

#include "framework/controls/Application.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace {
int JudgeTime = 3000;

// One launch: the process, the judging timer and the caller's callback, answered once.
struct TLaunch {
    TLifeToken Context;
    bool HasContext = false;
    TWebPageDone Done;
    bool Answered = false;

    void Answer(bool opened) {
        if (Answered) return;
        Answered = true;
        if (!Done || (HasContext && !Context.Alive())) return;
        auto done = std::move(Done);
        Application->Guard(nullptr, [&] { done(opened); });
    }
};
} // namespace

int SetWebPageJudgeTime(int Milliseconds) {
    int previous = JudgeTime;
    JudgeTime = Milliseconds;
    return previous;
}

void OpenWebPage(const String& Url, TComponent* Context, TWebPageDone Done) {
    auto launch = std::make_shared<TLaunch>();
    if (Context) {
        launch->Context = Context->LifeToken();
        launch->HasContext = true;
    }
    launch->Done = std::move(Done);

    // Parented to the application: a launcher still running at exit goes with it, while the
    // browser it started (its child) lives on.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({Url});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    auto* timer = new QTimer(process);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, process, [launch] { launch->Answer(true); });
    QObject::connect(process, &QProcess::finished, process,
                     [launch, process](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         launch->Answer(status == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [launch, process](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         process->deleteLater();
                         launch->Answer(false);
                     });
    // Started from the event loop, so even a launcher missing from PATH answers after this
    // call has returned.
    QTimer::singleShot(0, process, [process, timer] {
        timer->start(JudgeTime);
        process->start();
    });
}
