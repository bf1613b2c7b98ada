#include "components/std/VQStdCmp.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/ComCtrls.h"

void RegisterVQStdCmpClasses() {
    RegisterClassesOf<TVQCalendar>();
    // The rich controls stand on the framework's rich edit; their forms hold page controls.
    RegisterComCtrlsClasses();
    RegisterClassesOf<TVQCustomRichEdit, TVQRichEdit, TVQRichLabel>();
    RegisterClassesOf<TVQMenuButton, TVQPane, TVQSplitter>();
}
