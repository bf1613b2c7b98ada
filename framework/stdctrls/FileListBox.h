#pragma once
// TFileListBox: the files of a directory matching Mask, filtered by kind (FileType), with
// small glyphs. On Linux the classic attributes read: hidden = the dot files, read-only = not
// writable by this user, system = anything that is no regular file or directory (devices,
// sockets, pipes), archive and normal = the other regular files; there are no volume labels.

#include "framework/stdctrls/CustomItemListBox.h"

VQ_ENUM(TFileAttr, uint8_t, ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive,
        ftNormal)
using TFileType = TSet<TFileAttr>;

class TFileListBox : public TCustomItemListBox {
    VQ_CLASS(TFileListBox, TCustomItemListBox)
public:
    explicit TFileListBox(TComponent* AOwner);

    // Directory: the directory listed (the working directory at first). An unreadable one
    // lists nothing.
    String Directory() const { return FDirectory; }
    void SetDirectory(const String& value);
    // Mask: "*.*" (every file; "*.*" and "*" both match names without a dot too). Several
    // patterns are separated by ';'.
    String Mask() const { return FMask; }
    void SetMask(const String& value);
    // FileType: [ftNormal]; the kinds of entry listed.
    TFileType FileType() const { return FFileType; }
    void SetFileType(TFileType value);
    // ShowGlyphs: false; a small glyph before each name.
    bool ShowGlyphs() const { return FShowGlyphs; }
    void SetShowGlyphs(bool value);
    // The highlighted file's full path; empty when none.
    String FileName() const;
    // Reads the directory again.
    void Rescan() { Read(); }

    void Loaded() override;

private:
    void Read();

    String FDirectory;
    String FMask = QStringLiteral("*.*");
    TFileType FFileType{ftNormal};
    bool FShowGlyphs = false;
    std::vector<String> FNames; // the entries' names, by item
};
