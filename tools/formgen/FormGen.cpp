// vqformgen: writes the stored form descriptions (and the start-up benchmark's page table) from
// what they are made of; with --check it only compares them with the stored files.
//
//   vqformgen            rewrite every stored file
//   vqformgen --check    exit 1, naming each, when a stored file differs from what it makes

#include "tools/formgen/FormGen.h"

#include "app/DemoProgram.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormWriter.h"
#include "framework/classes/Strings.h"
#include "framework/graphics/Picture.h"
#include "framework/rtf/RtfWriter.h"

#include <QApplication>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cstdio>
#include <functional>

namespace {

[[noreturn]] void Fail(const QString& message) {
    throw Exception(message);
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The object a dotted path ends in, and the property named last.
std::pair<TObject*, const TPropInfo*> Resolve(TObject* obj, std::string_view path) {
    for (;;) {
        const size_t dot = path.find('.');
        const std::string_view name = path.substr(0, dot);
        const TPropInfo* p = obj->ClassType()->FindProperty(name);
        if (!p) Fail(QStringLiteral("%1 has no property %2").arg(obj->ClassName(), Q(name)));
        if (dot == std::string_view::npos) return {obj, p};
        obj = p->GetObject(obj);
        if (!obj) Fail(QStringLiteral("%1 is not assigned").arg(Q(name)));
        path = path.substr(dot + 1);
    }
}

int64_t IdentValue(const TPropInfo& p, std::string_view name) {
    const auto enumerator = [&](std::string_view n) -> int64_t {
        if (const auto v = p.Enum->ValueOf(n)) return *v;
        Fail(QStringLiteral("%1 is no value of %2").arg(Q(n), Q(p.Name)));
    };
    switch (p.Kind) {
    case pkEnum:
        return enumerator(name);
    case pkSet: {
        int64_t bits = 0;
        std::string_view rest = name.substr(1, name.size() - 2); // inside [ ]
        while (!rest.empty()) {
            const size_t comma = rest.find(',');
            std::string_view item = rest.substr(0, comma);
            while (item.starts_with(' '))
                item.remove_prefix(1);
            bits |= int64_t(1) << enumerator(item);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
        return bits;
    }
    case pkColor: {
        if (const auto c = IdentToColor(Q(name))) return *c;
        bool number = false;
        const int v = Q(name).toInt(&number);
        if (number) return v;
        break;
    }
    case pkInteger:
        if (p.Idents)
            for (const auto& e : *p.Idents)
                if (name == e.Name) return e.Value;
        break;
    default:
        break;
    }
    Fail(QStringLiteral("%1 is no value of %2").arg(Q(name), Q(p.Name)));
}

} // namespace

QString Crlf(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    return list.join(QStringLiteral("\r\n"));
}

QByteArray SourceFile(const QString& path) {
    QFile file(QStringLiteral(VQ_SOURCE_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly)) Fail(QStringLiteral("cannot read ") + file.fileName());
    return file.readAll();
}

// ---------------------------------------------------------------------------------------------
// Components

TProps& TProps::Bounds(int left, int top, int width, int height) {
    Set("Left", left).Set("Top", top);
    if (width >= 0) Set("Width", width);
    if (height >= 0) Set("Height", height);
    return *this;
}

TProps& TProps::Set(std::string_view path, int64_t value) {
    const auto [obj, p] = Resolve(FComp, path);
    p->SetOrd(obj, value);
    return *this;
}

TProps& TProps::Set(std::string_view path, bool value) {
    const auto [obj, p] = Resolve(FComp, path);
    if (p->Kind != pkBoolean) Fail(Q(path) + QStringLiteral(" is no boolean"));
    p->SetOrd(obj, value);
    return *this;
}

TProps& TProps::Set(std::string_view path, const QString& text) {
    const auto [obj, p] = Resolve(FComp, path);
    p->SetString(obj, text);
    return *this;
}

TProps& TProps::Set(std::string_view path, TIdent ident) {
    const auto [obj, p] = Resolve(FComp, path);
    p->SetOrd(obj, IdentValue(*p, ident.Name));
    return *this;
}

TProps& TProps::Lines(std::string_view path, const QStringList& lines) {
    const auto [obj, p] = Resolve(FComp, path);
    auto* list = dynamic_cast<TStrings*>(p->GetObject(obj));
    if (!list) Fail(Q(path) + QStringLiteral(" is no string list"));
    for (const QString& line : lines)
        list->Add(line);
    return *this;
}

TProps& TProps::Picture(std::string_view path, const QString& file) {
    const auto [obj, p] = Resolve(FComp, path);
    const QString name = QStringLiteral(VQ_SOURCE_DIR "/") + file;
    if (p->Kind == pkBinary)
        p->SetBinary(obj, SourceFile(file));
    else if (auto* picture = dynamic_cast<TPicture*>(p->GetObject(obj)))
        picture->LoadFromFile(name); // the class the file's content names
    else if (auto* graphic = dynamic_cast<TGraphic*>(p->GetObject(obj)))
        graphic->LoadFromFile(name);
    else
        Fail(Q(path) + QStringLiteral(" holds no picture"));
    return *this;
}

TProps& TProps::Ref(std::string_view path, const char* component) {
    FBuilder.FRefs.push_back({FComp, std::string(path), QString::fromUtf8(component)});
    return *this;
}

TProps& TProps::On(std::string_view event, const char* handler) {
    TComponent* root = FBuilder.FRoot.get();
    const TPropInfo* p = FComp->ClassType()->FindProperty(event);
    const THandlerInfo* h = root->ClassType()->FindHandler(handler);
    if (!p || p->Kind != pkEvent || !h || h->Type != p->EventType)
        Fail(QStringLiteral("%1 cannot take %2 as %3")
                 .arg(FComp->Name(), QString::fromUtf8(handler), Q(event)));
    p->SetEvent(FComp, h->Bind(root));
    FComp->SetEventHandlerName(event, QString::fromUtf8(handler));
    return *this;
}

TFormBuilder::TFormBuilder(const char* rootClass, const char* name)
    : FRoot(FindClass(rootClass)->Create(nullptr)) {
    FRoot->BeginLoading();
    FRoot->SetName(QString::fromUtf8(name));
}

TFormBuilder::~TFormBuilder() {
    for (TComponent* c : FMade)
        c->CancelLoading();
    FRoot->CancelLoading();
}

TProps TFormBuilder::Make(TComponent* parent, const char* cls, const char* name) {
    TComponent* owner = parent->GetChildOwner();
    TComponent* comp = FindClass(cls)->Create(owner ? owner : FRoot.get());
    comp->BeginLoading();
    FMade.push_back(comp);
    comp->SetName(QString::fromUtf8(name));
    comp->SetParentComponent(parent);
    return TProps(*this, comp);
}

std::string TFormBuilder::Write() {
    for (const TRef& ref : FRefs) {
        TComponent* target = nullptr;
        for (TComponent* c : FMade)
            if (c->Name() == ref.Target) target = c;
        if (!target) Fail(QStringLiteral("no component ") + ref.Target);
        const auto [obj, p] = Resolve(ref.Comp, ref.Path);
        p->SetObject(obj, target);
    }
    FRefs.clear();
    return TFormWriter::Write(FRoot.get());
}

// ---------------------------------------------------------------------------------------------
// Rich text

QString RichText(const TDocument& doc, int tabStop) {
    QTextDocument text;
    QTextCursor cursor(&text);
    QTextList* list = nullptr;
    for (size_t i = 0; i < doc.size(); ++i) {
        const TPara& para = doc[i];
        QTextBlockFormat block;
        if (tabStop)
            block.setTabPositions({QTextOption::Tab(tabStop / 15.0, QTextOption::LeftTab)});
        if (para.Bullet) block.setLeftMargin(24);
        QTextCharFormat plain;
        plain.setFontFamilies({QString::fromUtf8(kSans)});
        plain.setFontPointSize(8);
        if (i == 0) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(plain);
        } else {
            cursor.insertBlock(block, plain);
        }
        if (para.Bullet) {
            if (list) {
                list->add(cursor.block());
            } else {
                QTextListFormat bullets;
                bullets.setStyle(QTextListFormat::ListDisc);
                bullets.setIndent(0);
                list = cursor.createList(bullets);
            }
        } else {
            list = nullptr;
        }
        QTextCharFormat last = plain;
        for (const TRun& run : para.Runs) {
            if (run.Text == QLatin1String("\t")) {
                cursor.insertText(run.Text, last);
                continue;
            }
            QTextCharFormat f;
            f.setFontFamilies({QString::fromUtf8(run.Style.Font)});
            f.setFontPointSize(run.Style.Size);
            if (run.Style.Bold) f.setFontWeight(QFont::Bold);
            if (run.Style.Color != kAuto) f.setForeground(QColor::fromRgb(run.Style.Color));
            cursor.insertText(run.Text, f);
            last = f;
        }
    }
    TRtfWriter writer;
    writer.SetDefaultFontSize(16);
    writer.SetTerminatingNul(true);
    return QString::fromLatin1(writer.Write(&text));
}

// ---------------------------------------------------------------------------------------------

namespace {

struct TTarget {
    const char* Path;
    std::function<std::string()> Make;
};

const TTarget kTargets[] = {
    {"resources/forms/MainForm.vqf", MainFormDescription},
    {"resources/forms/Form2.vqf", Form2Description},
    {"resources/forms/Form4.vqf", Form4Description},
    {"resources/forms/Form5.vqf", Form5Description},
    {"resources/forms/Form6.vqf", Form6Description},
    {"resources/forms/Form7.vqf", Form7Description},
    {"resources/forms/OrderForm.vqf", OrderFormDescription},
    {"components/dialogs/VQCalPop/resources/forms/VQCalendarFm.vqf", CalendarFmDescription},
    {"components/dialogs/VQTipDlg/resources/forms/VQTipDialogFm.vqf", TipDialogDescription},
    {"bench/StartupPeerPages.h", StartupPeerHeader},
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool check = argc == 2 && std::string_view(argv[1]) == "--check";
    if (argc > 1 && !check) {
        std::fprintf(stderr, "usage: vqformgen [--check]\n");
        return 2;
    }
    TDemoProgram::RegisterProgramClasses();
    int result = 0;
    try {
        for (const TTarget& t : kTargets) {
            const QByteArray text = QByteArray::fromStdString(t.Make());
            const QString path = QStringLiteral(VQ_SOURCE_DIR "/") + QString::fromUtf8(t.Path);
            QFile file(path);
            if (check) {
                if (!file.open(QIODevice::ReadOnly) || file.readAll() != text) {
                    std::printf("%s is out of date: run vqformgen\n", t.Path);
                    result = 1;
                }
            } else if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
                Fail(QStringLiteral("cannot write ") + path);
            }
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "vqformgen: %s\n", qPrintable(e.Message()));
        return 1;
    }
    return result;
}
