#pragma once
// TRichEdit: the rich edit with all its properties published (the "Rich text editor" form's
// edit). Lines is stored as the plain paragraphs; formatted content comes from code.

#include "framework/comctrls/CustomRichEdit.h"

class TRichEdit : public TCustomRichEdit {
    VQ_CLASS(TRichEdit, TCustomRichEdit)
public:
    explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
};
