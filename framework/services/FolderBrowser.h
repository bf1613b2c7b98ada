#pragma once
// TFolderBrowser: the shell's modal folder picker. It lists directories only, preselects a
// path, and may be rooted at a folder, in which case nothing above that folder is shown or
// can be chosen. It places itself with PlaceOnScreen(this, 1) when it appears.

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;
class TFolderBrowserFilter;

class TFolderBrowser : public QDialog {
public:
    // Root: the folder to browse from (empty: the whole file system).
    TFolderBrowser(const QString& Title, const QString& Root, QWidget* Parent = nullptr);
    ~TFolderBrowser() override;

    // Shows the picker modally over the program's active window with Path preselected; on OK
    // Path becomes the chosen folder and the result is true, else Path stays as it was.
    static bool Browse(const QString& Title, QString& Path, const QString& Root = {});

    // Selects a directory; false (selection unchanged) when it does not exist or lies outside
    // the root. An empty path clears the selection.
    bool SetSelectedPath(const QString& Path);
    // The selected directory (empty: none).
    QString SelectedPath() const;
    QString Root() const { return FRoot; }
    QTreeView* View() const { return FView; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SelectionChanged();

    QString FRoot;
    QFileSystemModel* FModel;
    TFolderBrowserFilter* FFilter;
    QTreeView* FView;
    QPushButton* FOk;
};
