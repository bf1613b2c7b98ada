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

namespace {

QColor SystemColor(int index, const QPalette& pal) {
    using P = QPalette;
    switch (index) {
    case COLOR_SCROLLBAR:
        return pal.color(P::Active, P::Button);
    case COLOR_BACKGROUND:
        return pal.color(P::Active, P::Dark);
    case COLOR_ACTIVECAPTION:
        return pal.color(P::Active, P::Highlight);
    case COLOR_INACTIVECAPTION:
        return pal.color(P::Active, P::Dark);
    case COLOR_MENU:
        return pal.color(P::Active, P::Window);
    case COLOR_WINDOW:
        return pal.color(P::Active, P::Base);
    case COLOR_WINDOWFRAME:
        return pal.color(P::Active, P::WindowText);
    case COLOR_MENUTEXT:
        return pal.color(P::Active, P::WindowText);
    case COLOR_WINDOWTEXT:
        return pal.color(P::Active, P::Text);
    case COLOR_CAPTIONTEXT:
        return pal.color(P::Active, P::HighlightedText);
    case COLOR_ACTIVEBORDER:
    case COLOR_INACTIVEBORDER:
        return pal.color(P::Active, P::Button);
    case COLOR_APPWORKSPACE:
        return pal.color(P::Active, P::Mid);
    case COLOR_HIGHLIGHT:
        return pal.color(P::Active, P::Highlight);
    case COLOR_HIGHLIGHTTEXT:
        return pal.color(P::Active, P::HighlightedText);
    case COLOR_BTNFACE:
        return pal.color(P::Active, P::Button);
    case COLOR_BTNSHADOW:
        return pal.color(P::Active, P::Dark);
    case COLOR_GRAYTEXT:
        return pal.color(P::Disabled, P::Text);
    case COLOR_BTNTEXT:
        return pal.color(P::Active, P::ButtonText);
    case COLOR_INACTIVECAPTIONTEXT:
        return pal.color(P::Disabled, P::WindowText);
    case COLOR_BTNHIGHLIGHT:
        return pal.color(P::Active, P::Light);
    case COLOR_3DDKSHADOW:
        return pal.color(P::Active, P::Shadow);
    case COLOR_3DLIGHT:
        return pal.color(P::Active, P::Midlight);
    case COLOR_INFOTEXT:
        return pal.color(P::Active, P::ToolTipText);
    case COLOR_INFOBK:
        return pal.color(P::Active, P::ToolTipBase);
    // Later additions of the platform: hot-tracked links, caption gradients, flat menus.
    case 26:
        return pal.color(P::Active, P::Link);
    case 27:
        return pal.color(P::Active, P::Highlight);
    case 28:
        return pal.color(P::Active, P::Dark);
    case 29:
        return pal.color(P::Active, P::Highlight);
    case 30:
        return pal.color(P::Active, P::Window);
    default:
        return QColor(0, 0, 0);
    }
}

QPalette AppPalette() {
    // Without an application object there is no palette to follow; Qt's default one stands in.
    return qApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

TColor ColorToRGB(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color)) return color;
    const QColor c = SystemColor(int(uint32_t(color) & 0xFF), palette);
    return RGB(c.red(), c.green(), c.blue());
}

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color)) return color;
    return ColorToRGB(color, AppPalette());
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
