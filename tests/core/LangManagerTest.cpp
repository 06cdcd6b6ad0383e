#include "core/LangManager.h"

#include "core/CodePages.h"
#include "core/LanguageFile.h"
#include "core/VelkarisError.h"
#include "core/messages/BuiltInCatalogue.h"
#include "core/messages/CatalogueFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

QByteArray Utf16File(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

const QString EnglishText =
    QStringLiteral("; English\r\nLANGID=1033\r\n[$CONSTANTS]\r\nplanetName01=Sun\r\n");

// Accented Hungarian letters in a translation that differs from the built-in texts.
const QString SampleText =
    QStringLiteral("LANGID = 1038\r\n"
                   "[$Constants]\r\n"
                   "planetName03 = Merkúr bolygó\r\n"
                   "ZODIACNAME01=Kos (tűz)\r\n"
                   "aspectName01=Első\\nMásodik\\tHarmadik \\\\ \\x \\13\\10vége\r\n"
                   "ismeretlenNev=ignored\r\n"
                   "[fMain]\r\n"
                   "00000001=Főablak\r\n"
                   "abc=skipped\r\n"
                   "2=Második felirat\r\n");

} // namespace

TEST(CatalogueFormat, UnescapesAsLanguageFilesDo) {
    struct {
        QString in, out;
    } cases[] = {
        {"a\\\\b", "a\\b"},    {"a\\nb", "a\r\nb"}, {"a\\tb", "a\tb"},
        {"\\13\\10", "\r\n"},  {"\\x41", "\\x41"},  {"end\\", "end\\"},
        {"\\32lead", " lead"}, {"\\9", "\\9"},      {"100%", "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnescapeCatalogueText(c.in), c.out) << c.in.toStdString();
}

TEST(CatalogueFormat, BlockRoundTripAndOlderLayouts) {
    const std::vector<TCatalogueText> entries = {{"aName", "Első ő"}, {"bName", ""}};
    const QByteArray block = WriteCatalogueBlock(entries);
    EXPECT_EQ(block.at(0), 2);
    const auto read = ReadCatalogueBlock(block);
    ASSERT_EQ(read.index(), 0u);
    const auto& back = std::get<0>(read);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Text, QStringLiteral("Első ő"));
    EXPECT_TRUE(back[1].Text.isEmpty());

    // Layout 1: byte counts and 8-bit text in the Hungarian code page.
    const char header[] = {1, 1, 1, 0, 0, 0, 2, 0, 'a', 'b', 3, 0};
    QByteArray v1(header, sizeof(header));
    v1.append(*EncodeCharset(QStringLiteral("őűÁ"), "CP1250"));
    const auto old = ReadCatalogueBlock(v1);
    ASSERT_EQ(old.index(), 0u);
    EXPECT_EQ(std::get<0>(old).at(0).Text, QStringLiteral("őűÁ"));

    QByteArray v3 = block;
    v3[0] = 3;
    const auto refused = ReadCatalogueBlock(v3);
    ASSERT_EQ(refused.index(), 1u);
    EXPECT_EQ(std::get<1>(refused),
              QStringLiteral("Stream version (3) is greater than the current one (2)"));
    for (qsizetype cut : {1, 5, 8, 12, static_cast<int>(block.size()) - 1})
        EXPECT_EQ(ReadCatalogueBlock(QByteArrayView(block).first(cut)).index(), 1u) << cut;
}

TEST(BuiltInCatalogue, HoldsEveryTextOfTheSource) {
    QFile source(QStringLiteral(VELKARIS_SOURCE_DIR "/core/messages/Messages.hu.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const auto parsed = ParseCatalogueSource(QString::fromUtf8(source.readAll()));
    ASSERT_EQ(parsed.index(), 0u) << std::get<1>(parsed).toStdString();
    const auto& entries = std::get<0>(parsed);
    const LangManager catalogue(BuiltInCatalogueBlock());
    EXPECT_EQ(catalogue.ConstantCount(), static_cast<int>(entries.size()));
    for (const TCatalogueText& e : entries)
        EXPECT_EQ(catalogue.GetMessageText(e.Name), e.Text) << e.Name.toStdString();
    EXPECT_EQ(catalogue.GetMessageText(u"uZentavoMain_RestoreSettingsQuestion"),
              QStringLiteral("Az alapértelmezések visszaállításával a jelenlegi beállítások "
                             "elvesznek!\r\nValóban vissza szeretné állítani az eredeti "
                             "(\"HAI\") beállításokat?"));
}

TEST(BuiltInCatalogue, LookupIsCaseInsensitiveAndMissingNamesFail) {
    LangManager& m = LangManager::Instance();
    EXPECT_EQ(m.GetMessageText(u"PLANETNAME03"), m.GetMessageText(u"planetName03"));
    EXPECT_EQ(m.GetMessageText(u"planetName03"), QStringLiteral("Merkúr"));
    try {
        m.GetMessageText(u"noSuchConstant");
        FAIL() << "no error";
    } catch (const EVelkarisError& e) {
        EXPECT_EQ(e.UserText(), QStringLiteral("Constant \"noSuchConstant\" not found"));
    }
}

TEST(BuiltInCatalogue, EveryConstantTheCodeNamesExists) {
    // Direct lookups are written GetMessageText(u"name"); the table-driven families are
    // checked by the catalogue tests.
    static const QRegularExpression use(
        QStringLiteral("GetMessageText\\(\\s*u\"([A-Za-z_][A-Za-z0-9_]*)\""));
    const LangManager catalogue(BuiltInCatalogueBlock());
    int found = 0;
    for (const char* layer : {"core", "data", "calc", "render", "app", "notes"}) {
        QDirIterator it(QStringLiteral(VELKARIS_SOURCE_DIR "/%1").arg(QLatin1String(layer)),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(f.readAll());
            for (const auto& m : use.globalMatch(code)) {
                ++found;
                EXPECT_TRUE(catalogue.Contains(m.captured(1)))
                    << m.captured(1).toStdString() << " in " << f.fileName().toStdString();
            }
        }
    }
    EXPECT_GT(found, 0);
}

TEST(LanguageFile, Utf16AndWindows1250ReadTheSame) {
    const auto fromUtf16 = TLanguageFile::Parse(Utf16File(SampleText));
    const auto fromAnsi = TLanguageFile::Parse(*EncodeCharset(SampleText, "CP1250"));
    ASSERT_EQ(fromUtf16.index(), 0u) << std::get<1>(fromUtf16).toStdString();
    ASSERT_EQ(fromAnsi.index(), 0u) << std::get<1>(fromAnsi).toStdString();
    for (const auto* f : {&std::get<0>(fromUtf16), &std::get<0>(fromAnsi)}) {
        EXPECT_EQ(f->LanguageId, 1038);
        ASSERT_EQ(f->Constants.size(), 4);
        EXPECT_EQ(f->Constants[0].second, QStringLiteral("Merkúr bolygó"));
        EXPECT_EQ(f->Constants[1].second, QStringLiteral("Kos (tűz)"));
        EXPECT_EQ(f->Constants[2].second,
                  QStringLiteral("Első\r\nMásodik\tHarmadik \\ \\x \r\nvége"));
        EXPECT_EQ(f->WindowTexts.value("FMAIN").value(1), QStringLiteral("Főablak"));
        EXPECT_EQ(f->WindowTexts.value("FMAIN").value(2), QStringLiteral("Második felirat"));
        EXPECT_EQ(f->WindowTexts.value("FMAIN").size(), 2);
    }
}

TEST(LanguageFile, BadFilesGiveTheirLineAndReason) {
    struct {
        const char* what;
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"bad name", Utf16File("LANGID=1038\r\n[$CONSTANTS]\r\n9lives=x\r\n"),
         "Loading translations failed.\r\nLine 2: Invalid constant name (\"9lives\")"},
        {"duplicate", Utf16File("LANGID=1038\r\n[$CONSTANTS]\r\na=1\r\n\r\nA=2\r\n"),
         "Loading translations failed.\r\nLine 4: Duplicate constant name (\"A\")"},
        {"binary junk",
         QByteArray("LANGID=1038\n[$CONSTANTS]\na=\x01\x02") + QByteArray(1, '\0') + "\x03",
         "Loading translations failed.\r\nLine 2: the line holds characters that are not text"},
        {"truncated UTF-16", Utf16File("LANGID=1038\r\nx").chopped(1),
         "Loading translations failed.\r\nLine 1: truncated UTF-16 text"},
        {"byte outside the code page", QByteArray("LANGID=1038\n[$CONSTANTS]\na=\x98\n"),
         "Loading translations failed.\r\nLine 2: not a text of code page 1250"},
    };
    for (const auto& c : cases) {
        const auto parsed = TLanguageFile::Parse(c.bytes);
        ASSERT_EQ(parsed.index(), 1u) << c.what;
        EXPECT_EQ(std::get<1>(parsed), c.error) << c.what;
    }
    EXPECT_FALSE(TLanguageFile::ParseHeader(Utf16File("LANGID=zero\r\n")).LanguageId);
    EXPECT_FALSE(TLanguageFile::ParseHeader(Utf16File("LANGID=70000\r\n")).LanguageId);
    EXPECT_FALSE(
        TLanguageFile::ParseHeader(Utf16File("[$CONSTANTS]\r\nLANGID=1038\r\n")).LanguageId);
}

TEST(LangManager, NoLanguageFilesMeansTheBuiltInTexts) {
    QTemporaryDir dir;
    LangManager m(BuiltInCatalogueBlock());
    EXPECT_EQ(m.FindLanguageFiles(dir.path(), QStringLiteral("*.lng"), false), 0);
    EXPECT_EQ(m.LanguageCount(), 1);
    EXPECT_EQ(m.SelectLanguage(LangManager::Hungarian), std::nullopt);
    EXPECT_EQ(m.CurrentLanguageId(), 1033);
    EXPECT_EQ(m.ChartLabelFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(m.GetMessageText(u"planetName03"), QStringLiteral("Merkúr"));
}

TEST(LangManager, SwitchingLanguages) {
    QTemporaryDir dir;
    WriteFile(dir, "english.lng", Utf16File(EnglishText));
    WriteFile(dir, "magyar.lng", *EncodeCharset(SampleText, "CP1250"));
    WriteFile(dir, "german.lng",
              Utf16File("LANGID=1031\r\n[$CONSTANTS]\r\nzodiacName02=Stier\r\n"));
    WriteFile(dir, "broken.lng", Utf16File("LANGID=1049\r\n[$CONSTANTS]\r\n1x=y\r\n"));
    WriteFile(dir, "notes.txt", "LANGID=1040\n");
    QDir(dir.path()).mkdir("sub");
    WriteFile(dir, "sub/deep.lng", Utf16File("LANGID=1040\r\n"));

    LangManager m(BuiltInCatalogueBlock());
    QSignalSpy changed(&m, &LangManager::LanguageChanged);
    // English is counted but never registered.
    EXPECT_EQ(m.FindLanguageFiles(dir.path(), QStringLiteral("*.lng"), false), 4);
    EXPECT_EQ(m.LanguageCount(), 4);
    EXPECT_EQ(m.LanguageIdAt(0), 1033);
    EXPECT_EQ(m.LanguageIdAt(1), 1049); // file order: broken, german, magyar
    EXPECT_EQ(m.LanguageIdAt(2), 1031);
    EXPECT_EQ(m.LanguageIdAt(3), 1038);

    EXPECT_EQ(m.SelectLanguage(1038), std::nullopt);
    EXPECT_EQ(m.CurrentLanguageId(), 1038);
    EXPECT_EQ(m.GetMessageText(u"planetName03"), QStringLiteral("Merkúr bolygó"));
    EXPECT_EQ(m.WindowTexts("fMain").value(1), QStringLiteral("Főablak"));
    EXPECT_EQ(m.ChartLabelFontName(), QStringLiteral("Arial"));

    // German lacks planetName03: it keeps the Hungarian file's text.
    EXPECT_EQ(m.SelectLanguage(1031), std::nullopt);
    EXPECT_EQ(m.GetMessageText(u"zodiacName02"), QStringLiteral("Stier"));
    EXPECT_EQ(m.GetMessageText(u"planetName03"), QStringLiteral("Merkúr bolygó"));
    EXPECT_TRUE(m.WindowTexts("fMain").isEmpty());
    EXPECT_EQ(m.ChartLabelFontName(), QStringLiteral("Tahoma"));

    // A broken file: the error, and the language stays.
    const auto error = m.SelectLanguage(1049);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(QStringLiteral("Loading translations failed.\r\nLine 2:")));
    EXPECT_EQ(m.CurrentLanguageId(), 1031);

    // An id without a file changes nothing; the built-in language restores everything.
    EXPECT_EQ(m.SelectLanguage(1040), std::nullopt);
    EXPECT_EQ(m.CurrentLanguageId(), 1031);
    EXPECT_EQ(m.SelectLanguage(1033), std::nullopt);
    EXPECT_EQ(m.GetMessageText(u"planetName03"), QStringLiteral("Merkúr"));
    EXPECT_EQ(m.GetMessageText(u"zodiacName02"), QStringLiteral("Bika"));
    EXPECT_EQ(changed.count(), 3);

    EXPECT_EQ(m.FindLanguageFiles(dir.path(), QStringLiteral("*.lng"), true), 5);
    EXPECT_EQ(m.LanguageCount(), 5);
}
