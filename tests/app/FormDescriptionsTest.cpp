// Every form description the program carries loads, including the two design-time editor
// windows that no code uses, and the main window's rich texts are stored as the rich-text
// control writes them.

#include "app/DemoProgram.h"
#include "framework/classes/FormParser.h"
#include "framework/classes/FormReader.h"
#include "framework/controls/Form.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QByteArray Resource(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads a description as the running program would: with its classes registered and its
// units started (the directory dialog's unit registers the classes of its window).
std::unique_ptr<TForm> Load(const QString& name) {
    TDemoProgram::RegisterProgramClasses();
    static const bool unitsStarted = [] {
        for (const TProgramUnit& unit : TDemoProgram::ProgramUnits())
            if (unit.Initialize) unit.Initialize();
        return true;
    }();
    (void)unitsStarted;
    const QByteArray text = Resource(name);
    std::unique_ptr<TComponent> root(TFormReader::ReadNew(
        std::string_view(text.constData(), size_t(text.size())), name, nullptr));
    auto* form = dynamic_cast<TForm*>(root.get());
    if (form) root.release();
    return std::unique_ptr<TForm>(form);
}

// Every value of the named property anywhere in the tree, with the object's name.
void CollectStrings(const TFormObjectNode& node, std::string_view prop,
                    std::vector<std::pair<std::string, std::string>>& out) {
    for (const TFormPropNode& p : node.Props)
        if (p.Name == prop) out.emplace_back(std::string(node.Name), p.Value.Str);
    for (const TFormObjectNode& child : node.Children)
        CollectStrings(child, prop, out);
}

} // namespace

TEST(FormDescriptions, EveryDescriptionOfTheProgramLoads) {
    const QStringList files = QDir(QStringLiteral(":/forms")).entryList({"*.vqf"});
    ASSERT_GE(files.size(), 10); // eight windows and two editors
    for (const QString& f : files) {
        const QString name = QStringLiteral(":/forms/") + f;
        std::unique_ptr<TForm> form;
        try {
            form = Load(name);
        } catch (const Exception& e) {
            ADD_FAILURE() << qPrintable(e.Message());
            continue;
        }
        ASSERT_NE(form, nullptr) << qPrintable(name);
        EXPECT_FALSE(form->Caption().isEmpty()) << qPrintable(name);
        EXPECT_FALSE(form->Visible()) << qPrintable(name);
    }
}

TEST(FormDescriptions, StringEditorHasAMemoAndOkCancel) {
    auto form = Load(QStringLiteral(":/forms/StringEditor.vqf"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), QStringLiteral("String editor"));
    ASSERT_NE(form->FindComponent(QStringLiteral("Memo")), nullptr);
    EXPECT_EQ(
        QString::fromStdString(form->FindComponent(QStringLiteral("Memo"))->ClassType()->Name()),
        QStringLiteral("TMemo"));
    auto* ok = dynamic_cast<TControl*>(form->FindComponent(QStringLiteral("OKBt")));
    auto* cancel = dynamic_cast<TControl*>(form->FindComponent(QStringLiteral("CancelBt")));
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->Caption(), QStringLiteral("Cancel"));
}

TEST(FormDescriptions, RichTextEditorHasToolBarRichEditAndOkCancel) {
    auto form = Load(QStringLiteral(":/forms/RichTextEditor.vqf"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), QStringLiteral("Rich text editor"));
    const auto className = [&](const char* name) {
        TComponent* c = form->FindComponent(QLatin1String(name));
        return c ? QString::fromStdString(c->ClassType()->Name()) : QString();
    };
    EXPECT_EQ(className("ToolBar"), QStringLiteral("TToolBar"));
    EXPECT_EQ(className("Editor"), QStringLiteral("TRichEdit"));
    EXPECT_EQ(className("OKBt"), QStringLiteral("TButton"));
    EXPECT_EQ(className("CancelBt"), QStringLiteral("TButton"));
}

TEST(FormDescriptions, MainWindowRichTextsEndAsTheRichEditWritesThem) {
    const QByteArray text = Resource(QStringLiteral(":/forms/MainForm.vqf"));
    const TFormObjectNode root = TFormParser::Parse(
        std::string_view(text.constData(), size_t(text.size())), QStringLiteral("MainForm.vqf"));
    std::vector<std::pair<std::string, std::string>> texts;
    CollectStrings(root, "RichText", texts);
    EXPECT_EQ(texts.size(), 15u); // VQRichLabel1 to VQRichLabel15
    const std::unique_ptr<TForm> form = Load(QStringLiteral(":/forms/MainForm.vqf"));
    ASSERT_NE(form, nullptr);
    for (const auto& [name, rtf] : texts) {
        EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << name;
        ASSERT_GE(rtf.size(), 4u) << name;
        EXPECT_EQ(rtf.substr(rtf.size() - 4), std::string("}\r\n\0", 4)) << name;
        // Read into the label, the text streams out again unchanged.
        const TComponent* label = form->FindComponent(QString::fromStdString(name));
        ASSERT_NE(label, nullptr) << name;
        const TPropInfo* prop = label->ClassType()->FindProperty("RichText");
        EXPECT_EQ(prop->GetString(label).toStdString(), rtf) << name;
    }
}
