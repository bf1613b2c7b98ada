// The documents the reader builds, pinned: the benchmark's generated document and every rich text
// the demo's windows store read to exactly the blocks, block and mark formats, lists and fragments
// they read to when these digests were taken. A faster way of filling the document must not change
// what is in it. On a mismatch the dump is left in the temporary folder for diffing against one
// taken before the change.
#include "RtfTestUtil.h"
#include "bench/RtfBenchContent.h"
#include "framework/classes/FormParser.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

void CollectRichTexts(const TFormObjectNode& node, const std::string& form,
                      std::vector<std::pair<std::string, QByteArray>>& out) {
    for (const TFormPropNode& p : node.Props)
        if (p.Name == "RichText")
            // As the rich label's property takes it: RTF bytes as a Latin-1 string.
            out.emplace_back(form + "." + std::string(node.Name),
                             QString::fromStdString(p.Value.Str).toLatin1());
    for (const TFormObjectNode& child : node.Children)
        CollectRichTexts(child, form, out);
}

// Every RichText value of the demo's form descriptions, named form.object.
std::vector<std::pair<std::string, QByteArray>> DemoRichTexts() {
    std::vector<std::pair<std::string, QByteArray>> texts;
    const QDir dir(QStringLiteral(VQ_SOURCE_DIR "/resources/forms"));
    for (const QString& f : dir.entryList({QStringLiteral("*.vqf")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(f));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray text = file.readAll();
        const TFormObjectNode root =
            TFormParser::Parse(std::string_view(text.constData(), size_t(text.size())), f);
        CollectRichTexts(root, f.toStdString(), texts);
    }
    return texts;
}

QByteArray Digest(const QString& dump) {
    return QCryptographicHash::hash(dump.toUtf8(), QCryptographicHash::Sha1).toHex();
}

QString KeepDump(const std::string& name, const QString& dump) {
    const QString path =
        QDir::temp().filePath(QStringLiteral("rtf-dump-%1.txt").arg(QString::fromStdString(name)));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(dump.toUtf8());
    return path;
}

} // namespace

TEST(RtfReaderDocument, BuildsTheSameDocumentsAsBefore) {
    // Digests of DumpDocument of each source.
    const std::map<std::string, QByteArray> expected = {
        {"Form4.vqf.VQRichLabel1", "9843e9acc537679750c07de4cd528970c994109d"},
        {"Form4.vqf.VQRichLabel3", "7f78788e75acf503f5f78b2710a7419c1ebf9723"},
        {"Form4.vqf.VQRichLabel2", "103c0f14f048a5be061c2a0343cefd507108438d"},
        {"Form4.vqf.VQRichLabel4", "cd31e0e7735c1290a90db5946d41d26e4cbffeea"},
        {"Form4.vqf.VQRichLabel5", "aa02fe1576f793cd4f8e0cbf75ca709bf4140630"},
        {"Form4.vqf.VQRichLabel6", "b87bb59d4eb91e37fd4000d154ab7751efa536ba"},
        {"Form4.vqf.VQRichLabel7", "084345a72473f0589e861453510d9d70bb321801"},
        {"Form4.vqf.VQRichLabel8", "c7c520c59f9190454198a89590c76e8c64145958"},
        {"Form4.vqf.VQRichLabel9", "6f89b5dd67fe89c99bc6f1082c0958272530b303"},
        {"Form4.vqf.VQRichLabel10", "8ebdab1efc717b34a26d21a170489b3aabed8070"},
        {"MainForm.vqf.VQRichLabel9", "8463b34e8ff03f12ab1e2867e9ba4a8ebb60e300"},
        {"MainForm.vqf.VQRichLabel6", "bf9cca6be4c1acf11048a083189c1cbccf207932"},
        {"MainForm.vqf.VQRichLabel14", "8fed9b359dcf8b6cf5e83ff3cf03d13fd3cc7fee"},
        {"MainForm.vqf.VQRichLabel5", "3ef5a907e2b3753e6724239d0c29f41023eacef1"},
        {"MainForm.vqf.VQRichLabel4", "fe2e9d1f5cebb79b71910b039f2e1d0983bbb81b"},
        {"MainForm.vqf.VQRichLabel7", "cdb1d75ac0459ee453a2b1c187143c9f0e34dd08"},
        {"MainForm.vqf.VQRichLabel13", "1b159a8360806d6a2c635766ac4aaed516a98fdc"},
        {"MainForm.vqf.VQRichLabel2", "8857fb0bb263e2ae916f31b63a15e05958fdc0b1"},
        {"MainForm.vqf.VQRichLabel15", "e17e86bc8ae7a9ab99952c007c8892c205864f71"},
        {"MainForm.vqf.VQRichLabel8", "dd1ab21a632b3994757613f816be875ab08a31db"},
        {"MainForm.vqf.VQRichLabel10", "58e2b1e90dbe479c647ca6014db04386b8eb8f4d"},
        {"MainForm.vqf.VQRichLabel11", "4b30305aadb75f289abd0331a5751eff9fc30538"},
        {"MainForm.vqf.VQRichLabel12", "0e72f3f146e532c8b47cd375c99fd27ad72cdd3a"},
        {"MainForm.vqf.VQRichLabel1", "d9b28c0d32d528fc7e71420b73afdb22240ecc54"},
        {"MainForm.vqf.VQRichLabel3", "2409be030cbc4adc1ee22ac7476d66b98f0e1b35"},
        {"OrderForm.vqf.VQRichLabel1", "be2a79837a00ae07ec6b86a75e754e465795cdc5"},
        {"OrderForm.vqf.VQRichEdit1", "94b5e556562f3fe8389a44087191b4f41c519d3c"},
        {"OrderForm.vqf.VQRichLabel2", "5013d6d3c623bd3d87e2d8bd00a407a0748e74ab"},
        {"bench", "7ae4f04788171d14f9973e76526f5da26284834f"},
    };
    std::vector<std::pair<std::string, QByteArray>> sources = DemoRichTexts();
    ASSERT_EQ(sources.size(), 28u); // the main window's, the order form's and Form4's texts
    sources.emplace_back("bench", RtfBench::MakeContent(1 << 20).Rtf);
    for (const auto& [name, rtf] : sources) {
        QString error;
        const auto doc = ReadRtf(rtf, &error);
        ASSERT_TRUE(doc) << name << ": " << qPrintable(error);
        const QString dump = DumpDocument(*doc);
        const QByteArray digest = Digest(dump);
        const auto it = expected.find(name);
        if (it == expected.end() || it->second != digest)
            ADD_FAILURE() << "{\"" << name << "\", \"" << digest.constData() << "\"}, dump in "
                          << qPrintable(KeepDump(name, dump));
    }
}
