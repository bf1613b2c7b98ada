#pragma once
// TVQRichLabel: a read-only, borderless rich-text label that sizes itself to its content.
// It is disabled for input: it never takes the focus, shows no caret or selection and fires no
// click events, yet paints its text as it is.

#include "components/std/VQCustomRichEdit.h"

class TVQRichLabel : public TVQCustomRichEdit {
    VQ_CLASS(TVQRichLabel, TVQCustomRichEdit)
public:
    explicit TVQRichLabel(TComponent* AOwner);

    // AutoSize: true; the label takes the height its content needs after every move, resize
    // and content change. Switching it on resizes at once; switching it off keeps the size.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

protected:
    // Static text: the plain text of the rich text.
    TAccRole AccRole() const override { return arStaticText; }
    String AccName() const override { return DocumentText(); }
    // The handler OnResizeRequest starts with: applies the requested bounds (one size change,
    // which requests no further resize). Assigning OnResizeRequest replaces it.
    virtual void ResizeRequest(const TRect& R);
    void WindowPosChanged() override;
    // Without a window the label's own sizing waits until its bounds are read or its window
    // is made: a label on a page not shown yet costs no text layout at start.
    void RequestContentSize() override;
    void SettlePendingSize() override;

private:
    // OnResizeRequest's starting handler, recognisable so that a replaced one is not deferred.
    struct TAutoSizer {
        TVQRichLabel* Label;
        void operator()(TObject*, const TRect& R) const { Label->ResizeRequest(R); }
    };
    bool FAutoSize = true;
};
