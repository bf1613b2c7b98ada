#include "framework/controls/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Escapes the text and turns {N|text} into links.
String InlineHtml(const String& text) {
    static const QRegularExpression link(QStringLiteral(R"(\{(-?\d+)\|([^}]*)\})"));
    String out;
    qsizetype at = 0;
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(at, m.capturedStart() - at).toHtmlEscaped();
        out += QStringLiteral("<a href=\"topic:%1\">%2</a>")
                   .arg(m.captured(1), m.captured(2).toHtmlEscaped());
        at = m.capturedEnd();
    }
    out += text.mid(at).toHtmlEscaped();
    return out;
}

} // namespace

bool THelpFile::Load(const String& fileName, String& error) {
    FTopics.clear();
    FFileName = fileName;
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        error = fileName.isEmpty() ? QStringLiteral("No help file is set.")
                                   : QStringLiteral("The help file \"%1\" cannot be read (%2).")
                                         .arg(fileName, file.errorString());
        return false;
    }
    if (!Parse(QString::fromUtf8(file.readAll()), error)) {
        error = QStringLiteral("The help file \"%1\" is damaged: %2").arg(fileName, error);
        return false;
    }
    return true;
}

bool THelpFile::Parse(const String& text, String& error) {
    FTopics.clear();
    static const QRegularExpression heading(QStringLiteral(R"(^\[(-?\d{1,9})\]\s*(.*)$)"));
    THelpTopic* topic = nullptr;
    String paragraph;
    bool inList = false;
    auto endParagraph = [&] {
        if (topic && !paragraph.isEmpty())
            topic->Html += QStringLiteral("<p>") + InlineHtml(paragraph) + QStringLiteral("</p>");
        paragraph.clear();
    };
    auto endList = [&] {
        if (topic && inList) topic->Html += QStringLiteral("</ul>");
        inList = false;
    };
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const String line = lines[n].trimmed();
        if (line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            const auto m = heading.match(line);
            if (!m.hasMatch()) {
                error = QStringLiteral("line %1: a topic heading is \"[number] title\"").arg(n + 1);
                return false;
            }
            endParagraph();
            endList();
            const int context = m.captured(1).toInt();
            if (FTopics.count(context)) {
                error =
                    QStringLiteral("line %1: topic %2 is defined twice").arg(n + 1).arg(context);
                return false;
            }
            topic = &FTopics[context];
            topic->Context = context;
            topic->Title = m.captured(2);
            topic->Html =
                QStringLiteral("<h2>") + topic->Title.toHtmlEscaped() + QStringLiteral("</h2>");
        } else if (line.isEmpty()) {
            endParagraph();
            endList();
        } else if (line.startsWith(QStringLiteral("- "))) {
            endParagraph();
            if (topic && !inList) topic->Html += QStringLiteral("<ul>");
            inList = true;
            if (topic)
                topic->Html +=
                    QStringLiteral("<li>") + InlineHtml(line.mid(2)) + QStringLiteral("</li>");
        } else {
            endList();
            if (!paragraph.isEmpty()) paragraph += u' ';
            paragraph += line;
        }
    }
    endParagraph();
    endList();
    return true;
}

const THelpTopic* THelpFile::Topic(int context) const {
    const auto it = FTopics.find(context);
    return it == FTopics.end() ? nullptr : &it->second;
}
