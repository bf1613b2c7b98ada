#include "framework/stdctrls/FileListBox.h"

#include "framework/controls/PopupMenu.h"
#include "framework/stdctrls/FileGlyphs.h"

#include <QDir>
#include <QFileInfo>

VQ_PUBLISH(TFileListBox) {
    using C = TFileListBox;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("FileType", &C::FileType, &C::SetFileType).Default(TFileType{ftNormal});
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight).Default(false);
    P.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16);
    P.Property("Mask", &C::Mask, &C::SetMask);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowGlyphs", &C::ShowGlyphs, &C::SetShowGlyphs).Default(false);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &C::OnDblClick, "TNotifyEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
}

TFileListBox::TFileListBox(TComponent* AOwner) : TCustomItemListBox(AOwner) {
    FDirectory = QDir::currentPath();
    Read();
}

void TFileListBox::SetDirectory(const String& value) {
    const String path = QDir::cleanPath(QDir(value).absolutePath());
    if (path == FDirectory && !Loading()) return Read();
    FDirectory = path;
    Read();
}

void TFileListBox::SetMask(const String& value) {
    if (FMask == value) return;
    FMask = value;
    Read();
}

void TFileListBox::SetFileType(TFileType value) {
    if (FFileType == value) return;
    FFileType = value;
    Read();
}

void TFileListBox::SetShowGlyphs(bool value) {
    if (FShowGlyphs == value) return;
    FShowGlyphs = value;
    Read();
}

void TFileListBox::Loaded() {
    TCustomItemListBox::Loaded();
    Read();
}

String TFileListBox::FileName() const {
    if (ItemIndex() < 0) return String();
    const String& name = FNames[size_t(ItemIndex())];
    return FDirectory == QLatin1String("/") ? u'/' + name : FDirectory + u'/' + name;
}

void TFileListBox::Read() {
    if (Loading()) return;
    QStringList patterns;
    for (const String& p : FMask.split(u';', Qt::SkipEmptyParts)) {
        const String t = p.trimmed();
        patterns << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    QDir dir(FDirectory);
    const QFileInfoList entries = dir.entryInfoList(
        patterns, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
    std::vector<TItem> items;
    FNames.clear();
    for (const QFileInfo& e : entries) {
        const bool hidden = e.fileName().startsWith(u'.');
        const bool directory = e.isDir();
        const bool regular = e.isFile();
        bool shown;
        if (hidden && !FFileType.Contains(ftHidden))
            shown = false;
        else if (directory)
            shown = FFileType.Contains(ftDirectory);
        else if (!regular)
            shown = FFileType.Contains(ftSystem);
        else if (!e.isWritable())
            shown = FFileType.Contains(ftReadOnly);
        else
            shown = FFileType.Contains(ftNormal) || FFileType.Contains(ftArchive) ||
                    (hidden && FFileType.Contains(ftHidden));
        if (!shown) continue;
        TItem item{directory ? QStringLiteral("[%1]").arg(e.fileName()) : e.fileName(), {}, 0};
        if (FShowGlyphs)
            item.Glyph = FileGlyph(directory          ? TFileGlyph::ClosedFolder
                                   : e.isExecutable() ? TFileGlyph::Program
                                                      : TFileGlyph::Document);
        items.push_back(std::move(item));
        FNames.push_back(e.fileName());
    }
    SetItems(std::move(items), -1);
}
