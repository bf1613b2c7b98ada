// Quickstart: one window of the library's components, read from its form description.
//   quickstart              shows the window until it is closed
//   quickstart shot.png     picks 14 February 2024, saves the window as a picture and ends
#include "QuickstartForm.h"

#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Application.h"
#include "framework/graphics/Graphics.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/system/DateUtils.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Every class a description names must be registered before it is read.
    RegisterGraphicsClasses();
    RegisterControlsClasses();
    RegisterStdCtrlsClasses();
    RegisterComCtrlsClasses();
    RegisterVQGfxCmpClasses();
    RegisterVQStdCmpClasses();
    RegisterClassesOf<TQuickstartFm>();
    InitializeVQGfxCmp();

    TQuickstartFm* form = nullptr;
    Application->CreateForm(&form);
    int status = 0;
    if (argc > 1) {
        form->VQCalendar1->SetDate(EncodeDate(2024, 2, 14)); // fires the OnChange handler
        form->Show();
        QApplication::processEvents();
        const bool saved = form->Widget()->grab().save(QString::fromLocal8Bit(argv[1]));
        std::printf("quickstart: %s, meter at %d of %d, %s\n", saved ? "saved" : "NOT SAVED",
                    form->VQMeter1->Value(), form->VQMeter1->MaxValue(),
                    qPrintable(form->DateLb->Caption()));
        status = saved ? 0 : 1;
    } else {
        form->Show();
        Application->Run();
    }
    delete form;
    FinalizeVQGfxCmp();
    return status;
}
