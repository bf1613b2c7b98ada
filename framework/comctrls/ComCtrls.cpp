#include "framework/comctrls/ComCtrls.h"

#include "framework/classes/ClassRegistry.h"

void RegisterComCtrlsClasses() {
    RegisterClassesOf<TPageControl, TTabSheet, TToolBar, TToolButton, TRichEdit, TMemo, TUpDown>();
    RegisterClassesOf<TTreeView, TListView>();
}
