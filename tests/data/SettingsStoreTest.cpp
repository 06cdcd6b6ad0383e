#include "common/TestSupport.h"
#include "core/IniDocument.h"
#include "core/Messages.h"
#include "core/UserNotifier.h"
#include "core/ZentavoConsts.h"
#include "data/ProgramFolders.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"
#include "data/UserRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <vector>

using namespace velkaris;
using namespace velkaris::test;

namespace {

namespace S = SettingsSection;
namespace K = SettingsKey;

const QString SaveError = QStringLiteral("Nem sikerült a Beállítások fájl mentése!");

QString L1(const char* text) {
    return QString::fromLatin1(text);
}

std::optional<QString> RawValueInFile(const QString& path, const QString& section,
                                      const QString& key) {
    const auto doc = TIniDocument::LoadFile(path);
    return doc ? doc->RawValue(section, key) : std::nullopt;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Limits the size of the files this process may write, as a full disk would; writes past
/// the limit fail with EFBIG instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_Old);
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_OldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_Old{};
    void (*m_OldHandler)(int) = nullptr;
};

/// Every test gets its own home folder and its own registry.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        qputenv("XDG_CONFIG_HOME", Temp.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("VELKARIS_HOME", Temp.filePath(QStringLiteral("home")).toLocal8Bit());
        Home = TProgramFolders::Resolve().Home();
        Registry.emplace();
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("VELKARIS_HOME");
    }

    TSettingsINIFileLoader MakeLoader() {
        return TSettingsINIFileLoader(Home, &*Registry, &Notifier);
    }
    QString DefaultFile() const { return Home + QStringLiteral("/data/settings.ini"); }
    QString RegistryValue() const {
        return Registry->ReadString(RegistryKey::SettingsFile,
                                    RegistryKey::SettingsFileNameAndPath);
    }
    void SetRegistryValue(const QString& value) {
        ASSERT_EQ(Registry->WriteString(RegistryKey::SettingsFile,
                                        RegistryKey::SettingsFileNameAndPath, value),
                  std::nullopt);
    }
    /// A settings file holding `entries` (section, key, value) and nothing else.
    QString WriteSettingsFile(const QString& name,
                              const std::vector<std::array<const char*, 3>>& entries) {
        TIniDocument doc;
        for (const auto& [section, key, value] : entries)
            doc.WriteString(L1(section), L1(key), L1(value));
        const QString path = Temp.filePath(name);
        EXPECT_EQ(doc.SaveFile(path), std::nullopt);
        return path;
    }

    QTemporaryDir Temp;
    QString Home;
    std::optional<TUserRegistry> Registry;
    TRecordingNotifier Notifier;
};

/// A store holding the restored defaults and the provider over it.
struct TDefaultStore {
    TDefaultStore() { Store.RestoreDefaults(); }
    TSettingsINIFileLoader Store;
    TSettingsProvider Settings{Store};
};

} // namespace

TEST_F(SettingsStore, FirstStartWritesTheDefaultsInTheirOrderAndEncoding) {
    TSettingsINIFileLoader loader = MakeLoader();
    EXPECT_TRUE(loader.OpenAtStartUp());
    EXPECT_EQ(loader.FileName(), DefaultFile());
    EXPECT_EQ(RegistryValue(), DefaultFile());
    ASSERT_TRUE(loader.SaveStore());
    EXPECT_TRUE(Notifier.Texts.isEmpty());

    const QByteArray bytes = FileBytes(DefaultFile());
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    ASSERT_EQ(bytes.size() % 2, 0);
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData()) + 1, bytes.size() / 2 - 1);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[chkbZodiakusJelek]\r\nKOS=1\r\nBIKA=1\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(QLatin1Char('\r')));

    // Section and number of keys, in file order.
    const std::vector<std::pair<const char*, int>> expected = {
        {"chkbZodiakusJelek", 13},
        {"chkbHazHatarok", 12},
        {"chkbHazSzamok", 12},
        {"chkbTengelyek", 8},
        {"chkbBolygok", 10},
        {"chkbKisBolygok", 15},
        {"chkbFixedStars", 2},
        {"chkbHoldcsomo", 2},
        {"chkbHoldocsomoTipus", 2},
        {"chkbFenyszogek", 12},
        {"chkbFenyszogekFixedStars", 12},
        {"chkbFenyszogJelek", 12},
        {"chkbFenyszogVonalak", 1},
        {"chkbFenyszogeltTengelyek", 4},
        {"chkbFenyszogeltCsompontok", 2},
        {"chkbFenyszogeltHazak", 12},
        {"chkbFenyszogeltBolygok", 10},
        {"chkbFenyszogeltKisBolygok", 8},
        {"chkbEgyebMegjelenitesek", 10},
        {"chkbFokjelolok", 5},
        {"rgrpEnallapotJelolMod", 1},
        {"grpBetumeretSzorzo", 1},
        {"chkbProgressziok", 2},
        {"chkbJegyzethezSzimbolum", 1},
        {"rgrpTobbKepletMegjelenitese", 1},
        {"rgrpTobbKepletElhelyezese", 1},
        {"chkbProgresszioIrany", 1},
        {"chkbBolygoTablazat", 5},
        {"chkbHazTablazat", 3},
        {"chkbFenyszogTablazat", 1},
        {"chkbEletStratTablazat", 1},
        {"chkbNyomtatasSzinesben", 1},
        {"chkbFejlecKijelzesek", 13},
        {"chkbLablecKijelzesek", 2},
        {"chkbInkognito", 1},
        {"chkbProgramInditas", 1},
        {"chkbHazrendszer", 1},
        {"chkbZodiakus", 1},
        {"chkbEgyebek", 3},
        {"chkbCsatolasok", 2},
        {"chkbZodiakusBackGroundColor", 4},
        {"chkbFenyszogekBackgroundColor", 1},
        {"chkbFenyszogColor", 12},
        {"chkbFenyszogStyle", 12},
        {"chkbOrbSettingsSimple", 12},
        {"chkbOrbSettingsDetailed", 12},
        {"Vonalvastagsagok", 1},
    };
    const auto doc = TIniDocument::LoadFile(DefaultFile());
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->Sections().size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& section = doc->Sections()[static_cast<qsizetype>(i)];
        EXPECT_EQ(section.Name, L1(expected[i].first)) << i;
        EXPECT_EQ(section.Lines.size(), expected[i].second) << expected[i].first;
    }

    // Aspect keys come in aspect order in both interleaved sections.
    const QStringList aspectKeys = {"KONJUKCIO",       "OPPOZICIO", "KVADRAT", "SEMIQUADRAT",
                                    "SZESZKVIKVADRAT", "TRIGON",    "SZEXTIL", "SZEMISZEXTIL",
                                    "KVINKUNX",        "KVINTIL",   "DECIL",   "BIKVINTIL"};
    for (const char* section : {"chkbFenyszogek", "chkbFenyszogekFixedStars"}) {
        QStringList keys;
        for (const auto& line : doc->Entries(L1(section)))
            keys << line.Key;
        EXPECT_EQ(keys, aspectKeys) << section;
    }

    struct TValue {
        const char* section;
        const char* key;
        const char* value;
    };
    const TValue values[] = {
        {"chkbZodiakusJelek", "HALAK", "1"},
        {"chkbZodiakusJelek", "KELL_E_ANALOG", "0"},
        {"chkbTengelyek", "IC", "1"},
        {"chkbTengelyek", "VTX", "0"},
        {"chkbKisBolygok", "KELL_E_MEGJELENITES", "0"},
        {"chkbHoldocsomoTipus", "MEAN_NODE", "1"},
        {"chkbFenyszogek", "KONJUKCIO", "0"},
        {"chkbFenyszogek", "OPPOZICIO", "1"},
        {"chkbFenyszogekFixedStars", "KONJUKCIO", "1"},
        {"chkbFenyszogekFixedStars", "OPPOZICIO", "1"},
        {"chkbFenyszogekFixedStars", "KVADRAT", "0"},
        {"chkbEgyebMegjelenitesek", "SELFMARKERATORIGPLACE", "1"},
        {"rgrpEnallapotJelolMod", "JelolesMod", "1"},
        {"grpBetumeretSzorzo", "BetumeretSzorzo", "1"},
        {"chkbHazrendszer", "Hazrendszer", "P"},
        {"chkbZodiakus", "Zodiakus", "T"},
        {"chkbEgyebek", "KivalTelepules", "Budapest; H"},
        {"chkbEgyebek", "LastOpenedFilesNum", "10"},
        {"chkbCsatolasok", "CsatDokumentumok", "0"},
        {"chkbCsatolasok", "CsatKepek", "1"},
        {"chkbZodiakusBackGroundColor", "TUZES", "1770491"},
        {"chkbZodiakusBackGroundColor", "VIZES", "16738858"},
        {"chkbFenyszogekBackgroundColor", "FenyszogBackgroundColor", "16777215"},
        {"chkbFenyszogStyle", "Szeszkvikvadrat", "0"},
        {"chkbFenyszogStyle", "Trigon", "1"},
        {"Vonalvastagsagok", "Alapvonalak", "1"},
    };
    for (const TValue& v : values)
        EXPECT_EQ(doc->RawValue(L1(v.section), L1(v.key)), L1(v.value))
            << v.section << "/" << v.key;

    // Booleans are written as 1 and 0.
    for (const char* section :
         {"chkbZodiakusJelek", "chkbHazHatarok", "chkbTengelyek", "chkbKisBolygok",
          "chkbFenyszogekFixedStars", "chkbEgyebMegjelenitesek", "chkbFejlecKijelzesek"}) {
        for (const auto& line : doc->Entries(L1(section)))
            EXPECT_TRUE(line.Value == QLatin1String("0") || line.Value == QLatin1String("1"))
                << section << "/" << line.Key.toStdString() << "=" << line.Value.toStdString();
    }

    // Keys without a default are not written.
    const std::pair<const char*, const char*> notWritten[] = {
        {"chkbFixedStars", "SELECTED_STARIDS"},
        {"chkbEgyebMegjelenitesek", "ASPECTSATORIGPLACE"},
        {"chkbProgramInditas", "UjVerzioEllenorzese"}};
    for (const auto& [section, key] : notWritten)
        EXPECT_FALSE(doc->Contains(L1(section), L1(key))) << section << "/" << key;
}

TEST_F(SettingsStore, OrbStringsAfterRestore) {
    const TDefaultStore d;
    EXPECT_EQ(d.Settings.GetOrbString(1, true),
              QStringLiteral("15|15|15|15|15|15|15|15|15|15|15|15|15|15"));
    EXPECT_EQ(d.Settings.GetOrbString(1, false),
              QStringLiteral("15|15|15|15|15|15|15|15|15|15|0|0|0|0"));
    EXPECT_EQ(d.Settings.GetOrbString(2, false),
              QStringLiteral("7,5|7,5|7,5|7,5|7,5|7,5|7,5|7,5|7,5|7,5|0|0|0|0"));
    const char* orbs[12] = {"15", "7,5", "4", "2", "2", "5", "2,5", "1", "1", "3", "2,5", "3"};
    for (int aspect = 1; aspect <= 12; ++aspect) {
        const QString orb = L1(orbs[aspect - 1]);
        const QStringList simple = d.Settings.GetOrbString(aspect, true).split(QLatin1Char('|'));
        const QStringList detailed = d.Settings.GetOrbString(aspect, false).split(QLatin1Char('|'));
        EXPECT_EQ(simple, QStringList(14, orb)) << aspect;
        EXPECT_EQ(detailed, QStringList(10, orb) + QStringList(4, QStringLiteral("0"))) << aspect;
    }
    EXPECT_EQ(d.Settings.GetOrbString(0, true), QString());
    EXPECT_EQ(d.Settings.GetOrbString(13, false), QString());
}

TEST_F(SettingsStore, ReadsNormaliseMalformedAndMissingValues) {
    struct TCase {
        const char* section;
        const char* key;
        /// Null: the key is missing.
        const char* raw;
        std::function<QString(const TSettingsProvider&)> read;
        const char* expected;
    };
    const auto flag = [](bool (TSettingsProvider::*get)(int) const, int arg) {
        return [=](const TSettingsProvider& p) { return QString::number((p.*get)(arg)); };
    };
    const auto number = [](auto get) {
        return [=](const TSettingsProvider& p) { return QString::number((p.*get)()); };
    };
    const auto text = [](QString (TSettingsProvider::*get)() const) {
        return [=](const TSettingsProvider& p) { return (p.*get)(); };
    };
    const auto style = [](const TSettingsProvider& p) {
        return QString::number(static_cast<int>(p.GetAspectLineStyle(6)));
    };
    const TCase cases[] = {
        {"chkbBolygok", "SUN", "1", flag(&TSettingsProvider::GetCalculateBody, 0), "1"},
        {"chkbBolygok", "SUN", " 1 ", flag(&TSettingsProvider::GetCalculateBody, 0), "1"},
        {"chkbBolygok", "SUN", "0x1", flag(&TSettingsProvider::GetCalculateBody, 0), "1"},
        {"chkbBolygok", "SUN", "2", flag(&TSettingsProvider::GetCalculateBody, 0), "0"},
        {"chkbBolygok", "SUN", "true", flag(&TSettingsProvider::GetCalculateBody, 0), "0"},
        {"chkbBolygok", "SUN", "-1", flag(&TSettingsProvider::GetCalculateBody, 0), "0"},
        {"chkbBolygok", "SUN", nullptr, flag(&TSettingsProvider::GetCalculateBody, 0), "0"},
        {"chkbProgramInditas", "UjVerzioEllenorzese", nullptr,
         number(&TSettingsProvider::GetCheckForNewVersion), "1"},
        {"chkbProgramInditas", "UjVerzioEllenorzese", "true",
         number(&TSettingsProvider::GetCheckForNewVersion), "1"},
        {"chkbProgramInditas", "UjVerzioEllenorzese", "0",
         number(&TSettingsProvider::GetCheckForNewVersion), "0"},
        {"Vonalvastagsagok", "Alapvonalak", "0", number(&TSettingsProvider::GetBaseLineWidth), "1"},
        {"Vonalvastagsagok", "Alapvonalak", "-3", number(&TSettingsProvider::GetBaseLineWidth),
         "1"},
        {"Vonalvastagsagok", "Alapvonalak", nullptr, number(&TSettingsProvider::GetBaseLineWidth),
         "1"},
        {"Vonalvastagsagok", "Alapvonalak", "3", number(&TSettingsProvider::GetBaseLineWidth), "3"},
        {"chkbHazrendszer", "Hazrendszer", "", text(&TSettingsProvider::GetHouseSystem), "P"},
        {"chkbHazrendszer", "Hazrendszer", "   ", text(&TSettingsProvider::GetHouseSystem), "P"},
        {"chkbHazrendszer", "Hazrendszer", nullptr, text(&TSettingsProvider::GetHouseSystem), "P"},
        {"chkbHazrendszer", "Hazrendszer", "K", text(&TSettingsProvider::GetHouseSystem), "K"},
        {"chkbZodiakus", "Zodiakus", "", text(&TSettingsProvider::GetZodiac), ""},
        {"chkbZodiakus", "Zodiakus", nullptr, text(&TSettingsProvider::GetZodiac), ""},
        {"chkbZodiakus", "Zodiakus", "S", number(&TSettingsProvider::IsSidereal), "1"},
        {"chkbZodiakus", "Zodiakus", "T", number(&TSettingsProvider::IsSidereal), "0"},
        {"chkbFenyszogStyle", "Trigon", "0", style, "0"},
        {"chkbFenyszogStyle", "Trigon", "1", style, "1"},
        {"chkbFenyszogStyle", "Trigon", "2", style, "2"},
        {"chkbFenyszogStyle", "Trigon", "3", style, "0"},
        {"chkbFenyszogStyle", "Trigon", "-1", style, "0"},
        {"PlanetSymbolsGroup", "UranusSymbol", "1", number(&TSettingsProvider::GetUranusSymbol),
         "1"},
        {"PlanetSymbolsGroup", "UranusSymbol", "2", number(&TSettingsProvider::GetUranusSymbol),
         "0"},
        {"PlanetSymbolsGroup", "PlutoSymbol", "2", number(&TSettingsProvider::GetPlutoSymbol), "2"},
        {"PlanetSymbolsGroup", "PlutoSymbol", "3", number(&TSettingsProvider::GetPlutoSymbol), "0"},
        {"grpBetumeretSzorzo", "BetumeretSzorzo", "1,5",
         number(&TSettingsProvider::GetGlyphSizeFactor), "1.5"},
        {"grpBetumeretSzorzo", "BetumeretSzorzo", "0",
         number(&TSettingsProvider::GetGlyphSizeFactor), "1"},
        {"grpBetumeretSzorzo", "BetumeretSzorzo", "nan",
         number(&TSettingsProvider::GetGlyphSizeFactor), "1"},
        {"chkbFenyszogekFixedStars", "chkbFenyszogekFixedStarsOrbValue", nullptr,
         number(&TSettingsProvider::GetFixedStarOrbDeg), "2.5"},
        {"chkbFenyszogekFixedStars", "chkbFenyszogekFixedStarsOrbValue", "1.25",
         number(&TSettingsProvider::GetFixedStarOrbDeg), "1.25"},
        {"chkbEgyebek", "LastOpenedFilesNum", "-2", number(&TSettingsProvider::GetRecentFilesCount),
         "0"},
        {"LeptetoValuesGroup", "KepletLepteto", nullptr,
         text(&TSettingsProvider::GetChartStepAmount), "10"},
        {"LeptetoValuesGroup", "ProgrLepteto", nullptr,
         text(&TSettingsProvider::GetProgressionStepAmount), "5"},
    };
    for (const TCase& c : cases) {
        TSettingsINIFileLoader store;
        if (c.raw)
            store.WriteString(L1(c.section), L1(c.key), L1(c.raw));
        const TSettingsProvider settings(store);
        EXPECT_EQ(c.read(settings), L1(c.expected))
            << c.section << "/" << c.key << "=" << (c.raw ? c.raw : "(missing)");
    }
}

TEST_F(SettingsStore, FamilyReadsOutsideTheirRangeReadAsMissing) {
    const TDefaultStore d;
    EXPECT_TRUE(d.Settings.GetShowSign(0) && d.Settings.GetShowSign(11));
    EXPECT_TRUE(d.Settings.GetShowCuspLine(1) && d.Settings.GetShowCuspLine(12));
    EXPECT_TRUE(d.Settings.GetLookForAspect(12));
    for (int bad : {-1, 12, 1000})
        EXPECT_FALSE(d.Settings.GetShowSign(bad)) << bad;
    for (int bad : {0, 13})
        EXPECT_FALSE(d.Settings.GetShowCuspLine(bad) || d.Settings.GetShowHouseNumber(bad) ||
                     d.Settings.GetLookForAspect(bad) || d.Settings.GetShowAspectGlyph(bad))
            << bad;
    EXPECT_EQ(d.Settings.GetAspectColour(13), 0);
    EXPECT_EQ(d.Settings.GetElementBackground(4), 0);
    EXPECT_EQ(d.Settings.GetElementBackground(0), 1770491);
    // Bodies the settings do not list, and minor bodies that cannot be aspected.
    EXPECT_FALSE(d.Settings.GetCalculateBody(BodyId::MeanNode));
    TSettingsINIFileLoader store;
    store.WriteBool(S::chkbFenyszogeltKisBolygok, QStringLiteral("NEOWISE"), true);
    EXPECT_FALSE(TSettingsProvider(store).GetAspectedBody(1009043));
    EXPECT_FALSE(TSettingsProvider(store).GetAspectedAxis(TWheelAxis::Vertex));
}

TEST_F(SettingsStore, ASettingsFileWithoutSignSectionGetsTheDefaultsAtStartUp) {
    for (const bool deleteSection : {true, false}) {
        QFile::remove(DefaultFile());
        {
            TSettingsINIFileLoader first = MakeLoader();
            ASSERT_TRUE(first.OpenAtStartUp());
            first.WriteBool(S::chkbBolygok, QStringLiteral("SUN"), false);
            first.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("K"));
            first.WriteString(S::chkbFixedStars, K::SELECTED_STARIDS, QStringLiteral("10000001"));
            first.WriteBool(S::chkbEgyebMegjelenitesek, K::ASPECTSATORIGPLACE, true);
            first.WriteInteger(S::PlanetSymbolsGroup, K::UranusSymbol, 1);
            first.WriteBool(S::chkbProgramInditas, K::UjVerzioEllenorzese, false);
            first.WriteString(S::LeptetoValuesGroup, K::KepletLepteto, QStringLiteral("7"));
            ASSERT_TRUE(first.SaveStore());
        }
        if (deleteSection) {
            auto doc = TIniDocument::LoadFile(DefaultFile());
            ASSERT_TRUE(doc);
            doc->RemoveSection(QStringLiteral("chkbZodiakusJelek"));
            ASSERT_EQ(doc->SaveFile(DefaultFile()), std::nullopt);
        }

        TSettingsINIFileLoader next = MakeLoader();
        ASSERT_TRUE(next.OpenAtStartUp());
        EXPECT_EQ(next.FileName(), DefaultFile());
        const TSettingsProvider settings(next);
        EXPECT_TRUE(settings.GetShowSign(0)) << deleteSection;
        EXPECT_EQ(settings.GetCalculateBody(BodyId::Sun), deleteSection);
        EXPECT_EQ(settings.GetHouseSystem(),
                  deleteSection ? QStringLiteral("P") : QStringLiteral("K"));
        // Keys without a default keep their values either way.
        EXPECT_EQ(settings.GetSelectedStarIds(), QStringLiteral("10000001")) << deleteSection;
        EXPECT_TRUE(settings.GetAspectsAtTruePlace()) << deleteSection;
        EXPECT_EQ(settings.GetUranusSymbol(), 1) << deleteSection;
        EXPECT_FALSE(settings.GetCheckForNewVersion()) << deleteSection;
        EXPECT_EQ(settings.GetChartStepAmount(), QStringLiteral("7")) << deleteSection;
    }
}

TEST_F(SettingsStore, ResolvesTheSettingsFileThroughTheRegistry) {
    const QString existing =
        WriteSettingsFile(QStringLiteral("mine.ini"), {{"chkbZodiakusJelek", "KOS", "1"},
                                                       {"chkbHazrendszer", "Hazrendszer", "C"}});
    const QString missing = Temp.filePath(QStringLiteral("gone/settings.ini"));
    QDir(Temp.path()).mkpath(QStringLiteral("folder.ini"));
    struct TCase {
        const char* what;
        std::optional<QString> stored;
        QString resolved;
        /// What the registry holds afterwards, trimmed.
        QString remembered;
    };
    const TCase cases[] = {
        {"no value", std::nullopt, DefaultFile(), DefaultFile()},
        {"blank value", QStringLiteral("  "), DefaultFile(), DefaultFile()},
        {"existing file", existing, existing, existing},
        {"existing file with blanks", QStringLiteral("  ") + existing + QStringLiteral(" "),
         existing, existing},
        {"missing file", missing, DefaultFile(), missing},
        {"a folder", Temp.filePath(QStringLiteral("folder.ini")), DefaultFile(),
         Temp.filePath(QStringLiteral("folder.ini"))},
    };
    for (const TCase& c : cases) {
        QFile::remove(Registry->FilePath());
        if (c.stored)
            SetRegistryValue(*c.stored);
        TSettingsINIFileLoader loader = MakeLoader();
        EXPECT_EQ(loader.ResolveSettingsFile(), c.resolved) << c.what;
        EXPECT_EQ(RegistryValue().trimmed(), c.remembered) << c.what;
    }

    SetRegistryValue(existing);
    TSettingsINIFileLoader loader = MakeLoader();
    ASSERT_TRUE(loader.OpenAtStartUp());
    EXPECT_EQ(TSettingsProvider(loader).GetHouseSystem(), QStringLiteral("C"));
}

TEST_F(SettingsStore, SavingToAnotherFileLeavesTheFileInUse) {
    TSettingsINIFileLoader loader = MakeLoader();
    ASSERT_TRUE(loader.OpenAtStartUp());
    loader.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("K"));
    const QString copy = Temp.filePath(QStringLiteral("copy.ini"));
    ASSERT_TRUE(loader.SaveSettingsToFile(copy));
    EXPECT_EQ(loader.FileName(), DefaultFile());
    EXPECT_EQ(RegistryValue(), DefaultFile());

    loader.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("O"));
    ASSERT_TRUE(loader.SaveStore());
    EXPECT_EQ(RawValueInFile(DefaultFile(), QStringLiteral("chkbHazrendszer"),
                             QStringLiteral("Hazrendszer")),
              QStringLiteral("O"));
    EXPECT_EQ(
        RawValueInFile(copy, QStringLiteral("chkbHazrendszer"), QStringLiteral("Hazrendszer")),
        QStringLiteral("K"));
}

TEST_F(SettingsStore, LoadingAnotherFileReplacesTheStoreAndBecomesTheFileInUse) {
    TSettingsINIFileLoader loader = MakeLoader();
    ASSERT_TRUE(loader.OpenAtStartUp());
    ASSERT_TRUE(loader.SaveStore());
    loader.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("K"));

    const QString other =
        WriteSettingsFile(QStringLiteral("other.ini"), {{"chkbZodiakusJelek", "KOS", "0"},
                                                        {"chkbHazrendszer", "Hazrendszer", "C"}});
    ASSERT_TRUE(loader.LoadSettingsFromFile(other));
    const TSettingsProvider settings(loader);
    EXPECT_EQ(settings.GetHouseSystem(), QStringLiteral("C"));
    // The whole store is replaced: keys the other file lacks read as missing.
    EXPECT_FALSE(settings.GetCalculateBody(BodyId::Sun));
    EXPECT_EQ(loader.FileName(), other);
    EXPECT_EQ(RegistryValue(), other);
    // The unsaved change went nowhere.
    EXPECT_EQ(RawValueInFile(DefaultFile(), QStringLiteral("chkbHazrendszer"),
                             QStringLiteral("Hazrendszer")),
              QStringLiteral("P"));

    // Nothing to load: the store stays as it is.
    for (const QString& bad : {Temp.filePath(QStringLiteral("nosuch.ini")), Temp.path()}) {
        EXPECT_FALSE(loader.LoadSettingsFromFile(bad)) << bad.toStdString();
        EXPECT_EQ(loader.FileName(), other);
        EXPECT_EQ(settings.GetHouseSystem(), QStringLiteral("C"));
    }

    TSettingsINIFileLoader nextRun = MakeLoader();
    EXPECT_EQ(nextRun.ResolveSettingsFile(), other);
}

TEST_F(SettingsStore, AFailedSaveKeepsTheOldFileAndIsReported) {
    const QString regularFile = WriteSettingsFile(QStringLiteral("plain.ini"), {});
    struct TCase {
        const char* what;
        /// The file the store is bound to, or empty for none.
        QString boundTo;
        /// Where the failing write goes: the bound file when empty.
        QString copyTo;
        /// Limit on the size of written files; 0 for none.
        rlim_t sizeLimit;
    };
    const TCase cases[] = {
        {"folder is a regular file", regularFile + QStringLiteral("/settings.ini"), {}, 0},
        {"disk full", Temp.filePath(QStringLiteral("old.ini")), {}, 512},
        {"copy into a regular file", Temp.filePath(QStringLiteral("kept.ini")),
         regularFile + QStringLiteral("/copy.ini"), 0},
        {"bound to no file", {}, {}, 0},
    };
    for (const TCase& c : cases) {
        Notifier.Texts.clear();
        Notifier.Kinds.clear();
        TSettingsINIFileLoader loader = MakeLoader();
        QByteArray old;
        if (!c.boundTo.isEmpty()) {
            ASSERT_TRUE(loader.OpenStore(c.boundTo)) << c.what;
            loader.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("K"));
            if (QFileInfo(c.boundTo).absoluteDir().exists()) {
                ASSERT_TRUE(loader.SaveStore()) << c.what;
            }
            old = FileBytes(c.boundTo);
        }
        loader.RestoreDefaults();
        bool saved = true;
        {
            std::optional<TFileSizeLimit> limit;
            if (c.sizeLimit)
                limit.emplace(c.sizeLimit);
            saved = c.copyTo.isEmpty() ? loader.SaveStore() : loader.SaveSettingsToFile(c.copyTo);
        }
        EXPECT_FALSE(saved) << c.what;
        EXPECT_EQ(Notifier.Texts, QStringList{SaveError}) << c.what;
        EXPECT_EQ(Notifier.Kinds, QList<TMessageKind>{TMessageKind::Error}) << c.what;
        if (!c.boundTo.isEmpty()) {
            EXPECT_EQ(FileBytes(c.boundTo), old) << c.what;
        }
        EXPECT_EQ(QDir(Temp.path()).entryList(QStringList{QStringLiteral("*.ini.*")}, QDir::Files),
                  QStringList())
            << c.what << ": a temporary file was left behind";
    }

    // Without a notifier the failure is still returned.
    TSettingsINIFileLoader quiet(Home, &*Registry, nullptr);
    EXPECT_FALSE(quiet.SaveSettingsToFile(regularFile + QStringLiteral("/x.ini")));
}

TEST_F(SettingsStore, ASettingsFileThatCannotBeReadIsNeverOverwritten) {
    // A folder where the settings file should be: it exists but cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(DefaultFile()));
    TSettingsINIFileLoader loader = MakeLoader();
    EXPECT_FALSE(loader.OpenStore(DefaultFile()));
    EXPECT_FALSE(loader.OpenAtStartUp());
    EXPECT_TRUE(loader.FileName().isEmpty());
    // The run goes on with the defaults; the end-of-run save fails and says so.
    EXPECT_EQ(TSettingsProvider(loader).GetHouseSystem(), QStringLiteral("P"));
    EXPECT_TRUE(TSettingsProvider(loader).GetShowSign(5));
    EXPECT_FALSE(loader.SaveStore());
    EXPECT_EQ(Notifier.Texts, QStringList{SaveError});
    EXPECT_TRUE(QFileInfo(DefaultFile()).isDir());
}

TEST_F(SettingsStore, RestoreDefaultsOnlyWhenTheUserSaysYes) {
    struct TCase {
        const char* what;
        std::optional<bool> answer;
        bool restored;
    };
    const TCase cases[] = {
        {"yes", true, true},
        {"no", false, false},
        {"no one to ask", std::nullopt, false},
    };
    for (const TCase& c : cases) {
        TSettingsINIFileLoader store;
        store.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("K"));
        QStringList asked;
        TAskYesNo ask;
        if (c.answer)
            ask = [&](const QString& question) {
                asked << question;
                return *c.answer;
            };
        EXPECT_EQ(store.RestoreDefaultsAfterAsking(ask), c.restored) << c.what;
        EXPECT_EQ(asked.size(), c.answer ? 1 : 0) << c.what;
        if (c.answer) {
            EXPECT_EQ(asked.value(0), GetMessageText(u"uZentavoMain_RestoreSettingsQuestion"));
        }
        EXPECT_EQ(TSettingsProvider(store).GetHouseSystem(),
                  c.restored ? QStringLiteral("P") : QStringLiteral("K"))
            << c.what;
        EXPECT_EQ(store.SectionExists(S::chkbZodiakusJelek), c.restored) << c.what;
    }
}

TEST_F(SettingsStore, CalculatedAndAspectedBodyIds) {
    using TWrites = std::vector<std::array<const char*, 3>>;
    struct TCase {
        const char* what;
        TWrites writes;
        bool allBodies;
        bool withStars;
        const char* calculated;
        const char* aspected;
    };
    const char* planets = "0;1;2;3;4;5;6;7;8;9;";
    const TCase cases[] = {
        {"defaults", {}, false, true, planets, planets},
        {"all bodies: every planet and all four nodes",
         {{"chkbBolygok", "SUN", "0"}},
         true,
         false,
         "0;1;2;3;4;5;6;7;8;9;10;24;11;25;",
         planets},
        {"minor bodies need their master switch",
         {{"chkbKisBolygok", "CHIRON", "1"}, {"chkbKisBolygok", "MAGELLAN", "1"}},
         false,
         false,
         planets,
         planets},
        {"minor bodies switched on",
         {{"chkbKisBolygok", "KELL_E_MEGJELENITES", "1"},
          {"chkbKisBolygok", "CHIRON", "1"},
          {"chkbKisBolygok", "MAGELLAN", "1"},
          {"chkbFenyszogeltKisBolygok", "LILITH", "1"}},
         false,
         false,
         "0;1;2;3;4;5;6;7;8;9;15;14055;",
         "0;1;2;3;4;5;6;7;8;9;12;"},
        {"all bodies with the minor bodies on",
         {{"chkbKisBolygok", "KELL_E_MEGJELENITES", "1"}},
         true,
         false,
         "0;1;2;3;4;5;6;7;8;9;15;16;17;18;19;20;146199;12;1009043;1009044;1009032;1009045;"
         "1009046;14055;10;24;11;25;",
         planets},
        {"selected stars, only valid star ids",
         {{"chkbFixedStars", "KELL_E_MEGJELENITES", "1"},
          {"chkbFixedStars", "SELECTED_STARIDS", " 10000001, ,abc,5,10000738,10000737,"}},
         false,
         true,
         "0;1;2;3;4;5;6;7;8;9;10000001;10000737;",
         planets},
        {"stars not asked for",
         {{"chkbFixedStars", "KELL_E_MEGJELENITES", "1"},
          {"chkbFixedStars", "SELECTED_STARIDS", "10000001"}},
         false,
         false,
         planets,
         planets},
        {"stars not shown",
         {{"chkbFixedStars", "SELECTED_STARIDS", "10000001"}},
         false,
         true,
         planets,
         planets},
        {"descending node shown, mean nodes",
         {{"chkbHoldcsomo", "LESZ_NODE", "1"}},
         false,
         false,
         "0;1;2;3;4;5;6;7;8;9;10;24;",
         planets},
        {"true nodes",
         {{"chkbHoldcsomo", "FELSZ_NODE", "1"},
          {"chkbHoldocsomoTipus", "MEAN_NODE", "0"},
          {"chkbHoldocsomoTipus", "TRUE_NODE", "1"},
          {"chkbFenyszogeltCsompontok", "FELSZ_NODE", "1"}},
         false,
         false,
         "0;1;2;3;4;5;6;7;8;9;11;25;",
         "0;1;2;3;4;5;6;7;8;9;11;25;"},
        {"only the ascending node's switch brings in the pair",
         {{"chkbFenyszogeltCsompontok", "LESZ_NODE", "1"}},
         false,
         false,
         planets,
         planets},
        {"no node kind chosen",
         {{"chkbHoldcsomo", "FELSZ_NODE", "1"},
          {"chkbHoldocsomoTipus", "MEAN_NODE", "0"},
          {"chkbFenyszogeltCsompontok", "FELSZ_NODE", "1"}},
         false,
         false,
         planets,
         planets},
        {"nothing switched on",
         {{"chkbBolygok", "SUN", "0"},
          {"chkbBolygok", "MOON", "0"},
          {"chkbBolygok", "MERCURY", "0"},
          {"chkbBolygok", "VENUS", "0"},
          {"chkbBolygok", "MARS", "0"},
          {"chkbBolygok", "JUPITER", "0"},
          {"chkbBolygok", "SATURN", "0"},
          {"chkbBolygok", "URANUS", "0"},
          {"chkbBolygok", "NEPTUNE", "0"},
          {"chkbBolygok", "PLUTO", "0"}},
         false,
         true,
         "",
         planets},
    };
    for (const TCase& c : cases) {
        TDefaultStore d;
        for (const auto& [section, key, value] : c.writes)
            d.Store.WriteString(L1(section), L1(key), L1(value));
        EXPECT_EQ(d.Settings.GetCalculatedBodyIds(c.allBodies, c.withStars), L1(c.calculated))
            << c.what;
        EXPECT_EQ(d.Settings.GetAspectedBodyIds(), L1(c.aspected)) << c.what;
    }
}

TEST_F(SettingsStore, NodeAndElementSets) {
    struct TCase {
        const char* what;
        std::vector<std::array<const char*, 3>> writes;
        int nodeId;
    };
    const TCase cases[] = {
        {"no node shown", {}, -1},
        {"mean", {{"chkbHoldcsomo", "LESZ_NODE", "1"}}, 10},
        {"true",
         {{"chkbHoldcsomo", "FELSZ_NODE", "1"},
          {"chkbHoldocsomoTipus", "MEAN_NODE", "0"},
          {"chkbHoldocsomoTipus", "TRUE_NODE", "1"}},
         11},
        {"neither kind",
         {{"chkbHoldcsomo", "FELSZ_NODE", "1"}, {"chkbHoldocsomoTipus", "MEAN_NODE", "0"}},
         -1},
    };
    for (const TCase& c : cases) {
        TDefaultStore d;
        for (const auto& [section, key, value] : c.writes)
            d.Store.WriteString(L1(section), L1(key), L1(value));
        EXPECT_EQ(d.Settings.GetNodeBodyId(), c.nodeId) << c.what;
        const TIntSet set = d.Settings.GetNodeBodySet();
        EXPECT_EQ(set.Count(), c.nodeId < 0 ? 0 : 1) << c.what;
        EXPECT_TRUE(c.nodeId < 0 || set.Contains(c.nodeId)) << c.what;
    }

    TDefaultStore d;
    d.Store.WriteBool(S::chkbZodiakusJelek, QStringLiteral("KOS"), false);
    d.Store.WriteBool(S::chkbHazSzamok, QStringLiteral("HOUSE_12"), false);
    d.Store.WriteBool(S::chkbFenyszogeltTengelyek, QStringLiteral("DC"), true);
    d.Store.WriteBool(S::chkbFenyszogeltTengelyek, QStringLiteral("IC"), true);
    d.Store.WriteBool(S::chkbFenyszogeltHazak, QStringLiteral("HOUSE_10"), true);
    const TIntSet signs = d.Settings.GetShownSignSet();
    EXPECT_EQ(signs.Count(), 11);
    EXPECT_FALSE(signs.Contains(0));
    EXPECT_TRUE(signs.Contains(11));
    EXPECT_EQ(d.Settings.GetShownHouseNumberSet().Count(), 11);
    EXPECT_FALSE(d.Settings.GetShownHouseNumberSet().Contains(12));
    EXPECT_EQ(d.Settings.GetShownCuspSet().Count(), 12);
    const TIntSet axes = d.Settings.GetAspectedAxisSet();
    EXPECT_EQ(axes.Count(), 1);
    EXPECT_TRUE(axes.Contains(255));
    EXPECT_EQ(d.Settings.GetAspectedHouseSet().Count(), 1);
    EXPECT_TRUE(d.Settings.GetAspectedHouseSet().Contains(10));
    const TIntSet looked = d.Settings.GetLookedForAspectSet();
    EXPECT_EQ(looked.Count(), 11);
    EXPECT_FALSE(looked.Contains(1));
    EXPECT_EQ(d.Settings.GetAspectGlyphSet().Count(), 11);
    const TIntSet stars = d.Settings.GetFixedStarAspectSet();
    EXPECT_EQ(stars.Count(), 2);
    EXPECT_TRUE(stars.Contains(1) && stars.Contains(2));
}

TEST_F(SettingsStore, RegistryKeepsItsValuesTogether) {
    EXPECT_EQ(Registry->FilePath(), Temp.filePath(QStringLiteral("config/velkaris/registry.ini")));
    TUserRegistry& r = *Registry;
    ASSERT_EQ(r.WriteString(RegistryKey::LastOpenedFiles, QStringLiteral("LastOpened01"),
                            QStringLiteral("/a.szk")),
              std::nullopt);
    ASSERT_EQ(r.WriteString(QStringLiteral("\\Software\\Velkaris\\SettingsFile\\"),
                            RegistryKey::SettingsFileNameAndPath, QStringLiteral("/s.ini")),
              std::nullopt);
    const auto doc = TIniDocument::LoadFile(r.FilePath());
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->RawValue(QStringLiteral("Software/Velkaris/SettingsFile"),
                            QStringLiteral("SettingsFileNameAndPath")),
              QStringLiteral("/s.ini"));
    EXPECT_EQ(r.ReadString(QStringLiteral("software/velkaris/lastopenedfiles"),
                           QStringLiteral("LastOpened01")),
              QStringLiteral("/a.szk"));
    // A second registry object on the same file sees and keeps the first one's values.
    TUserRegistry other;
    ASSERT_EQ(other.WriteString(RegistryKey::LastOpenedFiles, QStringLiteral("LastOpened02"),
                                QStringLiteral("/b.szk")),
              std::nullopt);
    EXPECT_EQ(r.ReadString(RegistryKey::SettingsFile, RegistryKey::SettingsFileNameAndPath),
              QStringLiteral("/s.ini"));
    EXPECT_EQ(r.ReadString(RegistryKey::LastOpenedFiles, QStringLiteral("LastOpened01")),
              QStringLiteral("/a.szk"));

    // A config folder that cannot be made: the write says so and nothing is read.
    const QString blocked = WriteSettingsFile(QStringLiteral("blocked"), {});
    TUserRegistry broken(blocked + QStringLiteral("/velkaris/registry.ini"));
    EXPECT_NE(broken.WriteString(RegistryKey::SettingsFile, RegistryKey::SettingsFileNameAndPath,
                                 QStringLiteral("/s.ini")),
              std::nullopt);
    EXPECT_EQ(broken.ReadString(RegistryKey::SettingsFile, RegistryKey::SettingsFileNameAndPath),
              QString());
    TSettingsINIFileLoader loader(Home, &broken, &Notifier);
    EXPECT_FALSE(loader.RememberSettingsFile(DefaultFile()));
    EXPECT_EQ(loader.ResolveSettingsFile(), DefaultFile());
}
