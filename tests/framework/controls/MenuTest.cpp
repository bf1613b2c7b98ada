#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Application.h"
#include "framework/controls/MainMenu.h"
#include "framework/controls/PopupMenu.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A root with a popup menu and a handler, as a form description binds them.
class TMenuTestForm : public TComponent {
    VQ_CLASS(TMenuTestForm, TComponent)
public:
    using TComponent::TComponent;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* A1 = nullptr;
    std::vector<String> Clicked;
    void ItemClick(TObject* Sender) { Clicked.push_back(static_cast<TComponent*>(Sender)->Name()); }
};

} // namespace

VQ_PUBLISH(TMenuTestForm) {
    P.Inherit();
    P.ComponentField("PopupMenu1", &TMenuTestForm::PopupMenu1);
    P.ComponentField("A1", &TMenuTestForm::A1);
    P.Handler("ItemClick", &TMenuTestForm::ItemClick);
}

namespace {

TMenuItem* NewItem(TComponent* owner, const char* caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(QString::fromUtf8(caption));
    if (parent) parent->Add(item);
    return item;
}

// Runs f on the menu that a Popup shows, from inside its event loop. A menu that f leaves open
// is closed, so a failing test cannot hang in the loop.
void WhenMenuShown(std::function<void(QMenu*)> f) {
    QTimer::singleShot(0, [f] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        f(menu);
        if (menu->isVisible()) menu->close();
    });
}

QAction* ActionNamed(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

void Choose(QMenu* menu, const QString& text) {
    QAction* action = ActionNamed(menu, text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
}

// ---------------------------------------------------------------------------------------------
// The item tree

TEST(MenuTreeTest, InsertPlacesItemsAndRejectsBadInserts) {
    TMenuItem root(nullptr);
    TComponent owner(nullptr);
    TMenuItem* a = NewItem(&owner, "a", &root);
    TMenuItem* c = NewItem(&owner, "c", &root);
    TMenuItem* b = NewItem(&owner, "b");
    root.Insert(1, b);
    ASSERT_EQ(root.Count(), 3);
    EXPECT_EQ(root.Items(0), a);
    EXPECT_EQ(root.Items(1), b);
    EXPECT_EQ(root.Items(2), c);
    EXPECT_EQ(b->Parent(), &root);
    EXPECT_EQ(c->MenuIndex(), 2);

    EXPECT_THROW(root.Add(a), EMenuError);   // already has a parent
    EXPECT_THROW(a->Add(&root), EMenuError); // would contain itself
    EXPECT_THROW(root.Insert(5, new TMenuItem(&owner)), EMenuError);
    EXPECT_THROW(root.Items(3), EMenuError);
    EXPECT_THROW(root.Items(-1), EMenuError);
    EXPECT_EQ(root.Count(), 3);
}

TEST(MenuTreeTest, DeleteDetachesWithoutFreeing) {
    TComponent owner(nullptr);
    TMenuItem root(nullptr);
    TMenuItem* a = NewItem(&owner, "a", &root);
    NewItem(&owner, "b", &root);
    root.Delete(0);
    EXPECT_EQ(root.Count(), 1);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->Owner(), &owner);
    root.Add(a); // free to be inserted again
    EXPECT_EQ(root.IndexOf(a), 1);
}

TEST(MenuTreeTest, FreeingParentOrChildKeepsTreeAndOwnerConsistent) {
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* menu = new TPopupMenu(owner.get());
    TMenuItem* file = NewItem(owner.get(), "File", menu->Items());
    TMenuItem* open = NewItem(owner.get(), "Open", file);
    NewItem(owner.get(), "Save", file);
    EXPECT_EQ(owner->ComponentCount(), 4);

    delete open; // a child leaves its parent's list
    EXPECT_EQ(file->Count(), 1);
    EXPECT_EQ(owner->ComponentCount(), 3);

    delete file; // a parent takes its remaining children along
    EXPECT_EQ(menu->Items()->Count(), 0);
    EXPECT_EQ(owner->ComponentCount(), 1);

    NewItem(owner.get(), "Edit", menu->Items());
    owner.reset(); // owner frees the menu after its items: no double free
}

TEST(MenuTreeTest, MenuFreesItsEntriesEvenWhenOthersOwnThem) {
    TComponent owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    NewItem(&owner, "x", menu->Items());
    NewItem(&owner, "y", NewItem(&owner, "z", menu->Items()));
    delete menu;
    EXPECT_EQ(owner.ComponentCount(), 0);
}

struct RadioCase {
    const char* Name;
    bool OtherRadio;
    uint8_t OtherGroup;
    bool OtherStaysChecked;
};

TEST(MenuTreeTest, CheckingARadioItemUnchecksOnlyItsGroup) {
    const RadioCase cases[] = {
        {"same group radio", true, 1, false},
        {"other group radio", true, 2, true},
        {"same group plain check", false, 1, true},
    };
    for (const auto& rc : cases) {
        SCOPED_TRACE(rc.Name);
        TComponent owner(nullptr);
        TMenuItem root(nullptr);
        TMenuItem* other = NewItem(&owner, "other", &root);
        other->SetRadioItem(rc.OtherRadio);
        other->SetGroupIndex(rc.OtherGroup);
        other->SetChecked(true);
        TMenuItem* item = NewItem(&owner, "item", &root);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->SetChecked(true);
        EXPECT_TRUE(item->Checked());
        EXPECT_EQ(other->Checked(), rc.OtherStaysChecked);
    }
}

TEST(MenuTreeTest, OneDefaultItemPerLevel) {
    TComponent owner(nullptr);
    TMenuItem root(nullptr);
    TMenuItem* a = NewItem(&owner, "a", &root);
    TMenuItem* b = NewItem(&owner, "b", &root);
    TMenuItem* nested = NewItem(&owner, "n", NewItem(&owner, "sub", &root));
    a->SetDefault(true);
    nested->SetDefault(true);
    b->SetDefault(true);
    EXPECT_FALSE(a->Default());
    EXPECT_TRUE(b->Default());
    EXPECT_TRUE(nested->Default());
}

TEST(MenuTreeTest, DisabledItemDoesNotFireOnClick) {
    TMenuItem item(nullptr);
    int clicks = 0;
    item.OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &item);
        ++clicks;
    };
    item.Click();
    item.SetEnabled(false);
    item.Click();
    EXPECT_EQ(clicks, 1);
}

TEST(MenuTreeTest, ShortCutTextRoundTrips) {
    const struct {
        TShortCut Cut;
        const char* Text;
    } cases[] = {
        {TShortCut(scCtrl | 'S'), "Ctrl+S"},  {TShortCut(scShift | 0x74), "Shift+F5"},
        {TShortCut(scAlt | 0x2E), "Alt+Del"}, {TShortCut(scCtrl | scShift | '1'), "Ctrl+Shift+1"},
        {TShortCut(0x0D), "Return"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ShortCutToText(c.Cut), QString::fromUtf8(c.Text));
        EXPECT_EQ(TextToShortCut(QString::fromUtf8(c.Text)), c.Cut);
    }
    EXPECT_EQ(ShortCutToText(scNone), QString());
    EXPECT_EQ(TextToShortCut(QStringLiteral("Ctrl+NoSuchKey")), scNone);
}

// ---------------------------------------------------------------------------------------------
// Form descriptions

constexpr const char* kForm = R"(object MenuTestForm1: TMenuTestForm
  object PopupMenu1: TPopupMenu
    AutoPopup = False
    object A1: TMenuItem
      Caption = '&Activate'
      Default = True
      ShortCut = 16449
      OnClick = ItemClick
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object Mode1: TMenuItem
      Caption = 'Mode'
      object Fast1: TMenuItem
        Caption = 'Fast'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object Slow1: TMenuItem
        Caption = 'Slow'
        GroupIndex = 1
        RadioItem = True
      end
    end
    object N1: TMenuItem
      Caption = 'E&xit'
    end
  end
end
)";

class MenuFormTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterClassesOf<TMenuTestForm, TPopupMenu, TMainMenu, TMenuItem>(); }
};

TEST_F(MenuFormTest, ReaderNestsItemsAndWriterWritesThemBack) {
    std::unique_ptr<TComponent> root(
        TFormReader::ReadNew(kForm, QStringLiteral("menu.vqf"), nullptr));
    auto* form = dynamic_cast<TMenuTestForm*>(root.get());
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->PopupMenu1, nullptr);
    TMenuItem* items = form->PopupMenu1->Items();
    ASSERT_EQ(items->Count(), 4);
    EXPECT_EQ(items->Items(0), form->A1);
    EXPECT_TRUE(form->A1->Default());
    EXPECT_EQ(form->A1->ShortCut(), TShortCut(scCtrl | 'A'));
    EXPECT_TRUE(items->Items(1)->IsLine());
    TMenuItem* mode = items->Items(2);
    ASSERT_EQ(mode->Count(), 2);
    EXPECT_EQ(mode->Items(1)->Caption(), QStringLiteral("Slow"));
    EXPECT_EQ(mode->Items(0)->GetParentComponent(), mode);
    EXPECT_EQ(mode->GetParentComponent(), form->PopupMenu1);
    EXPECT_EQ(mode->GetParentMenu(), form->PopupMenu1);
    EXPECT_FALSE(form->PopupMenu1->AutoPopup());

    form->A1->Click();
    EXPECT_EQ(form->Clicked, std::vector<String>{QStringLiteral("A1")});

    EXPECT_EQ(TFormWriter::Write(form), kForm);
}

TEST_F(MenuFormTest, MenuItemOutsideAMenuIsAReadError) {
    const char* text = "object F: TMenuTestForm\n  object X: TMenuItem\n  end\nend\n";
    EXPECT_THROW(TFormReader::ReadNew(text, QStringLiteral("bad.vqf"), nullptr), EReadError);
}

// ---------------------------------------------------------------------------------------------
// Popping up

class PopupTest : public ::testing::Test {
protected:
    TComponent Owner{nullptr};
    TPopupMenu* Menu = new TPopupMenu(&Owner);
    std::vector<String> Log;

    TMenuItem* Item(const char* caption, TMenuItem* parent = nullptr) {
        TMenuItem* item = NewItem(&Owner, caption, parent ? parent : Menu->Items());
        item->OnClick = [this](TObject* sender) {
            // The menu has closed by the time an item's click runs.
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_FALSE(Menu->IsPoppedUp());
            Log.push_back(static_cast<TMenuItem*>(sender)->Caption());
        };
        return item;
    }
};

TEST_F(PopupTest, ChosenItemFiresAfterTheMenuCloses) {
    Item("One");
    Item("Two");
    Menu->OnPopup = [this](TObject* sender) {
        EXPECT_EQ(sender, Menu);
        Log.push_back(QStringLiteral("popup"));
    };
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Two")); });
    Menu->Popup(100, 100);
    EXPECT_EQ(Log, (std::vector<String>{QStringLiteral("popup"), QStringLiteral("Two")}));
}

TEST_F(PopupTest, DismissedMenuFiresNothing) {
    Item("One");
    WhenMenuShown([](QMenu* m) { QTest::keyClick(m, Qt::Key_Escape); });
    Menu->Popup(10, 10);
    EXPECT_TRUE(Log.empty());
    EXPECT_FALSE(Menu->IsPoppedUp());
}

TEST_F(PopupTest, OnPopupCanChangeTheItemsShown) {
    TMenuItem* late = Item("Late");
    late->SetVisible(false);
    Menu->OnPopup = [late](TObject*) { late->SetVisible(true); };
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Late")); });
    Menu->Popup(10, 10);
    EXPECT_EQ(Log, std::vector<String>{QStringLiteral("Late")});
}

TEST_F(PopupTest, MenuReflectsItemProperties) {
    TMenuItem* plain = Item("&Plain");
    plain->SetShortCut(TShortCut(scCtrl | 'P'));
    plain->SetHint(QStringLiteral("a hint"));
    Item("-");
    Item("Hidden")->SetVisible(false);
    Item("Off")->SetEnabled(false);
    Item("Bold")->SetDefault(true);
    TMenuItem* radio = Item("Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    Item("Check")->SetChecked(true);
    TMenuItem* sub = Item("Sub");
    Item("Inner", sub);

    bool inspected = false;
    WhenMenuShown([&](QMenu* m) {
        inspected = true;
        const QList<QAction*> actions = m->actions();
        ASSERT_EQ(actions.size(), 7); // the hidden item takes no place
        EXPECT_EQ(actions[0]->text(), QStringLiteral("&Plain"));
        EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        EXPECT_EQ(actions[0]->toolTip(), QStringLiteral("a hint"));
        EXPECT_TRUE(actions[1]->isSeparator());
        EXPECT_FALSE(actions[2]->isEnabled());
        EXPECT_TRUE(actions[3]->font().bold());
        EXPECT_EQ(m->defaultAction(), actions[3]);
        EXPECT_TRUE(actions[4]->isChecked());
        ASSERT_NE(actions[4]->actionGroup(), nullptr);
        EXPECT_TRUE(actions[4]->actionGroup()->isExclusive());
        EXPECT_TRUE(actions[5]->isChecked());
        EXPECT_EQ(actions[5]->actionGroup(), nullptr);
        ASSERT_NE(actions[6]->menu(), nullptr);
        EXPECT_EQ(actions[6]->menu()->actions().value(0)->text(), QStringLiteral("Inner"));
    });
    Menu->Popup(10, 10);
    EXPECT_TRUE(inspected);
}

TEST_F(PopupTest, DisabledItemCannotBeChosen) {
    Item("Off")->SetEnabled(false);
    Item("On");
    WhenMenuShown([](QMenu* m) {
        QAction* off = ActionNamed(m, QStringLiteral("Off"));
        ASSERT_NE(off, nullptr);
        QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(off).center());
    });
    Menu->Popup(10, 10);
    EXPECT_TRUE(Log.empty());
}

TEST_F(PopupTest, AlignmentPlacesTheMenuAroundX) {
    Item("A fairly long caption for width");
    const struct {
        TPopupAlignment Align;
        const char* Name;
    } cases[] = {{paLeft, "left"}, {paRight, "right"}, {paCenter, "center"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Menu->SetAlignment(c.Align);
        QRect geometry;
        WhenMenuShown([&](QMenu* m) { geometry = m->geometry(); });
        Menu->Popup(400, 300);
        ASSERT_TRUE(geometry.isValid());
        EXPECT_EQ(geometry.top(), 300);
        const int w = geometry.width();
        const int expectedLeft = c.Align == paLeft    ? 400
                                 : c.Align == paRight ? 400 - w
                                                      : 400 - w / 2;
        EXPECT_EQ(geometry.left(), expectedLeft);
    }
}

TEST_F(PopupTest, EmptyMenuShowsNothing) {
    Item("Hidden")->SetVisible(false);
    bool shown = false;
    QTimer::singleShot(0, [&] { shown = QApplication::activePopupWidget() != nullptr; });
    Menu->Popup(10, 10);
    QTest::qWait(10);
    EXPECT_FALSE(shown);
}

TEST_F(PopupTest, ItemMayFreeTheMenuFromItsClick) {
    TMenuItem* bye = Item("Bye");
    bye->OnClick = [this](TObject*) { delete Menu; };
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Bye")); });
    Menu->Popup(10, 10);
    EXPECT_EQ(Owner.ComponentCount(), 0);
}

TEST_F(PopupTest, ItemFreedWhileTheMenuIsOpenDoesNotFire) {
    TMenuItem* gone = Item("Gone");
    WhenMenuShown([&](QMenu* m) {
        QAction* action = ActionNamed(m, QStringLiteral("Gone"));
        ASSERT_NE(action, nullptr);
        delete gone;
        m->setActiveAction(action);
        QTest::keyClick(m, Qt::Key_Return);
    });
    Menu->Popup(10, 10);
    EXPECT_TRUE(Log.empty());
}

TEST_F(PopupTest, PopupComponentIsClearedWhenItIsFreed) {
    auto* source = new TComponent(nullptr);
    Menu->SetPopupComponent(source);
    delete source;
    EXPECT_EQ(Menu->PopupComponent(), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Main menu

TEST(MainMenuTest, BarEntriesFireAndChangesAreReported) {
    TComponent owner(nullptr);
    auto* menu = new TMainMenu(&owner);
    int changes = 0;
    menu->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, menu);
        ++changes;
    };
    TMenuItem* file = NewItem(&owner, "&File", menu->Items());
    TMenuItem* quit = NewItem(&owner, "&Quit", file);
    TMenuItem* help = NewItem(&owner, "&Help", menu->Items());
    EXPECT_EQ(changes, 3);
    quit->SetEnabled(false);
    EXPECT_EQ(changes, 4);
    quit->SetEnabled(true);

    std::vector<TObject*> clicked;
    quit->OnClick = help->OnClick = [&](TObject* s) { clicked.push_back(s); };

    QMenuBar bar;
    menu->FillMenuBar(&bar);
    menu->FillMenuBar(&bar); // refilling replaces, it does not add
    const QList<QAction*> top = bar.actions();
    ASSERT_EQ(top.size(), 2);
    ASSERT_NE(top[0]->menu(), nullptr);
    top[0]->menu()->actions().value(0)->trigger();
    top[1]->trigger();
    EXPECT_EQ(clicked, (std::vector<TObject*>{quit, help}));

    // Bar entries fire from Qt's signal: an exception goes to the application's report.
    TObject* reported = nullptr;
    const TExceptionEvent saved = Application->OnException;
    Application->OnException = [&](TObject* sender, const Exception&) { reported = sender; };
    quit->OnClick = [](TObject*) { throw EInvalidOperation(QStringLiteral("no")); };
    EXPECT_NO_THROW(top[0]->menu()->actions().value(0)->trigger());
    Application->OnException = saved;
    EXPECT_EQ(reported, quit);
}

} // namespace
