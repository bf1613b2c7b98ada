#include "framework/graphics/ChangeLink.h"

#include "framework/classes/Component.h"
#include "framework/graphics/ImageList.h"

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    Fire(OnChange, FSender);
}
