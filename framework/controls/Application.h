#pragma once
// TApplication: the global `Application`. It creates the program's forms in order (the first
// is the main form), runs the event loop until the main form closes, and is where every
// exception caught at an entry from Qt ends up: HandleException shows its message (or hands it
// to OnException) and the program goes on.

#include "framework/classes/Component.h"
#include "framework/controls/Form.h"

#include <exception>
#include <memory>

class TIcon;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using THelpEvent = std::function<bool(int Command, int Data, bool& CallHelp)>;

// The help call with a context number; true when the topic was shown.
using THelpHandler = std::function<bool(int Context)>;

class TApplication : public TComponent {
    VQ_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Title: the program's name; also the caption of exception reports. It is the name the
    // desktop shows for the program (window lists, docks, the application switcher) and the
    // icon name of the main form's window, whose caption stays its own.
    String Title() const { return FTitle; }
    void SetTitle(const String& value);
    // Icon: empty at first; the program's icon (about boxes show it). Setting copies it and
    // makes it the icon of windows without their own.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(const TIcon* value);
    // HelpFile: the help file HelpContext shows topics of (see framework/controls/HelpViewer.h);
    // empty at first.
    String HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& value) { FHelpFile = value; }
    // The first form made by CreateForm; closing it ends Run.
    TForm* MainForm() const { return FMainForm; }
    // ShowMainForm: true; whether Run shows the main form.
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    bool Terminated() const { return FTerminated; }

    // Constructs T owned by the application, stores it in *reference first (handlers running
    // while it is read can use it), reads its description and fires OnCreate.
    template <class T> void CreateForm(T** reference) {
        T* form = new T(this);
        if (reference) *reference = form;
        try {
            form->ReadFromResource();
        } catch (...) {
            if (reference) *reference = nullptr;
            delete form;
            throw;
        }
        if (!FMainForm) FMainForm = form;
    }
    // Makes an existing form the main form (when none is set yet).
    void SetMainForm(TForm* form);

    // Shows the main form and runs the event loop until Terminate (the main form closing).
    void Run();
    // Handles the events waiting now and returns.
    void ProcessMessages();
    // The same but for the user's input (keys, mouse, touch), which stays queued for the next
    // pass that takes input: for work between showing a window and being ready for its use.
    void ProcessMessagesExceptInput();
    // Ends Run (and every nested loop) once the current event has been handled.
    void Terminate();
    // Brings the program to the front: the newest running modal window, on top of the windows
    // it belongs to, else the active (or main) form.
    void BringToFront();

    // The current exception (call from a catch block): EAbort is silent; OnException takes
    // the report when assigned, else ShowException. Never throws.
    void HandleException(TObject* Sender);
    // Shows the message of E in a message box (or passes it to the report hook).
    void ShowException(const Exception& E);
    // Tests capture exception reports here instead of a modal message box.
    using TReportHook = std::function<void(const String& Message)>;
    static void SetExceptionReportHook(TReportHook hook);

    // Shows the help topic for a context number: through the help handler when one is
    // installed, else in the help window on HelpFile (a missing file or topic is reported in a
    // message box). True when the topic was shown.
    bool HelpContext(int Context);
    static void SetHelpHandler(THelpHandler handler);

    // The guard at every entry from Qt (event filters, signal lambdas): runs f; an exception
    // it raises goes to HandleException(sender), which names no sender when f freed a
    // component sender. True when f completed.
    template <class F> bool Guard(TObject* sender, F&& f) {
        const auto* component = dynamic_cast<const TComponent*>(sender);
        const TLifeToken alive = component ? component->LifeToken() : TLifeToken();
        try {
            f();
            return true;
        } catch (...) {
            HandleException(!component || alive ? sender : nullptr);
            return false;
        }
    }

    TExceptionEvent OnException; // an exception reached the application; replaces the report
    TNotifyEvent OnActivate;     // the program's windows became active
    TNotifyEvent OnDeactivate;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ShowTitleToDesktop();

    String FTitle;
    String FHelpFile;
    std::unique_ptr<TIcon> FIcon;
    TForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FHandling = false;
};

// The program's application object; made on first use, lives for the whole process.
extern TApplication* const Application;

// Registers the control layer's classes with the class registry.
void RegisterControlsClasses();
