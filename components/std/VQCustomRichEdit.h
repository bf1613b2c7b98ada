#pragma once
// TVQCustomRichEdit: the rich edit with its whole formatted content as one property, RichText,
// an RTF document as bytes (each byte one character of the string). Form descriptions store the
// content this way. The formatting rectangle always covers the whole window.

#include "framework/comctrls/CustomRichEdit.h"

class TVQCustomRichEdit : public TCustomRichEdit {
    VQ_CLASS(TVQCustomRichEdit, TCustomRichEdit)
public:
    explicit TVQCustomRichEdit(TComponent* AOwner);

    // RichText: the content as RTF, as the control streams it out (a NUL after the final
    // "}\r\n" included); the empty string when that fails. No default: always stored.
    String RichText() const;
    // Replaces the content by the RTF bytes (text the RTF reader rejects shows as plain text);
    // when even that fails the control ends empty. Never raises.
    void SetRichText(const String& value);

protected:
    // Formatting rectangle = (0, 0, Width, Height): no margin, not reduced by a border.
    void WindowPosChanged() override;
};
