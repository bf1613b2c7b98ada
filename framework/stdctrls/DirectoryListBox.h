#pragma once
// TDirectoryListBox: the path from the root to the current directory (open folders, one
// indent deeper each) followed by the current directory's subdirectories (closed folders).
// Enter or a double click opens the highlighted directory. Paths keep their case and any
// UTF-8 names; hidden (dot) directories are not listed. A linked file list shows the current
// directory's files, and a drive box that links this list follows its volume.

#include "framework/stdctrls/CustomItemListBox.h"

class TDriveComboBox;
class TFileListBox;

class TDirectoryListBox : public TCustomItemListBox {
    VQ_CLASS(TDirectoryListBox, TCustomItemListBox)
public:
    explicit TDirectoryListBox(TComponent* AOwner);
    ~TDirectoryListBox() override;

    // Directory: the current directory as an absolute, clean path; the process's working
    // directory at first. Setting it re-reads the list and fires OnChange when it changed;
    // EInOutError when the path is no readable directory (the list is then unchanged).
    String Directory() const { return FDirectory; }
    void SetDirectory(const String& value);
    // The full path of the item at index (path items and subdirectories alike).
    String GetItemPath(int index) const;
    // FileList: nullptr; the file list kept showing the current directory.
    TFileListBox* FileList() const { return FFileList; }
    void SetFileList(TFileListBox* value);
    // Opens the highlighted directory as Enter and a double click do; a failure is shown in
    // an error message box and leaves the list as it was. False then.
    bool OpenCurrent();
    // Reads the current directory again (subdirectories made or removed meanwhile).
    void Rescan();

    void Loaded() override;

protected:
    void KeyPress(QChar& Key) override;
    void DblClick() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TDriveComboBox;
    void Read(const String& path, int highlightPath);

    String FDirectory;
    int FPathItems = 0;
    TFileListBox* FFileList = nullptr;
    TDriveComboBox* FDriveCombo = nullptr;
};
