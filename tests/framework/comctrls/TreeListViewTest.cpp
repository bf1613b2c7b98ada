// Tree view and list view: the stored outline and item strings, images from image lists, and
// renaming a list item in place.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImageList.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<std::string> Lines(TStrings* s) {
    std::vector<std::string> out;
    for (int i = 0; i < s->Count(); ++i)
        out.push_back(s->Strings(i).toStdString());
    return out;
}

std::unique_ptr<TStringList> Outline(std::initializer_list<const char*> lines) {
    auto list = std::make_unique<TStringList>();
    for (const char* l : lines)
        list->Add(QString::fromUtf8(l));
    return list;
}

class TViewsTestFm : public TForm {
    VQ_CLASS(TViewsTestFm, TForm)
public:
    using TForm::TForm;
    TTreeView* TreeView1 = nullptr;
    TListView* ListView1 = nullptr;
    TImageList* ImageList1 = nullptr;
};

} // namespace

VQ_PUBLISH(TViewsTestFm) {
    P.Inherit();
    P.ComponentField("TreeView1", &TViewsTestFm::TreeView1);
    P.ComponentField("ListView1", &TViewsTestFm::ListView1);
    P.ComponentField("ImageList1", &TViewsTestFm::ImageList1);
}

TEST(TreeViewTest, OutlineBuildsNodesAndWritesThemBack) {
    TTreeView tree(nullptr);
    auto outline =
        Outline({"Root [0,1]", "  Sub2", "    Sub1 [2,-1]", "  Odd [9,9] [-1,-1]", "Second"});
    tree.SetItems(outline.get());
    ASSERT_EQ(tree.Count(), 2);
    TTreeNode* root = tree.Item(0);
    EXPECT_EQ(root->Text(), QStringLiteral("Root"));
    EXPECT_EQ(root->ImageIndex(), 0);
    EXPECT_EQ(root->SelectedIndex(), 1);
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Item(0)->Item(0)->Text(), QStringLiteral("Sub1"));
    EXPECT_EQ(root->Item(0)->Item(0)->Level(), 2);
    EXPECT_EQ(root->Item(0)->ImageIndex(), -1);
    EXPECT_EQ(root->Item(1)->Text(), QStringLiteral("Odd [9,9]")); // text that looks like indices
    EXPECT_EQ(Lines(tree.Items()), Lines(outline.get()));

    // A line indented past its parent's children is refused and nothing changes.
    auto bad = Outline({"A", "      B"});
    EXPECT_THROW(tree.SetItems(bad.get()), EStringListError);
    EXPECT_EQ(Lines(tree.Items()), Lines(outline.get()));
}

TEST(TreeViewTest, WindowShowsNodesImagesAndIndent) {
    TForm form(nullptr);
    TImageList images(&form);
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QImage blue = red;
    blue.fill(Qt::blue);
    images.AddImage(red);
    images.AddImage(blue);
    auto* tree = new TTreeView(&form);
    tree->SetParent(&form);
    tree->SetImages(&images);
    tree->SetIndent(25);
    auto outline = Outline({"Root [0,1]", "  Child [0,1]"});
    tree->SetItems(outline.get());
    form.Show();
    auto* w = qobject_cast<QTreeWidget*>(tree->Widget());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->indentation(), 25);
    ASSERT_EQ(w->topLevelItemCount(), 1);
    QTreeWidgetItem* root = w->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Root"));
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Child"));
    EXPECT_EQ(root->icon(0).pixmap(16).toImage().pixel(8, 8), qRgb(255, 0, 0));
    // The selected node shows its selected image; nodes added later appear at once.
    w->setCurrentItem(root);
    EXPECT_EQ(tree->Selected(), tree->Item(0));
    EXPECT_EQ(root->icon(0).pixmap(16).toImage().pixel(8, 8), qRgb(0, 0, 255));
    tree->Add(tree->Item(0), QStringLiteral("Late"), 1, 1);
    EXPECT_EQ(root->childCount(), 2);
    // Recreating the window keeps everything.
    tree->RecreateWnd();
    w = qobject_cast<QTreeWidget*>(tree->Widget());
    EXPECT_EQ(w->topLevelItem(0)->childCount(), 2);
}

TEST(ListViewTest, ItemsImagesAndStyles) {
    TForm form(nullptr);
    TImageList images(&form);
    QImage green(16, 16, QImage::Format_ARGB32);
    green.fill(Qt::green);
    images.AddImage(green);
    auto* list = new TListView(&form);
    list->SetParent(&form);
    auto items = Outline({"Item1 [0]", "Item2", "Odd [3] [-1]"});
    list->SetItems(items.get());
    EXPECT_EQ(list->Item(0)->ImageIndex(), 0);
    EXPECT_EQ(list->Item(1)->ImageIndex(), -1);
    EXPECT_EQ(list->Item(2)->Caption(), QStringLiteral("Odd [3]"));
    EXPECT_EQ(Lines(list->Items()), Lines(items.get()));

    list->SetViewStyle(vsList);
    list->SetSmallImages(&images);
    form.Show();
    auto* w = qobject_cast<QListWidget*>(list->Widget());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->viewMode(), QListView::ListMode);
    EXPECT_EQ(w->flow(), QListView::TopToBottom);
    EXPECT_TRUE(w->isWrapping());
    ASSERT_EQ(w->count(), 3);
    EXPECT_EQ(w->item(0)->icon().pixmap(16).toImage().pixel(8, 8), qRgb(0, 255, 0));
    EXPECT_TRUE(w->item(1)->icon().isNull());
    // Large icons take LargeImages, which is not set.
    list->SetViewStyle(vsIcon);
    EXPECT_TRUE(w->item(0)->icon().isNull());
    list->SetLargeImages(&images);
    EXPECT_FALSE(w->item(0)->icon().isNull());
}

TEST(ListViewTest, UserRenamesAnItemUnlessReadOnly) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* list = new TListView(&form);
    list->SetParent(&form);
    list->SetViewStyle(vsList);
    list->Add(QStringLiteral("Item1"));
    std::vector<std::string> edits;
    list->OnEdited = [&](TObject*, TListItem* item, String& s) {
        edits.push_back(item->Caption().toStdString() + "->" + s.toStdString());
        if (s == QStringLiteral("upper")) s = QStringLiteral("UPPER");
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    auto* w = qobject_cast<QListWidget*>(list->Widget());

    const auto rename = [&](const char* text) {
        list->EditCaption(list->Item(0));
        QCoreApplication::processEvents();
        auto* editor = w->findChild<QLineEdit*>();
        if (!editor) return false;
        editor->setText(QString::fromUtf8(text));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        return true;
    };
    ASSERT_TRUE(rename("upper"));
    EXPECT_EQ(list->Item(0)->Caption(), QStringLiteral("UPPER"));
    EXPECT_EQ(w->item(0)->text(), QStringLiteral("UPPER"));
    EXPECT_EQ(edits, std::vector<std::string>{"Item1->upper"});

    list->SetReadOnly(true);
    list->EditCaption(list->Item(0));
    EXPECT_FALSE(list->IsEditing());
    EXPECT_FALSE(w->item(0)->flags() & Qt::ItemIsEditable);
}

TEST(TreeListViewTest, FormDescriptionRoundTrip) {
    RegisterComCtrlsClasses();
    RegisterGraphicsClasses();
    RegisterClassesOf<TViewsTestFm>();
    const char* text = R"(object ViewsTestFm: TViewsTestFm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object TreeView1: TTreeView
    Left = 0
    Top = 0
    Width = 100
    Height = 125
    Images = ImageList1
    Indent = 19
    Items = (
      'Root [0,0]'
      '  Sub2 [0,0]'
      '    Sub1 [0,0]')
  end
  object ListView1: TListView
    Left = 100
    Top = 0
    Width = 150
    Height = 125
    Items = (
      'Item1 [0]'
      'Item2 [0]')
    LargeImages = ImageList1
    ReadOnly = False
    SmallImages = ImageList1
    ViewStyle = vsList
  end
  object ImageList1: TImageList
  end
end
)";
    TViewsTestFm form(nullptr);
    form.ReadFromText(text);
    EXPECT_EQ(form.TreeView1->Images(), form.ImageList1);
    EXPECT_EQ(form.TreeView1->Item(0)->Item(0)->Item(0)->Text(), QStringLiteral("Sub1"));
    EXPECT_EQ(form.ListView1->SmallImages(), form.ImageList1);
    EXPECT_EQ(form.ListView1->Count(), 2);
    const std::string written = TFormWriter::Write(&form);
    EXPECT_NE(written.find("'    Sub1 [0,0]'"), std::string::npos) << written;
    // The image list the views refer to is written too.
    EXPECT_NE(written.find("object ImageList1: TImageList"), std::string::npos) << written;
    TViewsTestFm again(nullptr);
    again.ReadFromText(written);
    EXPECT_EQ(TFormWriter::Write(&again), written);
}
