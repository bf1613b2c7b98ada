#include "framework/stdctrls/StdCtrls.h"

#include "framework/classes/ClassRegistry.h"

void RegisterStdCtrlsClasses() {
    RegisterClassesOf<TLabel, TButton, TCheckBox, TRadioButton, TEdit, TPanel, TComboBox,
                      TSpeedButton, TBitBtn>();
    RegisterClassesOf<TDriveComboBox, TDirectoryListBox, TFileListBox>();
}
