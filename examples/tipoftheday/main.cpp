// Tip of the day: the library's tip dialog, built with pkg-config and a plain Makefile. The
// dialog's window comes from the description compiled into the VQTipDlg unit.
//   tipoftheday              shows the tips until the box is closed
//   tipoftheday shot.png     saves the box as a picture, closes it and ends
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/classes/StringList.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Application.h"
#include "framework/graphics/Graphics.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The classes the dialog's description names.
    RegisterGraphicsClasses();
    RegisterControlsClasses();
    RegisterStdCtrlsClasses();
    RegisterComCtrlsClasses();
    RegisterVQGfxCmpClasses();
    RegisterVQStdCmpClasses();
    RegisterVQTipDlgClasses();
    InitializeVQGfxCmp();
    Application->SetTitle(QStringLiteral("Tip of the Day"));

    auto* tips = new TVQTipDialog(Application);
    // The tip label does not wrap: a long tip breaks its own lines.
    tips->Tips()->Add(QStringLiteral("A form description is a text that\nnames a window's "
                                     "components\nand their properties."));
    tips->Tips()->Add(QStringLiteral("A property left at its default is\nnot written into a "
                                     "description."));
    tips->Tips()->Add(QStringLiteral("pkg-config --cflags --libs vqcontrols\ngives a Makefile "
                                     "what it needs."));

    int status = 0;
    if (argc > 1) {
        // Runs inside the box's modal loop, once the box is shown.
        QTimer::singleShot(0, [&] {
            Application->Guard(tips, [&] {
                TForm* box = tips->Form();
                const bool saved =
                    box && box->Widget()->grab().save(QString::fromLocal8Bit(argv[1]));
                std::printf("tipoftheday: %s, tip %d of %d shown\n", saved ? "saved" : "NOT SAVED",
                            tips->LastTip() + 1, tips->Tips()->Count());
                status = saved ? 0 : 1;
                if (box) box->Close();
            });
        });
    }
    tips->Execute();
    delete tips;
    FinalizeVQGfxCmp();
    return status;
}
