#pragma once
// TChangeLink: a listener registered with an image list; the list calls Change after every
// change of its images or size. Destroying either side unhooks the other.

#include "framework/graphics/GraphicsObject.h"

class TImageList;

class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override; // unregisters from Sender

    // The list the link is registered with (set by RegisterChanges), nullptr when none.
    TImageList* Sender() const { return FSender; }
    void SetSender(TImageList* value) { FSender = value; }

    // Fires OnChange with the list as sender.
    virtual void Change();
    // Fires on every change of the list the link is registered with.
    TNotifyEvent OnChange;

private:
    TImageList* FSender = nullptr;
};
