// vqsnapshot: renders windows of the demonstration program to PNG files, without a display.
//
//   vqsnapshot [options] NAME|FILE.vqf [OUT.png]
//       NAME is a window of the program by its name (MainFm), class (TMainFm) or unit
//       (MainForm); FILE.vqf is any form description whose classes the program knows.
//   vqsnapshot [options] --all DIR
//       every window of the program to DIR/<name>.png, and the main window once per page of
//       its page control to DIR/MainFm-page<NN>.png.
// Options:
//   --set Component.Property=Value   sets a published property before rendering (repeatable);
//                                    Value as a form description writes it: 3, True, 'text',
//                                    an enumerator or a component name
//   --no-frame                       the client area only, without the drawn window frame
//
// The platform is offscreen unless QT_QPA_PLATFORM says otherwise.

#include "app/DemoProgram.h"
#include "app/MainForm.h"
#include "framework/classes/FormReader.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtMath>

#include <cstdio>
#include <memory>

namespace {

struct TOptions {
    QStringList Sets;
    bool Frame = true;
    QString AllDir;
    QString Target;
    QString Out;
};

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "vqsnapshot: %s\n", qPrintable(message));
    std::exit(1);
}

void Usage() {
    std::fprintf(stderr, "usage: vqsnapshot [--set Comp.Prop=Value]... [--no-frame] "
                         "NAME|FILE.vqf [OUT.png]\n"
                         "       vqsnapshot [--no-frame] --all DIR\n");
    std::exit(2);
}

TOptions ParseArgs(const QStringList& args) {
    TOptions o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--set") && i + 1 < args.size()) {
            o.Sets << args[++i];
        } else if (a == QLatin1String("--no-frame")) {
            o.Frame = false;
        } else if (a == QLatin1String("--all") && i + 1 < args.size()) {
            o.AllDir = args[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            Usage();
        } else if (o.Target.isEmpty()) {
            o.Target = a;
        } else if (o.Out.isEmpty()) {
            o.Out = a;
        } else {
            Usage();
        }
    }
    if (o.AllDir.isEmpty() == o.Target.isEmpty()) Usage();
    return o;
}

TForm* FindProgramWindow(const QString& name) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* f = Screen->Forms(i);
        const QString cls = QString::fromStdString(f->ClassType()->Name());
        QString unit = f->FormResourceName().section(u'/', -1);
        unit.chop(4); // ".vqf"
        if (f->Name().compare(name, Qt::CaseInsensitive) == 0 ||
            cls.compare(name, Qt::CaseInsensitive) == 0 ||
            unit.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    }
    return nullptr;
}

// "Comp.Prop=Value" (or "Prop=Value" for the form itself), the value as descriptions write it.
void ApplySet(TForm* form, const QString& assignment) {
    const qsizetype eq = assignment.indexOf(u'=');
    if (eq <= 0) Fail(QStringLiteral("--set wants Component.Property=Value: ") + assignment);
    const QString path = assignment.left(eq).trimmed();
    const QString value = assignment.mid(eq + 1).trimmed();
    TComponent* target = form;
    QString prop = path;
    if (const qsizetype dot = path.indexOf(u'.'); dot > 0) {
        target = form->FindComponent(path.left(dot));
        if (!target)
            Fail(QStringLiteral("no component %1 on %2").arg(path.left(dot), form->Name()));
        prop = path.mid(dot + 1);
    }
    const TPropInfo* info = target->ClassType()->FindProperty(prop.toStdString());
    if (!info || !info->Writable)
        Fail(QStringLiteral("%1 has no writable property %2").arg(target->Name(), prop));
    const std::string v = value.toStdString();
    switch (info->Kind) {
    case pkInteger:
    case pkUnsigned:
        info->SetOrd(target, value.toLongLong());
        break;
    case pkBoolean:
        info->SetOrd(target, value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0);
        break;
    case pkEnum:
        if (auto e = info->Enum->ValueOf(v))
            info->SetOrd(target, *e);
        else
            Fail(QStringLiteral("%1 is no value of %2").arg(value, prop));
        break;
    case pkString: {
        QString s = value;
        if (s.size() >= 2 && s.startsWith(u'\'') && s.endsWith(u'\''))
            s = s.mid(1, s.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
        info->SetString(target, s);
        break;
    }
    case pkComponent: {
        TComponent* ref = form->FindComponent(value);
        if (!ref) Fail(QStringLiteral("no component %1 on %2").arg(value, form->Name()));
        info->SetObject(target, ref);
        break;
    }
    default:
        Fail(QStringLiteral("--set cannot write %1 (%2)").arg(prop, PropKindName(info->Kind)));
    }
}

// The form's client area, and around it a plain window frame with the caption, so that
// screenshots show the title the window manager would. Both at the platform's device pixel
// ratio (QT_SCALE_FACTOR): the frame is drawn in logical pixels on an image of that ratio.
QImage Render(TForm* form, bool frame) {
    form->Show();
    for (int i = 0; i < 5; ++i)
        Application->ProcessMessages();
    const QImage client = form->Widget()->grab().toImage();
    form->Hide();
    if (!frame) return client;

    constexpr int border = 3, caption = 19;
    const qreal ratio = client.devicePixelRatio();
    const QSize size = client.deviceIndependentSize().toSize();
    const int width = size.width() + 2 * border, height = size.height() + 2 * border + caption;
    QImage image(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    // Light top and left edges, dark right and bottom ones (the dark ones drawn last).
    p.fillRect(0, 0, width, 1, QColor(255, 255, 255));
    p.fillRect(0, 0, 1, height, QColor(255, 255, 255));
    p.fillRect(width - 1, 0, 1, height, QColor(64, 64, 64));
    p.fillRect(0, height - 1, width, 1, QColor(64, 64, 64));
    const QRect bar(border, border, size.width(), caption - 1);
    p.fillRect(bar, QColor(0, 0, 128));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, form->Caption());
    p.drawImage(border, border + caption, client);
    return image;
}

void Save(const QImage& image, const QString& file) {
    if (!image.save(file, "PNG")) Fail(QStringLiteral("cannot write ") + file);
    std::printf("%s (%dx%d)\n", qPrintable(file), image.width(), image.height());
}

int RenderAll(const TOptions& o) {
    if (!QDir().mkpath(o.AllDir)) Fail(QStringLiteral("cannot create ") + o.AllDir);
    const QDir dir(o.AllDir);
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        Save(Render(form, o.Frame), dir.filePath(form->Name() + QStringLiteral(".png")));
    }
    // Every page of the main window, in tab order.
    if (MainFm && MainFm->MainPc) {
        TPageControl* pc = MainFm->MainPc;
        TTabSheet* keep = pc->ActivePage();
        for (int i = 0; i < pc->PageCount(); ++i) {
            pc->SetActivePage(pc->Pages(i));
            Save(Render(MainFm, o.Frame),
                 dir.filePath(QStringLiteral("MainFm-page%1.png").arg(i + 1, 2, 10, QChar(u'0'))));
        }
        pc->SetActivePage(keep);
    }
    return 0;
}

int RenderOne(const TOptions& o) {
    TForm* form = nullptr;
    std::unique_ptr<TComponent> loaded;
    if (o.Target.endsWith(QLatin1String(".vqf"), Qt::CaseInsensitive)) {
        QFile file(o.Target);
        if (!file.open(QIODevice::ReadOnly)) Fail(QStringLiteral("cannot read ") + o.Target);
        const QByteArray text = file.readAll();
        loaded.reset(TFormReader::ReadNew(std::string_view(text.constData(), size_t(text.size())),
                                          o.Target, nullptr));
        form = dynamic_cast<TForm*>(loaded.get());
        if (!form) Fail(o.Target + QStringLiteral(" does not describe a window"));
    } else {
        form = FindProgramWindow(o.Target);
        if (!form) Fail(QStringLiteral("the program has no window ") + o.Target);
    }
    for (const QString& s : o.Sets)
        ApplySet(form, s);
    QString out = o.Out;
    if (out.isEmpty())
        out = (form->Name().isEmpty() ? QFileInfo(o.Target).baseName() : form->Name()) +
              QStringLiteral(".png");
    Save(Render(form, o.Frame), out);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TOptions options = ParseArgs(QApplication::arguments());
    TDemoProgram program;
    try {
        program.Start();
        return options.AllDir.isEmpty() ? RenderOne(options) : RenderAll(options);
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
    }
}
