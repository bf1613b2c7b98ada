#pragma once
// Unit VQGetDir: the directory dialog form. Its start-up work registers the form's class and
// the label class, so descriptions naming them can be read and the form made by class name.

#include "components/dialogs/VQGetDir/GetDirectoryDialogFm.h"

void InitializeVQGetDir();
void FinalizeVQGetDir();
