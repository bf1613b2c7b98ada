#include "components/dialogs/VQGetDir/VQGetDir.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/Label.h"

void InitializeVQGetDir() {
    RegisterClassesOf<TGetDirectoryDialogFm, TLabel>();
}

void FinalizeVQGetDir() {}
