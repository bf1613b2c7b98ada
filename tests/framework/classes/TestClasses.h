#pragma once
// Small components with a property of every kind, for the object-model and streaming tests.

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/StringList.h"
#include "support/QtPrinters.h"

#include <memory>

VQ_ENUM(TTestShape, uint8_t, tsCircle, tsSquare, tsTriangle)
using TTestShapes = TSet<TTestShape>;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TTestValueEvent = std::function<void(TObject* Sender, int& Value)>;

class TTestFont : public TPersistent {
    VQ_CLASS(TTestFont, TPersistent)
public:
    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    String FaceName() const { return FFaceName; }
    void SetFaceName(const String& v) { FFaceName = v; }
    void Assign(const TPersistent* Source) override;

private:
    int FHeight = -11;
    String FFaceName;
};

class TTestItem : public TCollectionItem {
    VQ_CLASS(TTestItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    String Text() const { return FText; }
    void SetText(const String& v) { FText = v; }

private:
    int FWidth = 50;
    String FText;
};

class TTestThing : public TComponent {
    VQ_CLASS(TTestThing, TComponent)
public:
    explicit TTestThing(TComponent* AOwner);
    ~TTestThing() override;

    int Count() const { return FCount; }
    void SetCount(int v);
    unsigned Mask() const { return FMask; }
    void SetMask(unsigned v) { FMask = v; }
    bool Active() const { return FActive; }
    void SetActive(bool v) { FActive = v; }
    TTestShape Shape() const { return FShape; }
    void SetShape(TTestShape v) { FShape = v; }
    TTestShapes Shapes() const { return FShapes; }
    void SetShapes(TTestShapes v) { FShapes = v; }
    String Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    double Ratio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    TTestFont* Font() const { return FFont.get(); }
    void SetFont(TTestFont* v) { FFont->Assign(v); }
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* v) { FLines->Assign(v); }
    TTestThing* Buddy() const { return FBuddy; }
    void SetBuddy(TTestThing* v);
    QByteArray Data() const { return FData; }
    void SetData(const QByteArray& v) { FData = v; }
    TCollection* Items() const { return FItems.get(); }
    int Cursor() const { return FCursor; }
    void SetCursor(int v) { FCursor = v; }

    TNotifyEvent OnClick;
    TTestValueEvent OnValue;
    int32_t FAbout = 0;

    // Order of Loaded calls across all things, for the reader tests.
    static std::vector<String>& LoadedLog();
    int LoadedCount = 0;

    // Child things nest inside their parent thing in descriptions.
    TTestThing* ParentThing() const { return FParent; }
    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* value) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    int FCount = 0;
    unsigned FMask = 0;
    bool FActive = true;
    TTestShape FShape = tsCircle;
    TTestShapes FShapes;
    String FCaption;
    double FRatio = 0;
    TColor FColor = clBtnFace;
    std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    TTestThing* FBuddy = nullptr;
    QByteArray FData;
    std::unique_ptr<TCollection> FItems;
    int FCursor = 0;
    TTestThing* FParent = nullptr;
    std::vector<TTestThing*> FChildren;
};

// A root with fields and handlers, as a form would have.
class TTestRoot : public TComponent {
    VQ_CLASS(TTestRoot, TComponent)
public:
    using TComponent::TComponent;
    TTestThing* Thing1 = nullptr;
    TTestThing* Thing2 = nullptr;
    int Clicks = 0;
    void Thing1Click(TObject*) { ++Clicks; }
    void ThingValue(TObject*, int& v) { v = 42; }
};

inline void RegisterTestClasses() {
    RegisterClassesOf<TTestThing, TTestRoot>();
}
