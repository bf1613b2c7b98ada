// resources/forms/OrderForm.vqf, the order window: two rich labels, the resellers in a
// read-only rich edit, and the button with the cart of resources/pictures/Cart.bmp. Every
// reseller, address, host and number here is invented: hosts under example.com and example.org,
// telephone numbers in the 555-01xx range set aside for fiction.

#include "tools/formgen/FormGen.h"

namespace {

struct TReseller {
    const char *Name, *Address, *Phone, *Fax, *Mail, *Web;
};
struct TRegion {
    const char* Name;
    std::vector<TReseller> Resellers;
};

const TRegion kRegions[] = {
    {"North America",
     {{"Blue Heron Developer Shop", "1200 Example Avenue, Suite 4, Sampleton", "555-0142",
       "555-0143", "orders@blueheron.example.com", "www.blueheron.example.com"},
      {"Kestrel Code Outlet", "77 Placeholder Road, Exampleburg", "555-0157", "555-0158",
       "sales@kestrel.example.org", "www.kestrel.example.org"}}},
    {"Europe",
     {{"Larkspur Programmer's Store", "Musterweg 12, Beispielstadt", "555-0161", "555-0162",
       "info@larkspur.example.com", "www.larkspur.example.com"},
      {"Tidewater Toolbox", "3 Sample Quay, Fictionport", "555-0174", "555-0175",
       "shop@tidewater.example.org", "www.tidewater.example.org"},
      {"Fennimore Component Depot", "Rue de l'Exemple 8, Villefictive", "555-0186", "555-0187",
       "depot@fennimore.example.com", "www.fennimore.example.com"}}},
    {"Asia and Pacific",
     {{"Southern Cross Software Supply", "45 Specimen Street, Demo Bay", "555-0191", "555-0192",
       "orders@southerncross.example.org", "www.southerncross.example.org"}}},
};

// A navy heading per region, a bullet per reseller: the name in bold, then the address and
// contact lines.
TDocument Resellers() {
    TDocument doc;
    for (const TRegion& region : kRegions) {
        doc.push_back({B(region.Name, {.Color = kNavy})});
        for (const TReseller& r : region.Resellers) {
            const QString lines = QStringLiteral("\u2028%1\u2028Phone %2, Fax %3\u2028%4, %5")
                                      .arg(QString::fromUtf8(r.Address), QString::fromUtf8(r.Phone),
                                           QString::fromUtf8(r.Fax), QString::fromUtf8(r.Mail),
                                           QString::fromUtf8(r.Web));
            doc.push_back(TPara({B(r.Name), {lines, {}}}, true));
        }
    }
    return doc;
}

} // namespace

std::string OrderFormDescription() {
    TFormBuilder f("TOrderFm", "OrderFm");
    TComponent* root = f.Root()
                           .Set("Left", 200)
                           .Set("Top", 120)
                           .Set("BorderIcons", Id("[biSystemMenu]"))
                           .Set("BorderStyle", Id("bsDialog"))
                           .Set("Caption", "Order Information")
                           .Set("ClientHeight", 305)
                           .Set("ClientWidth", 427)
                           .Set("Font.Color", Id("clWindowText"))
                           .Set("Font.Height", -11)
                           .Set("Font.Name", "MS Sans Serif")
                           .Set("Position", Id("poScreenCenter"))
                           .Set("PixelsPerInch", 96)
                           .Set("TextHeight", 13);
    const auto label = [&](const char* name, int l, int t, int w, int h, int tabOrder,
                           const TDocument& doc) {
        f.Make(root, "TVQRichLabel", name)
            .Set("RichText", RichText(doc)) // first: the size stored is the designed one
            .Bounds(l, t, w, h)
            .Set("ParentColor", true)
            .Set("TabOrder", tabOrder)
            .Set("TabStop", false);
    };
    label("VQRichLabel1", 12, 12, 405, 78, 0,
          {{B("Varnholt Quill Controls 2"),
            T(" is shipping now at a suggested price of US$ 99. The package holds everything "
              "shown in this demo, plus the complete source code of every component.")},
           {},
           {T("Order from one of the resellers listed below, or from any reseller of "
              "programming tools.")}});
    f.Make(root, "TLabel", "Label1")
        .Bounds(12, 108, 198, 13)
        .Set("Caption", "Scroll this list to find a reseller in your area.");
    f.Make(root, "TVQRichEdit", "VQRichEdit1")
        .Bounds(12, 128, 401, 101)
        .Set("ReadOnly", true)
        .Set("ScrollBars", Id("ssVertical"))
        .Set("TabOrder", 1)
        .Set("RichText", RichText(Resellers()));
    label("VQRichLabel2", 12, 240, 313, 52, 2,
          {{T("No reseller near you? Order directly through our "), B("online order system"),
            T(", or by e-mail, fax or telephone: press "), B("Order Online"),
            T(" for the details.")}});
    f.Make(root, "TBitBtn", "BitBtn1")
        .Bounds(340, 240, 75, 57)
        .Set("Caption", "Order Online")
        .Set("TabOrder", 3)
        .On("OnClick", "BitBtn1Click")
        .Picture("Glyph", "resources/pictures/Cart.bmp")
        .Set("Layout", Id("blGlyphTop"));
    return f.Write();
}
