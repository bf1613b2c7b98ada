#include "components/std/VQStdCmp.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"

void RegisterVQStdCmpClasses() {
    RegisterClassesOf<TVQCalendar>();
    RegisterClassesOf<TVQBitmapButton>();
    // The rich controls stand on the framework's rich edit; their forms hold page controls.
    RegisterComCtrlsClasses();
    RegisterClassesOf<TVQCustomRichEdit, TVQRichEdit, TVQRichLabel>();
    RegisterClassesOf<TVQWizard, TVQWizardPage, TVQWizardPanel>();
    // A tray icon's description holds its popup menu.
    RegisterClassesOf<TVQTrayIcon, TVQHotKey, TPopupMenu, TMenuItem>();
    RegisterClassesOf<TVQMenuButton, TVQPane, TVQSplitter>();
}
