#include "TestClasses.h"

#include <gtest/gtest.h>

namespace {

// Counts its own destruction so tests can see each component freed exactly once.
class TCounted : public TComponent {
public:
    TCounted(TComponent* owner, std::vector<String>* log) : TComponent(owner), FLog(log) {}
    ~TCounted() override { FLog->push_back(Name()); }

private:
    std::vector<String>* FLog;
};

TEST(ComponentLifeCycle, OwnerFreesOwnedComponentsOnceInReverseOrder) {
    std::vector<String> freed;
    auto* owner = new TComponent(nullptr);
    for (const char* name : {"A", "B", "C"})
        (new TCounted(owner, &freed))->SetName(name);
    auto* early = static_cast<TCounted*>(owner->FindComponent("B"));
    delete early; // leaves its owner's list
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    EXPECT_EQ(freed, (std::vector<String>{"B", "C", "A"}));
}

// A token expires with its source, when the source is told to or freed (a component frees its
// own as it goes).
TEST(ComponentLifeCycle, LifeTokensExpireWithTheirSource) {
    auto source = std::make_unique<TLifeToken::TSource>();
    TLifeToken::TSource expired;
    const TLifeToken life = source->Token(), expiredLife = expired.Token();
    expired.Expire();
    EXPECT_TRUE(life && !expiredLife);
    source.reset();
    EXPECT_FALSE(life);
}

TEST(ComponentLifeCycle, SiblingReferenceClearedWhenTargetDies) {
    TComponent owner(nullptr);
    auto* a = new TTestThing(&owner);
    auto* b = new TTestThing(&owner);
    a->SetBuddy(b);
    delete b;
    EXPECT_EQ(a->Buddy(), nullptr);
}

TEST(ComponentLifeCycle, FreeNotificationClearsReferenceAcrossOwners) {
    TComponent ownerA(nullptr), ownerB(nullptr);
    auto* a = new TTestThing(&ownerA);
    auto* b = new TTestThing(&ownerB);
    a->SetBuddy(b);
    delete b;
    EXPECT_EQ(a->Buddy(), nullptr);
    // And the other way round: the referrer dying first leaves no dangling registration.
    auto* c = new TTestThing(&ownerB);
    a->SetBuddy(c);
    delete a;
    delete c; // would touch freed memory if a were still registered with c
}

TEST(ComponentLifeCycle, ReferenceBetweenSiblingsClearedWhenOwnerFreesThem) {
    // The owner frees the later-created target first; the earlier one must not see it dangling.
    auto* owner = new TComponent(nullptr);
    auto* a = new TTestThing(owner);
    auto* b = new TTestThing(owner);
    a->SetBuddy(b);
    b->SetBuddy(a);
    delete owner; // ASan reports here if a notification was missed
}

TEST(ComponentNames, ValidAndDuplicateNames) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("Button1");
    EXPECT_THROW(b->SetName("button1"), EComponentError);
    EXPECT_THROW(b->SetName("1Button"), EComponentError);
    EXPECT_THROW(b->SetName("Two Words"), EComponentError);
    EXPECT_TRUE(b->Name().isEmpty());
    b->SetName("_Button2");
    a->SetName("BUTTON1"); // renaming to itself in another case is allowed
    EXPECT_EQ(owner.FindComponent("button1"), a);
    try {
        b->SetName("Button1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named Button1 already exists");
    }
}

TEST(ComponentOwnership, InsertIntoAnotherOwnerMovesIt) {
    TComponent first(nullptr), second(nullptr);
    auto* c = new TComponent(&first);
    c->SetName("X");
    second.InsertComponent(c);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_EQ(c->ComponentIndex(), 0);
    EXPECT_THROW(second.Components(1), EListError);
}

TEST(ComponentState, DestroyingIsSeenByOwnedComponents) {
    struct Probe : TComponent {
        using TComponent::TComponent;
        bool* Seen = nullptr;
        ~Probe() override { *Seen = ComponentState().Contains(csDestroying); }
    };
    bool seen = false;
    auto* owner = new TComponent(nullptr);
    (new Probe(owner))->Seen = &seen;
    delete owner;
    EXPECT_TRUE(seen);
}

TEST(Persistent, AssignOfUnrelatedClassRaisesConvertError) {
    TTestFont font;
    TStringList list;
    try {
        font.Assign(&list);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TStringList to a TTestFont");
    }
}

TEST(ClassRegistry, FindsRegisteredClassesByName) {
    RegisterTestClasses();
    EXPECT_EQ(FindClass("ttestthing"), TTestThing::StaticClassType());
    EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
    try {
        FindClass("TNoSuchThing");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuchThing not found");
    }
    EXPECT_TRUE(TTestThing::StaticClassType()->InheritsFrom(TComponent::StaticClassType()));
    EXPECT_FALSE(TTestFont::StaticClassType()->CanCreate());
}

TEST(PropertyTable, PublishedOrderIncludesInheritedFirst) {
    std::vector<std::string> names;
    for (const auto& p : TTestThing::StaticClassType()->Properties())
        names.push_back(p.Name);
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(names[0], "Name");
    EXPECT_EQ(names[1], "Tag");
    EXPECT_EQ(names[2], "About");
    EXPECT_EQ(TTestThing::StaticClassType()->FindProperty("cOUNT")->Kind, pkInteger);
}

// Every kind reads and writes through its typed access; another kind's access is refused.
TEST(PropertyTable, TypedAccessPerKindAndRefusalOfOthers) {
    TTestThing thing(nullptr), buddy(nullptr);
    const TClassInfo* c = TTestThing::StaticClassType();
    auto prop = [&](const char* name) { return c->FindProperty(name); };
    prop("Count")->SetOrd(&thing, 7);
    prop("Shapes")->SetOrd(&thing, TTestShapes{tsSquare}.Bits());
    prop("Ratio")->SetFloat(&thing, 2.5);
    prop("Caption")->SetString(&thing, QStringLiteral("Hi"));
    prop("Data")->SetBinary(&thing, QByteArray("\x01\x02", 2));
    prop("Buddy")->SetObject(&thing, &buddy);
    prop("OnClick")->SetEvent(&thing, TNotifyEvent([](TObject*) {}));
    EXPECT_EQ(thing.Count(), 7);
    EXPECT_EQ(prop("Count")->GetOrd(&thing), 7);
    EXPECT_EQ(prop("Shapes")->GetOrd(&thing), int64_t(TTestShapes{tsSquare}.Bits()));
    EXPECT_EQ(prop("Ratio")->GetFloat(&thing), 2.5);
    EXPECT_EQ(prop("Caption")->GetString(&thing), "Hi");
    EXPECT_EQ(prop("Data")->GetBinary(&thing), QByteArray("\x01\x02", 2));
    EXPECT_EQ(prop("Buddy")->GetObject(&thing), &buddy);
    EXPECT_EQ(prop("Lines")->GetObject(&thing), thing.Lines());
    EXPECT_TRUE(prop("OnClick")->EventAssigned(&thing));
    prop("OnClick")->SetEvent(&thing, std::any());
    EXPECT_FALSE(prop("OnClick")->EventAssigned(&thing));
    EXPECT_THROW(prop("Buddy")->SetObject(&thing, thing.Lines()), EPropertyError) << "wrong class";
    EXPECT_THROW(prop("Caption")->GetOrd(&thing), EPropertyError);
    EXPECT_THROW(prop("Count")->SetString(&thing, QStringLiteral("1")), EPropertyError);
    EXPECT_THROW(prop("Ratio")->GetObject(&thing), EPropertyError);
    EXPECT_THROW(prop("OnClick")->GetBinary(&thing), EPropertyError);
    EXPECT_EQ(thing.Count(), 7);
}

TEST(SetTemplate, OperatorsAndBitLayout) {
    TTestShapes s{tsSquare};
    EXPECT_EQ(s.Bits(), 2u);
    s.Include(tsTriangle);
    EXPECT_TRUE(s.Contains(tsTriangle));
    EXPECT_FALSE(s.Contains(tsCircle));
    EXPECT_TRUE(TTestShapes{tsSquare} <= s);
    EXPECT_EQ((s - TTestShapes{tsSquare}), TTestShapes{tsTriangle});
    EXPECT_EQ((s * TTestShapes{tsSquare, tsCircle}), TTestShapes{tsSquare});
}

} // namespace
