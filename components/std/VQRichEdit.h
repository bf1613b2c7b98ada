#pragma once
// TVQRichEdit: an editable rich-text box; RichText carries its formatted content in form
// descriptions.

#include "components/std/VQCustomRichEdit.h"

class TVQRichEdit : public TVQCustomRichEdit {
    VQ_CLASS(TVQRichEdit, TVQCustomRichEdit)
public:
    explicit TVQRichEdit(TComponent* AOwner) : TVQCustomRichEdit(AOwner) {}
};
