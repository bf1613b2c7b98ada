#pragma once
// vqformgen: builds the stored form descriptions from what they are made of (the layout here,
// rich text as documents written by TRtfWriter, pictures read from the image files under
// resources/) and writes them through TFormWriter. The components are made as the reader makes
// them (owned by the root or the container claiming them, in the loading state, references
// resolved once all exist), so the writer leaves out exactly what reading leaves at its default.

#include "framework/classes/Component.h"

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Components

// A value a description spells as an identifier: an enumerator, a set ("[fsBold, fsItalic]"),
// a colour or another integer constant by name.
struct TIdent {
    const char* Name;
};
inline TIdent Id(const char* name) {
    return {name};
}

// Lines joined by CR LF, as multi-line hints are.
QString Crlf(std::initializer_list<const char*> lines);
// The bytes of a file of the source tree (a picture's), named from the top.
QByteArray SourceFile(const QString& path);

class TFormBuilder;

// A component (or the root) of the form being built; sets published properties by name, a
// dotted name reaching into nested objects ("Font.Color").
class TProps {
public:
    TProps(TFormBuilder& builder, TComponent* comp) : FBuilder(builder), FComp(comp) {}
    TComponent* Get() const { return FComp; }
    operator TComponent*() const { return FComp; }

    TProps& Bounds(int left, int top, int width = -1, int height = -1); // -1: not set
    TProps& Set(std::string_view path, int value) { return Set(path, int64_t(value)); }
    TProps& Set(std::string_view path, int64_t value);
    TProps& Set(std::string_view path, bool value);
    TProps& Set(std::string_view path, const char* text) { return Set(path, QString(text)); }
    TProps& Set(std::string_view path, const QString& text);
    TProps& Set(std::string_view path, TIdent ident);
    TProps& Lines(std::string_view path, const QStringList& lines);
    // A picture, graphic or binary property loaded from an image file of the source tree.
    TProps& Picture(std::string_view path, const QString& file);
    // A reference to another component of the form, resolved when the form is complete.
    TProps& Ref(std::string_view path, const char* component);
    // An event bound to a handler of the root's class, by name.
    TProps& On(std::string_view event, const char* handler);

private:
    TFormBuilder& FBuilder;
    TComponent* FComp;
};

class TFormBuilder {
public:
    // The root: a new instance of a registered form class, named.
    TFormBuilder(const char* rootClass, const char* name);
    ~TFormBuilder();
    TFormBuilder(const TFormBuilder&) = delete;
    TFormBuilder& operator=(const TFormBuilder&) = delete;

    TProps Root() { return TProps(*this, FRoot.get()); }
    // A component of a registered class inside parent (an unnamed one for an empty name).
    TProps Make(TComponent* parent, const char* cls, const char* name);
    // The description: references resolved, then written.
    std::string Write();

private:
    friend class TProps;
    struct TRef {
        TComponent* Comp;
        std::string Path;
        QString Target;
    };
    std::unique_ptr<TComponent> FRoot;
    std::vector<TComponent*> FMade;
    std::vector<TRef> FRefs;
};

// ---------------------------------------------------------------------------------------------
// Rich text: paragraphs of runs, written as a rich-text control streams them out.

inline constexpr const char* kSans = "MS Sans Serif";
inline constexpr const char* kSerif = "MS Serif";
inline constexpr const char* kCourier = "Courier New";
inline constexpr QRgb kAuto = 0; // the text colour of the control
inline constexpr QRgb kNavy = 0xFF000080;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kPurple = 0xFF800080;

struct TStyle {
    bool Bold = false;
    const char* Font = kSans;
    int Size = 8; // points
    QRgb Color = kAuto;
};
struct TRun {
    QString Text; // "\t" alone: a tab in the format of the run before it
    TStyle Style;
};
inline TRun T(const char* text, TStyle style = {}) {
    return {QString::fromUtf8(text), style};
}
inline TRun B(const char* text, TStyle style = {}) {
    style.Bold = true;
    return {QString::fromUtf8(text), style};
}
inline const TRun Tab{QStringLiteral("\t"), {}};

// A paragraph; no runs is an empty line. A bullet paragraph hangs its bullet 360 twips left
// of its text.
struct TPara {
    TPara() = default;
    TPara(std::initializer_list<TRun> runs, bool bullet = false) : Runs(runs), Bullet(bullet) {}
    std::vector<TRun> Runs;
    bool Bullet = false;
};
using TDocument = std::vector<TPara>;

// The RTF of a document (tabStop: one tab stop in twips for every paragraph, 0 for none),
// ending in "}\r\n" and a NUL as the control streams it out.
QString RichText(const TDocument& doc, int tabStop = 0);

// ---------------------------------------------------------------------------------------------
// The stored files, each made by its own function.

std::string MainFormDescription();
// bench/StartupPeerPages.h: the main window's pages for the start-up benchmark's plain Qt peer.
std::string StartupPeerHeader();
std::string Form2Description();
std::string Form4Description();
std::string OrderFormDescription();
std::string CalendarFmDescription();
std::string Form5Description();
std::string Form6Description();
std::string Form7Description();
std::string TipDialogDescription();
