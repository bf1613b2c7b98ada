#include "TestClasses.h"

#include <algorithm>

const TIdentMap kTestCursors = {{0, "crDefault"}, {-11, "crHourGlass"}};

VQ_PUBLISH(TTestFont) {
    P.Property("FaceName", &TTestFont::FaceName, &TTestFont::SetFaceName);
    P.Property("Height", &TTestFont::Height, &TTestFont::SetHeight).Default(-11);
}

void TTestFont::Assign(const TPersistent* Source) {
    if (auto* f = dynamic_cast<const TTestFont*>(Source)) {
        FHeight = f->FHeight;
        FFaceName = f->FFaceName;
        return;
    }
    TPersistent::Assign(Source);
}

VQ_PUBLISH(TTestItem) {
    P.Property("Width", &TTestItem::Width, &TTestItem::SetWidth).Default(50);
    P.Property("Text", &TTestItem::Text, &TTestItem::SetText);
}

VQ_PUBLISH(TTestThing) {
    P.Inherit();
    P.Field("About", &TTestThing::FAbout).Stored(false);
    P.Property("Count", &TTestThing::Count, &TTestThing::SetCount).Default(0);
    P.Property("Mask", &TTestThing::Mask, &TTestThing::SetMask).Default(0);
    P.Property("Active", &TTestThing::Active, &TTestThing::SetActive).Default(true);
    P.Property("Shape", &TTestThing::Shape, &TTestThing::SetShape).Default(tsCircle);
    P.Property("Shapes", &TTestThing::Shapes, &TTestThing::SetShapes).Default(TTestShapes{});
    P.Property("Caption", &TTestThing::Caption, &TTestThing::SetCaption);
    P.Property("Ratio", &TTestThing::Ratio, &TTestThing::SetRatio);
    P.Property("Color", &TTestThing::Color, &TTestThing::SetColor).Default(clBtnFace);
    P.Property("Font", &TTestThing::Font, &TTestThing::SetFont);
    P.Property("Lines", &TTestThing::Lines, &TTestThing::SetLines);
    P.Property("Buddy", &TTestThing::Buddy, &TTestThing::SetBuddy);
    P.Property("Data", &TTestThing::Data, &TTestThing::SetData);
    P.Property("Items", &TTestThing::Items, nullptr);
    P.Property("Cursor", &TTestThing::Cursor, &TTestThing::SetCursor)
        .Default(0)
        .Idents(&kTestCursors);
    P.Event("OnClick", &TTestThing::OnClick, "TNotifyEvent");
    P.Event("OnValue", &TTestThing::OnValue, "TTestValueEvent");
}

VQ_PUBLISH(TTestRoot) {
    P.Inherit();
    P.ComponentField("Thing1", &TTestRoot::Thing1);
    P.ComponentField("Thing2", &TTestRoot::Thing2);
    P.Handler("Thing1Click", &TTestRoot::Thing1Click);
    P.Handler("ThingValue", &TTestRoot::ThingValue);
}

TTestThing::TTestThing(TComponent* AOwner)
    : TComponent(AOwner),
      FItems(std::make_unique<TCollection>([](TCollection* c) { return new TTestItem(c); })) {}

TTestThing::~TTestThing() {
    for (TTestThing* c : FChildren)
        c->FParent = nullptr;
    SetParentComponent(nullptr);
}

void TTestThing::SetCount(int v) {
    if (v < 0) throw EConvertError(QStringLiteral("Count must not be negative"));
    FCount = v;
}

void TTestThing::SetBuddy(TTestThing* v) {
    if (FBuddy == v) return;
    FBuddy = v;
    if (v) v->FreeNotification(this);
}

void TTestThing::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
}

void TTestThing::SetParentComponent(TComponent* value) {
    if (FParent) {
        auto& list = FParent->FChildren;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    FParent = dynamic_cast<TTestThing*>(value);
    if (FParent) FParent->FChildren.push_back(this);
}

void TTestThing::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
    for (TTestThing* c : FChildren)
        proc(c);
}

std::vector<String>& TTestThing::LoadedLog() {
    static std::vector<String> log;
    return log;
}

void TTestThing::Loaded() {
    TComponent::Loaded();
    ++LoadedCount;
    LoadedLog().push_back(Name());
}
