#pragma once
// TExecutionForm<T>: the form a dialog component builds for one execution. It is made from its
// description owned by the component and freed when the holder goes, on every path; when its
// owner freed it meanwhile (a handler freed the component), the holder lets it be.

#include "framework/controls/Form.h"

template <class T> class TExecutionForm {
public:
    explicit TExecutionForm(TComponent* owner)
        : FForm(TForm::CreateFromResource<T>(owner)), FAlive(FForm->LifeToken()) {}
    ~TExecutionForm() {
        if (FAlive) delete FForm;
    }
    TExecutionForm(const TExecutionForm&) = delete;
    TExecutionForm& operator=(const TExecutionForm&) = delete;

    T* Get() const { return FAlive ? FForm : nullptr; }
    T* operator->() const { return FForm; }
    bool Alive() const { return FAlive.Alive(); }

private:
    T* FForm;
    TLifeToken FAlive;
};
