#include "framework/graphics/Graphics.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/Metafile.h"
#include "framework/graphics/Pen.h"
#include "framework/graphics/Picture.h"

#include <QGuiApplication>
#include <iterator>

namespace {

// Where each system colour is read from, by its COLOR_ index; NoRole: black.
struct TSystemRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};
constexpr QPalette::ColorGroup Active = QPalette::Active;
constexpr QPalette::ColorGroup Disabled = QPalette::Disabled;
constexpr TSystemRole SystemRoles[] = {
    {Active, QPalette::Button},          // COLOR_SCROLLBAR
    {Active, QPalette::Dark},            // COLOR_BACKGROUND
    {Active, QPalette::Highlight},       // COLOR_ACTIVECAPTION
    {Active, QPalette::Dark},            // COLOR_INACTIVECAPTION
    {Active, QPalette::Window},          // COLOR_MENU
    {Active, QPalette::Base},            // COLOR_WINDOW
    {Active, QPalette::WindowText},      // COLOR_WINDOWFRAME
    {Active, QPalette::WindowText},      // COLOR_MENUTEXT
    {Active, QPalette::Text},            // COLOR_WINDOWTEXT
    {Active, QPalette::HighlightedText}, // COLOR_CAPTIONTEXT
    {Active, QPalette::Button},          // COLOR_ACTIVEBORDER
    {Active, QPalette::Button},          // COLOR_INACTIVEBORDER
    {Active, QPalette::Mid},             // COLOR_APPWORKSPACE
    {Active, QPalette::Highlight},       // COLOR_HIGHLIGHT
    {Active, QPalette::HighlightedText}, // COLOR_HIGHLIGHTTEXT
    {Active, QPalette::Button},          // COLOR_BTNFACE
    {Active, QPalette::Dark},            // COLOR_BTNSHADOW
    {Disabled, QPalette::Text},          // COLOR_GRAYTEXT
    {Active, QPalette::ButtonText},      // COLOR_BTNTEXT
    {Disabled, QPalette::WindowText},    // COLOR_INACTIVECAPTIONTEXT
    {Active, QPalette::Light},           // COLOR_BTNHIGHLIGHT
    {Active, QPalette::Shadow},          // COLOR_3DDKSHADOW
    {Active, QPalette::Midlight},        // COLOR_3DLIGHT
    {Active, QPalette::ToolTipText},     // COLOR_INFOTEXT
    {Active, QPalette::ToolTipBase},     // COLOR_INFOBK
    {Active, QPalette::NoRole},          // 25, unused
    // Later additions of the platform: hot-tracked links, caption gradients, flat menus.
    {Active, QPalette::Link},      // 26
    {Active, QPalette::Highlight}, // 27
    {Active, QPalette::Dark},      // 28
    {Active, QPalette::Highlight}, // 29
    {Active, QPalette::Window},    // 30
};

const TSystemRole* SystemRole(TColor color) {
    const uint32_t index = uint32_t(color) & 0xFF;
    if (!IsSystemColor(color) || index >= std::size(SystemRoles)) return nullptr;
    const TSystemRole& role = SystemRoles[index];
    return role.Role == QPalette::NoRole ? nullptr : &role;
}

QPalette AppPalette() {
    // Without an application object there is no palette to follow; Qt's default one stands in.
    return qApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

TColor ColorToRGB(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color)) return color;
    const TSystemRole* role = SystemRole(color);
    if (!role) return RGB(0, 0, 0);
    const QColor c = palette.color(role->Group, role->Role);
    return RGB(c.red(), c.green(), c.blue());
}

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color)) return color;
    return ColorToRGB(color, AppPalette());
}

void SetSystemColor(TColor systemColor, TColor rgb) {
    const TSystemRole* role = SystemRole(systemColor);
    if (!role || IsSystemColor(rgb) || !qApp) return;
    QPalette palette = QGuiApplication::palette();
    const QColor c(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    // A colour read from the active group stands for the enabled states, as one classic value.
    if (role->Group == QPalette::Disabled) {
        palette.setColor(QPalette::Disabled, role->Role, c);
    } else {
        palette.setColor(QPalette::Active, role->Role, c);
        palette.setColor(QPalette::Inactive, role->Role, c);
    }
    QGuiApplication::setPalette(palette);
}

QColor ColorToQColor(TColor color) {
    if (color == clNone) return QColor(0, 0, 0, 0);
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QColorToColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

QRgb ColorToQRgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

void RegisterGraphicsClasses() {
    RegisterClassesOf<TFont, TPen, TBrush, TBitmap, TIcon, TMetafile, TPicture, TImageList>();
}
