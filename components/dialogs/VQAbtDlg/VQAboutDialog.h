#pragma once
// TVQAboutDialog: a non-visual component that shows a modal about box. Each Execute builds a
// fresh TVQAboutDialogFm from its description, fills it from the texts below (empty texts fall
// back to the application's title or a default notice), adds the machine's physical memory and
// free system resources, shows it modally and frees it, also when filling fails.

#include "components/gfx/VQTypes.h"
#include "framework/classes/Component.h"
#include "framework/controls/Control.h"

class TVQAboutDialogFm;

class TVQAboutDialog : public TComponent {
    VQ_CLASS(TVQAboutDialog, TComponent)
public:
    explicit TVQAboutDialog(TComponent* AOwner);
    ~TVQAboutDialog() override;

    // Every text is empty at first and stored when not empty.
    // Caption: the window caption; empty: "About " and the application's title.
    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    // Copyright: empty shows DefaultCopyright.
    String Copyright() const { return FCopyright; }
    void SetCopyright(const String& value) { FCopyright = value; }
    // CustomButton: the extra button's caption; the button shows only when this is not empty.
    String CustomButton() const { return FCustomButton; }
    void SetCustomButton(const String& value) { FCustomButton = value; }
    // Description: shown as it is (line breaks kept, the label wraps).
    String Description() const { return FDescription; }
    void SetDescription(const String& value) { FDescription = value; }
    // Product: empty shows the application's title.
    String Product() const { return FProduct; }
    void SetProduct(const String& value) { FProduct = value; }
    // Serial: shown as it is.
    String Serial() const { return FSerial; }
    void SetSerial(const String& value) { FSerial = value; }

    // Builds, fills and shows the box; returns when the user closed it.
    void Execute();
    // The box while Execute runs (nullptr otherwise), for tests and handlers.
    TVQAboutDialogFm* Form() const { return FForm; }

    static const char16_t* const DefaultCopyright;

    TNotifyEvent OnCustomClick;  // the extra button; sender: the button
    TNotifyEvent OnIconDblClick; // a double click on the icon; sender: the image

private:
    String FCaption, FCopyright, FCustomButton, FDescription, FProduct, FSerial;
    TVQAboutType FAbout = 0;
    TVQAboutDialogFm* FForm = nullptr;
};
