#include "framework/controls/Application.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/HelpViewer.h"
#include "framework/controls/ModalSession.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/Icon.h"
#include "framework/system/ScopedChange.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace {
TApplication::TReportHook& ReportHook() {
    static TApplication::TReportHook hook;
    return hook;
}
THelpHandler& HelpHandler() {
    static THelpHandler handler;
    return handler;
}
} // namespace

TApplication* const Application = new TApplication(nullptr);

VQ_PUBLISH(TApplication) {
    P.Inherit();
}

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FIcon(std::make_unique<TIcon>()) {}

TApplication::~TApplication() = default;

void TApplication::SetTitle(const String& value) {
    if (FTitle == value) return;
    FTitle = value;
    ShowTitleToDesktop();
}

void TApplication::ShowTitleToDesktop() {
    if (!qApp) return;
    // The title becomes the application name, which Qt's applicationDisplayName falls back to
    // and its X11 plugin writes as the class of WM_CLASS, the name a panel shows for a program
    // it has no desktop entry for. setApplicationDisplayName is not called: Qt 6.4 would then
    // append a dash and that name to every window's _NET_WM_NAME, the caption shown.
    QCoreApplication::setApplicationName(FTitle);
    // The desktop entry is looked up by the instance part of WM_CLASS, which Qt takes from
    // RESOURCE_NAME or else the program's file name.
    if (QGuiApplication::desktopFileName().isEmpty()) {
        QString instance = qEnvironmentVariable("RESOURCE_NAME");
        if (instance.isEmpty() && !QCoreApplication::arguments().isEmpty())
            instance = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
        QGuiApplication::setDesktopFileName(instance);
    }
    // The main form's window takes the title as its icon name (TForm::CreateWnd for a window
    // made later).
    if (FMainForm && FMainForm->Widget()) FMainForm->Widget()->setWindowIconText(FTitle);
}

void TApplication::SetIcon(const TIcon* value) {
    FIcon->Assign(value);
    if (qApp) QApplication::setWindowIcon(FIcon->Handle());
}

void TApplication::SetMainForm(TForm* form) {
    if (FMainForm || !form) return;
    FMainForm = form;
    // A main form the application does not own still tells it when it goes.
    form->FreeNotification(this);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm) FMainForm = nullptr;
}

void TApplication::Run() {
    if (FTerminated) return;
    // Hidden forms are not the end of the program; only the main form's closing is.
    QApplication::setQuitOnLastWindowClosed(false);
    if (FMainForm && FShowMainForm) Guard(FMainForm, [this] { FMainForm->Show(); });
    while (!FTerminated) {
        QApplication::exec();
        if (!FMainForm) break;
    }
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ProcessMessagesExceptInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TApplication::Terminate() {
    FTerminated = true;
    // Ends the main loop and every nested one (modal forms notice Terminated).
    QCoreApplication::exit(0);
}

void TApplication::BringToFront() {
    // While a modal window runs (a form, a message box, a dialog) it is the one to bring up,
    // on top of the windows it belongs to: they take no input.
    QWidget* modal = TModalSession::Front();
    if (!modal) modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) modal->raise();
        modal->activateWindow();
        return;
    }
    TForm* form = Screen->ActiveForm();
    if (!form) form = FMainForm;
    if (form) form->BringToFront();
}

void TApplication::HandleException(TObject* Sender) {
    const std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
        return;
    } catch (const Exception& e) {
        Exception copy(e.Message());
        try {
            if (OnException && !FHandling) {
                TScopedChange handling(FHandling, true);
                Fire(OnException, Sender, e);
            } else {
                ShowException(e);
            }
        } catch (...) {
            // The report itself failed: nothing sensible is left to report it to.
        }
    } catch (const std::exception& e) {
        const Exception wrapped(QString::fromUtf8(e.what()));
        try {
            if (OnException && !FHandling) {
                TScopedChange handling(FHandling, true);
                Fire(OnException, Sender, wrapped);
            } else {
                ShowException(wrapped);
            }
        } catch (...) {
        }
    } catch (...) {
        try {
            ShowException(Exception(QStringLiteral("Unknown exception")));
        } catch (...) {
        }
    }
}

void TApplication::ShowException(const Exception& E) {
    String message = E.Message();
    // The report reads as a sentence.
    if (!message.isEmpty() && message.back() > u'.') message += u'.';
    if (ReportHook()) {
        auto hook = ReportHook();
        hook(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical,
                    FTitle.isEmpty() ? QCoreApplication::applicationName() : FTitle, message,
                    QMessageBox::Ok);
    TModalSession session(&box);
    box.exec();
}

void TApplication::SetExceptionReportHook(TReportHook hook) {
    ReportHook() = std::move(hook);
}

bool TApplication::HelpContext(int Context) {
    if (!HelpHandler()) return THelpViewer::ShowTopic(FHelpFile, Context);
    auto handler = HelpHandler();
    return handler(Context);
}

void TApplication::SetHelpHandler(THelpHandler handler) {
    HelpHandler() = std::move(handler);
}

void RegisterControlsClasses() {
    RegisterClassesOf<TControl, TWinControl, TGraphicControl, TCustomControl, TForm>();
}
