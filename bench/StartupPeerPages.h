// Written by tools/formgen (vqformgen) from the main window's description; do not
// edit. The pages of bench_startup's plain Qt peer; each rich label's own font is
// Liberation Sans 8 point.

#pragma once

// clang-format off

enum PeerKind { PeerRichLabel, PeerButton, PeerCheckBox, PeerEdit, PeerImage };

struct PeerItem {
    PeerKind kind;
    int left, top, width, height;
    const char* text; // HTML for a rich label
};

struct PeerPage {
    const char* caption;
    const PeerItem* items;
    int count;
};

inline constexpr PeerItem PeerPage0Items[] = {
    {PeerRichLabel, 16, 8, 365, 122,
     "<p style=\"margin:0\"><span style=\"font-family:'Liberation Serif'; font-size:11pt; color:#000080\"><b>Welcome to the Varnholt Quill Controls 2 demo!</b></span></p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\"><b>Varnholt Quill Controls 2</b> is a package of more than two dozen controls and functions for Windows 95 applications: calendars, borders, images and meters, buttons, a wizard, rich text, tray icons, hot keys, dialogs and shell functions.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">Each page of this demo presents one group. Read the description, then try the controls on the page or press <b>Show...</b> to open a window full of them.</p>"},
};
inline constexpr PeerItem PeerPage1Items[] = {
    {PeerRichLabel, 8, 16, 257, 65,
     "<p style=\"margin:0\"><b>TVQBorder</b>, <b>TVQImage</b> and <b>TVQMeter</b> are light graphic controls that follow the Windows 95 guidelines: <b>borders</b> and group frames, <b>images</b> with placement styles and transparency, and <b>meters</b> drawn as bars or LED blocks.</p>"},
    {PeerButton, 292, 16, 89, 25,
     "Show..."},
};
inline constexpr PeerItem PeerPage2Items[] = {
    {PeerRichLabel, 8, 16, 237, 52,
     "<p style=\"margin:0\"><b>TVQBitmapButton</b> makes transparent, irregularly shaped buttons, with an image for each of the <b>normal</b>, <b>pushed</b>, <b>disabled</b> and <b>focused</b> states.</p>"},
    {PeerButton, 256, 12, 104, 100,
     "VQBitmapButton1"},
};
inline constexpr PeerItem PeerPage3Items[] = {
    {PeerRichLabel, 8, 16, 257, 52,
     "<p style=\"margin:0\">The <b>menu button</b> drops down a menu of actions or choices, and the <b>splitter</b> divides an area into two resizable panes: standard controls of today's leading applications, ready to drop on your forms.</p>"},
    {PeerButton, 292, 16, 89, 25,
     "Show..."},
};
inline constexpr PeerItem PeerPage4Items[] = {
    {PeerRichLabel, 8, 16, 256, 52,
     "<p style=\"margin:0\"><b>TVQCalendar</b> is a month calendar for selecting dates, for personal information managers and for daily data. The <b>popup calendar</b> drops down automatically and returns the chosen date.</p>"},
    {PeerButton, 292, 16, 89, 25,
     "Popup"},
    {PeerButton, 292, 48, 89, 25,
     "Standard"},
    {PeerButton, 292, 80, 89, 25,
     "Read Only"},
};
inline constexpr PeerItem PeerPage5Items[] = {
    {PeerRichLabel, 8, 16, 377, 278,
     "<p style=\"margin:0\"><b>TVQRichLabel</b> shows formatted text without a line of code: fonts, sizes, colours and paragraphs all come from its <b>RichText</b> property.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">You can use another font, such as <span style=\"font-family:'Liberation Mono'\">Courier New</span>, a larger size, such as <span style=\"font-size:10pt\">10 point</span>, or a colour, such as <span style=\"color:#ff0000\">red</span>.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">At design time the <b>rich text property editor</b> lets you type and format the text with a tool bar, much like a word processor: bold, italic and underlined text, fonts, sizes, colours and paragraph alignment.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">The label sizes itself to its text (<b>AutoSize</b>), wraps its lines to its width (<b>WordWrap</b>) and takes the colour of the form it sits on (<b>ParentColor</b>).</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">Labels like this one describe every page of this demo and every page of the sample wizard.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">This label is taller than its page, so the page cuts it off here. The rest of the text is there all the same.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">Rich labels never take the focus and never show a caret: they are for reading.</p>"},
};
inline constexpr PeerItem PeerPage6Items[] = {
    {PeerImage, 292, 16, 89, 70,
     ""},
    {PeerCheckBox, 292, 100, 97, 17,
     "Animate image"},
    {PeerRichLabel, 8, 16, 256, 78,
     "<p style=\"margin:0\"><b>TVQAnimImage</b> steps through the frames of an <b>image list</b> on a timer. Give it the image list and a <b>Period</b>, switch on <b>Animate</b>, and there is nothing more to do.</p><p style=\"margin:0\">&nbsp;</p><p style=\"margin:0\">Check <b>Animate image</b> to start the animation.</p>"},
};
inline constexpr PeerItem PeerPage7Items[] = {
    {PeerCheckBox, 292, 16, 97, 17,
     "Show tray icon"},
    {PeerRichLabel, 8, 16, 257, 39,
     "<p style=\"margin:0\"><b>TVQTrayIcon</b> puts your program into the notification area of the task bar, with an <b>icon</b>, a <b>hint text</b>, an automatic <b>popup menu</b> and <b>mouse events</b>.</p>"},
    {PeerRichLabel, 292, 40, 97, 52,
     "<p style=\"margin:0\">Try the <b>right mouse button</b> or a <b>double click</b> on the task bar icon.</p>"},
};
inline constexpr PeerItem PeerPage8Items[] = {
    {PeerRichLabel, 8, 16, 257, 52,
     "<p style=\"margin:0\"><b>TVQWizard</b> builds step-by-step dialogs with <b>Back</b>, <b>Next</b>, <b>Finish</b>, <b>Cancel</b> and <b>Help</b> buttons. The sample print wizard needs nothing more than a few images and rich labels.</p>"},
    {PeerButton, 292, 16, 89, 25,
     "Show..."},
};
inline constexpr PeerItem PeerPage9Items[] = {
    {PeerRichLabel, 8, 16, 377, 39,
     "<p style=\"margin:0\"><b>TVQHotKey</b> fires an event when its key combination is pressed. A <b>global</b> hot key fires whatever application has the focus; a <b>local</b> hot key fires only while this application is active, even past a modal window. Try both:</p>"},
    {PeerRichLabel, 24, 104, 333, 13,
     "<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"48\"><span style=\"color:#800080\"><b>Ctrl+L</b></span></td><td>Local hot key, only works if an application form is active.</td></tr></table>"},
    {PeerRichLabel, 24, 124, 333, 13,
     "<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"48\"><span style=\"color:#800080\"><b>Ctrl+G</b></span></td><td>Global hot key, works no matter what application is active.</td></tr></table>"},
};
inline constexpr PeerItem PeerPage10Items[] = {
    {PeerRichLabel, 8, 16, 257, 26,
     "<p style=\"margin:0\"><b>TVQAboutDialog</b> and <b>TVQTipDialog</b>: about boxes and tips of the day.</p>"},
    {PeerButton, 292, 16, 89, 25,
     "About..."},
    {PeerButton, 292, 48, 89, 25,
     "Tips..."},
};
inline constexpr PeerItem PeerPage11Items[] = {
    {PeerRichLabel, 8, 16, 373, 26,
     "<p style=\"margin:0\">Browse <b>program folders</b>, <b>paths</b> and <b>networks</b>, find <b>system folders</b> and make <b>shortcuts</b>.</p>"},
    {PeerEdit, 20, 62, 261, 21,
     ""},
    {PeerButton, 292, 60, 89, 25,
     "Programs..."},
    {PeerEdit, 20, 92, 261, 21,
     ""},
    {PeerButton, 292, 90, 89, 25,
     "Folders..."},
    {PeerEdit, 20, 122, 261, 21,
     "Sample Shortcut"},
    {PeerButton, 292, 120, 89, 25,
     "Make Shortcut"},
};

inline constexpr PeerPage PeerPages[] = {
    {"Welcome!", PeerPage0Items, 1},
    {"Border, Image, and Meter", PeerPage1Items, 2},
    {"Bitmap button", PeerPage2Items, 2},
    {"Menu button and Splitter", PeerPage3Items, 2},
    {"Calendar", PeerPage4Items, 4},
    {"Rich label", PeerPage5Items, 1},
    {"Anim image", PeerPage6Items, 3},
    {"Tray icon", PeerPage7Items, 3},
    {"Wizard", PeerPage8Items, 2},
    {"Hot key", PeerPage9Items, 3},
    {"Dialog controls", PeerPage10Items, 3},
    {"Shell functions", PeerPage11Items, 7},
};

inline constexpr PeerItem PeerWindowItems[] = {
    {PeerButton, 308, 308, 105, 25, "Access Web Site"},
    {PeerButton, 308, 340, 105, 25, "Order Information"},
};

// clang-format on
