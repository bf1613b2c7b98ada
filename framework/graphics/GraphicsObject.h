#pragma once
// Base of the canvas's drawing tools (font, pen, brush): a persistent object that reports every
// change through OnChange, which controls and canvases use to repaint or to refresh their state.

#include "framework/classes/TypeInfo.h"

#include <functional>

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TGraphicsObject : public TPersistent {
    VQ_CLASS(TGraphicsObject, TPersistent)
public:
    // Fires after any property changed (not while a batch of changes is being applied).
    TNotifyEvent OnChange;

    // The persistent that owns this object (a control for its font), for nested-name paths.
    void SetOwner(TPersistent* AOwner) { FOwner = AOwner; }

protected:
    // Fires OnChange unless an update is in progress; then once when the update ends.
    virtual void Changed();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner = nullptr;
    int FUpdateCount = 0;
    bool FPending = false;
};
