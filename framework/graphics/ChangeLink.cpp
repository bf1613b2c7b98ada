#include "framework/graphics/ChangeLink.h"

#include "framework/graphics/ImageList.h"

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    if (TNotifyEvent handler = OnChange) handler(FSender);
}
