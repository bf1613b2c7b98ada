#include "app/MakerSite.h"

#include "framework/controls/Dialogs.h"
#include "framework/services/WebPages.h"

const char* const BrowserFailedText = "Unable to start web browser. Make sure you have "
                                      "properly\rsetup Internet access on your system.";

String MakerPage(const char* Path) {
    return QStringLiteral("https://www.example.com") + QString::fromLatin1(Path);
}

void OpenMakerPage(TComponent* Context, const char* Path) {
    OpenWebPage(MakerPage(Path), Context, [](bool opened) {
        if (!opened)
            MessageDlg(QString::fromLatin1(BrowserFailedText), mtError, TMsgDlgButtons{mbOK}, 0);
    });
}
