#pragma once
// TMainFm: the main window. A fixed-size window whose multi-line page control presents one
// group of components per page in rich text; the buttons open the demonstration windows
// modally. It always opens on the welcome page, whichever page its description stores.

#include "framework/controls/Form.h"

class TCheckBox;
class TEdit;
class TMenuItem;
class TPopupMenu;
class TVQHotKey;
class TVQTrayIcon;
class TPageControl;
class TTabSheet;
class TVQAboutDialog;
class TVQAnimImage;
class TVQTipDialog;

class TMainFm : public TForm {
    VQ_CLASS(TMainFm, TForm)
public:
    explicit TMainFm(TComponent* AOwner);
    // ":/forms/MainForm.vqf".
    String FormResourceName() const override;

    // Components bound by name when the description is read.
    TPageControl* MainPc = nullptr;
    TTabSheet* WelcomeWp = nullptr;
    TVQAnimImage* VQAnimImage1 = nullptr;
    TCheckBox* AnimateCb = nullptr;
    TVQAboutDialog* VQAboutDialog1 = nullptr;
    TVQTipDialog* VQTipDialog1 = nullptr;

    // OnCreate: the welcome page becomes the active page.
    void FormCreate(TObject* Sender);
    // "Access Web Site": the maker's home page in the browser, or the error box.
    void WebSiteBtClick(TObject* Sender);
    // Buttons that show a demonstration window modally.
    void Form2BtClick(TObject* Sender); // Form2Fm, borders, images and meters
    void Form3BtClick(TObject* Sender); // Form3Fm, menu button and splitter
    void Form4BtClick(TObject* Sender); // Form4Fm, the wizard
    void Button1Click(TObject* Sender); // Form5Fm, popup calendar
    void Button2Click(TObject* Sender); // Form6Fm, standard calendar
    void Button3Click(TObject* Sender); // Form7Fm, read-only calendar
    void Button5Click(TObject* Sender); // OrderFm, order information
    // The dialog page: the about box and the tips, and the about box's two extras, which
    // show information boxes.
    void AboutBtClick(TObject* Sender);
    void TipsBtClick(TObject* Sender);
    void VQAboutDialog1CustomClick(TObject* Sender);
    void VQAboutDialog1IconDblClick(TObject* Sender);
    // The animation page's check box switches VQAnimImage1's animation.
    void AnimateCbClick(TObject* Sender);

    // Tray icon, its menu and the two hot keys (Ctrl+L local, Ctrl+G global).
    TVQTrayIcon* TrayIconTi = nullptr;
    TCheckBox* ShowTrayIconCb = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* A1 = nullptr;
    TVQHotKey* VQHotKey1 = nullptr;
    TVQHotKey* VQHotKey2 = nullptr;
    TTabSheet* TabSheet9 = nullptr; // the hot key page
    void ShowTrayIconCbClick(TObject* Sender);
    void TrayIconTiDblClick(TObject* Sender);
    void A1Click(TObject* Sender);
    void VQHotKey1HotKey(TObject* Sender, uint16_t& Key, TShiftState Shift);
    // Brings the program to the front first, from whatever program was active.
    void VQHotKey2HotKey(TObject* Sender, uint16_t& Key, TShiftState Shift);
    // Once per run, when the hot key page is shown in a session where Ctrl+G cannot be held
    // system-wide (a Wayland desktop without the portal's global shortcuts, or one that
    // declined them), an information box says so; the page's text stays as it is.
    void HotKeyPageNotice();

    // Shell functions page: the two folder pickers fill their edits; the shortcut is a desktop
    // launcher named after ShortcutEd that starts the desktop's text editor.
    TEdit* ProgramsEd = nullptr;
    TEdit* FoldersEd = nullptr;
    TEdit* ShortcutEd = nullptr;
    void BrowseFoldersBtClick(TObject* Sender);
    void BrowseProgramsBtClick(TObject* Sender);
    void ShortcutBtClick(TObject* Sender);

private:
    bool FHotKeyNoticeShown = false;
};

// The program's main window, made hidden at start and freed at exit.
extern TMainFm* MainFm;
