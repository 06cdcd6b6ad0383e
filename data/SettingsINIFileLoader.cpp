#include "SettingsINIFileLoader.h"

#include "SettingsKeys.h"
#include "UserRegistry.h"
#include "core/Messages.h"
#include "core/UserNotifier.h"

#include <QDir>
#include <QFileInfo>
#include <type_traits>

namespace velkaris {

namespace {

namespace S = SettingsSection;
namespace K = SettingsKey;

/// The orb of each aspect that restore defaults writes, spelled as the file holds it.
constexpr std::array<const char*, 12> DefaultOrbs = {"15",  "7,5", "4", "2", "2",   "5",
                                                     "2,5", "1",   "1", "3", "2,5", "3"};
/// Orb positions 1-10 are for the planets; 11-14 for Ascendant, MC, node and cusp.
constexpr int OrbPlanetPositions = 10;
constexpr int OrbPositions = 14;

void WriteAll(TIniDocument& d, QLatin1StringView section, const auto& keys, bool value) {
    for (const auto& key : keys) {
        if constexpr (std::is_same_v<std::decay_t<decltype(key)>, K::TBodyKey>)
            d.WriteBool(section, key.Key, value);
        else
            d.WriteBool(section, key, value);
    }
}

void WriteShownElementDefaults(TIniDocument& d) {
    WriteAll(d, S::chkbZodiakusJelek, K::Signs, true);
    d.WriteBool(S::chkbZodiakusJelek, K::KELL_E_ANALOG, false);
    WriteAll(d, S::chkbHazHatarok, K::Houses, true);
    WriteAll(d, S::chkbHazSzamok, K::Houses, true);
    for (size_t i = 0; i < K::Axes.size(); ++i)
        d.WriteBool(S::chkbTengelyek, K::Axes[i], i < 4);
    WriteAll(d, S::chkbBolygok, K::Planets, true);
    WriteAll(d, S::chkbKisBolygok, K::MinorBodies, false);
    d.WriteBool(S::chkbKisBolygok, K::KELL_E_MEGJELENITES, false);
    d.WriteBool(S::chkbFixedStars, K::KELL_E_MEGJELENITES, false);
    d.WriteBool(S::chkbFixedStars, K::MEGJELENITES_MINDENKEPP, false);
    d.WriteBool(S::chkbHoldcsomo, K::FELSZ_NODE, false);
    d.WriteBool(S::chkbHoldcsomo, K::LESZ_NODE, false);
    d.WriteBool(S::chkbHoldocsomoTipus, K::MEAN_NODE, true);
    d.WriteBool(S::chkbHoldocsomoTipus, K::TRUE_NODE, false);
}

void WriteAspectSwitchDefaults(TIniDocument& d) {
    for (size_t i = 0; i < K::AspectSwitches.size(); ++i) {
        d.WriteBool(S::chkbFenyszogek, K::AspectSwitches[i], i != 0);
        d.WriteBool(S::chkbFenyszogekFixedStars, K::AspectSwitches[i], i < 2);
    }
    for (size_t i = 0; i < K::AspectSwitches.size(); ++i)
        d.WriteBool(S::chkbFenyszogJelek, K::AspectSwitches[i], i != 0);
    d.WriteBool(S::chkbFenyszogVonalak, K::FSZVONALPLANETAIG, false);
    for (size_t i = 0; i < K::AspectedAxisIds.size(); ++i)
        d.WriteBool(S::chkbFenyszogeltTengelyek, K::Axes[i], false);
    d.WriteBool(S::chkbFenyszogeltCsompontok, K::FELSZ_NODE, false);
    d.WriteBool(S::chkbFenyszogeltCsompontok, K::LESZ_NODE, false);
    WriteAll(d, S::chkbFenyszogeltHazak, K::Houses, false);
    WriteAll(d, S::chkbFenyszogeltBolygok, K::Planets, true);
    for (int i = 0; i < K::AspectedMinorBodyCount; ++i)
        d.WriteBool(S::chkbFenyszogeltKisBolygok, K::MinorBodies[static_cast<size_t>(i)].Key,
                    false);
}

void WriteDisplayOptionDefaults(TIniDocument& d) {
    const QLatin1StringView other = S::chkbEgyebMegjelenitesek;
    d.WriteBool(other, K::PLANETDEG, false);
    d.WriteBool(other, K::HOUSELORDS, true);
    d.WriteBool(other, K::RETROGADE, false);
    d.WriteBool(other, K::FERALIS, true);
    d.WriteBool(other, K::STACIONER, false);
    d.WriteBool(other, K::SELFMARKERS, true);
    d.WriteBool(other, K::SELFMARKERATORIGPLACE, true);
    d.WriteBool(other, K::ELETKORELREJT, false);
    d.WriteBool(other, K::HOUSENUMSBYARABICNUMBERS, true);
    d.WriteBool(other, K::CSAKAKTSYNASTRY, false);
    d.WriteBool(S::chkbFokjelolok, K::OUTERZODIACDEG, false);
    d.WriteBool(S::chkbFokjelolok, K::INNERZODIACDEG, true);
    d.WriteBool(S::chkbFokjelolok, K::INNERASPECTDEG, false);
    d.WriteBool(S::chkbFokjelolok, K::HOUSEDEG, true);
    d.WriteBool(S::chkbFokjelolok, K::ZODIACDEGKULON, true);
    d.WriteInteger(S::rgrpEnallapotJelolMod, K::JelolesMod, 1);
    d.WriteFloat(S::grpBetumeretSzorzo, K::BetumeretSzorzo, 1.0);
    d.WriteBool(S::chkbProgressziok, K::CsakSzekDirHold, true);
    d.WriteBool(S::chkbProgressziok, K::SzekDirHoldAscMC, false);
    d.WriteBool(S::chkbJegyzethezSzimbolum, K::JegyzethezSzimbolumot, true);
    d.WriteInteger(S::rgrpTobbKepletMegjelenitese, K::MegjelenitesiMod, 0);
    d.WriteInteger(S::rgrpTobbKepletElhelyezese, K::KepletElhelyezesiMod, 0);
    d.WriteInteger(S::chkbProgresszioIrany, K::ProgresszioIrany, 0);
}

void WritePrintDefaults(TIniDocument& d) {
    d.WriteBool(S::chkbBolygoTablazat, K::KELL_E, true);
    WriteAll(d, S::chkbBolygoTablazat, K::PlanetTableColumns, true);
    d.WriteBool(S::chkbHazTablazat, K::KELL_E, true);
    WriteAll(d, S::chkbHazTablazat, K::HouseTableColumns, true);
    d.WriteBool(S::chkbFenyszogTablazat, K::KELL_E, true);
    d.WriteBool(S::chkbEletStratTablazat, K::KELL_E, true);
    d.WriteBool(S::chkbNyomtatasSzinesben, K::NyomtatSzinesben, false);
    d.WriteBool(S::chkbFejlecKijelzesek, K::KELL_E, true);
    WriteAll(d, S::chkbFejlecKijelzesek, K::HeaderItems, true);
    d.WriteBool(S::chkbLablecKijelzesek, K::KELL_E, true);
    d.WriteBool(S::chkbLablecKijelzesek, K::BASEINFO, true);
    d.WriteBool(S::chkbInkognito, K::Inkognito, false);
}

void WriteProgramDefaults(TIniDocument& d) {
    d.WriteBool(S::chkbProgramInditas, K::InditasTeljesMeretben, true);
    d.WriteString(S::chkbHazrendszer, K::Hazrendszer, QStringLiteral("P"));
    d.WriteString(S::chkbZodiakus, K::Zodiakus, QStringLiteral("T"));
    d.WriteInteger(S::chkbEgyebek, K::TelepulesDB, 0);
    d.WriteString(S::chkbEgyebek, K::KivalTelepules, QStringLiteral("Budapest; H"));
    d.WriteInteger(S::chkbEgyebek, K::LastOpenedFilesNum, 10);
    d.WriteBool(S::chkbCsatolasok, K::CsatDokumentumok, false);
    d.WriteBool(S::chkbCsatolasok, K::CsatKepek, true);
}

void WriteColourAndOrbDefaults(TIniDocument& d) {
    // Red in the lowest byte: fire (251, 3, 27), earth (11, 202, 2), air (255, 255, 85),
    // water (42, 106, 255).
    constexpr std::array<int, 4> elementColours = {1770491, 182795, 5636095, 16738858};
    for (size_t i = 0; i < elementColours.size(); ++i)
        d.WriteInteger(S::chkbZodiakusBackGroundColor, K::ElementBackgrounds[i], elementColours[i]);
    d.WriteInteger(S::chkbFenyszogekBackgroundColor, K::FenyszogBackgroundColor, 0xFFFFFF);
    for (const QLatin1StringView key : K::AspectValues)
        d.WriteInteger(S::chkbFenyszogColor, key, 0);
    // Conjunction ... sesquiquadrate solid, trine ... biquintile dashed.
    for (size_t i = 0; i < K::AspectValues.size(); ++i)
        d.WriteInteger(S::chkbFenyszogStyle, K::AspectValues[i], i < 5 ? 0 : 1);
    for (size_t i = 0; i < K::AspectValues.size(); ++i) {
        QStringList orbs(OrbPositions, QString::fromLatin1(DefaultOrbs[i]));
        d.WriteString(S::chkbOrbSettingsSimple, K::AspectValues[i], orbs.join(QLatin1Char('|')));
        for (int p = OrbPlanetPositions; p < OrbPositions; ++p)
            orbs[p] = QStringLiteral("0");
        d.WriteString(S::chkbOrbSettingsDetailed, K::AspectValues[i], orbs.join(QLatin1Char('|')));
    }
    d.WriteInteger(S::Vonalvastagsagok, K::Alapvonalak, 1);
}

} // namespace

TSettingsINIFileLoader::TSettingsINIFileLoader(const QString& programFolder,
                                               TUserRegistry* registry, TUserNotifier* notifier)
    : m_ProgramFolder(programFolder), m_Registry(registry), m_Notifier(notifier) {}

QString TSettingsINIFileLoader::DefaultSettingsFile() const {
    return QDir(m_ProgramFolder).absoluteFilePath(QStringLiteral("data/settings.ini"));
}

QString TSettingsINIFileLoader::ResolveSettingsFile() {
    const QString candidate = DefaultSettingsFile();
    if (!m_Registry)
        return candidate;
    const QString stored =
        m_Registry->ReadString(RegistryKey::SettingsFile, RegistryKey::SettingsFileNameAndPath)
            .trimmed();
    if (stored.isEmpty()) {
        // A registry that cannot be written only means the next start resolves again.
        RememberSettingsFile(candidate);
        return candidate;
    }
    // A value naming a file that is gone (a removed disk, a renamed folder) stays: the
    // file may come back.
    return QFileInfo(stored).isFile() ? stored : candidate;
}

bool TSettingsINIFileLoader::OpenStore(const QString& path) {
    if (path.isEmpty())
        return false;
    auto doc = TIniDocument::LoadFile(path);
    if (!doc)
        return false;
    m_Store = std::move(*doc);
    return true;
}

bool TSettingsINIFileLoader::OpenAtStartUp() {
    const bool opened = OpenStore(ResolveSettingsFile());
    if (!SectionExists(SettingsSection::chkbZodiakusJelek))
        RestoreDefaults();
    return opened;
}

bool TSettingsINIFileLoader::RememberSettingsFile(const QString& path) {
    return m_Registry && !m_Registry->WriteString(RegistryKey::SettingsFile,
                                                  RegistryKey::SettingsFileNameAndPath, path);
}

bool TSettingsINIFileLoader::ReadBool(const QString& section, const QString& key,
                                      bool fallback) const {
    return m_Store.ReadBool(section, key, fallback);
}

int TSettingsINIFileLoader::ReadInteger(const QString& section, const QString& key,
                                        int fallback) const {
    return m_Store.ReadInteger(section, key, fallback);
}

double TSettingsINIFileLoader::ReadFloat(const QString& section, const QString& key,
                                         double fallback) const {
    return m_Store.ReadFloat(section, key, fallback);
}

QString TSettingsINIFileLoader::ReadString(const QString& section, const QString& key,
                                           const QString& fallback) const {
    return m_Store.ReadString(section, key, fallback);
}

void TSettingsINIFileLoader::WriteBool(const QString& section, const QString& key, bool value) {
    m_Store.WriteBool(section, key, value);
}

void TSettingsINIFileLoader::WriteInteger(const QString& section, const QString& key, int value) {
    m_Store.WriteInteger(section, key, value);
}

void TSettingsINIFileLoader::WriteFloat(const QString& section, const QString& key, double value) {
    m_Store.WriteFloat(section, key, value);
}

void TSettingsINIFileLoader::WriteString(const QString& section, const QString& key,
                                         const QString& value) {
    m_Store.WriteString(section, key, value);
}

bool TSettingsINIFileLoader::SectionExists(const QString& section) const {
    return m_Store.SectionExists(section);
}

bool TSettingsINIFileLoader::SaveStore() {
    return WriteStoreTo(m_Store.FileName());
}

bool TSettingsINIFileLoader::SaveSettingsToFile(const QString& path) {
    return WriteStoreTo(path);
}

bool TSettingsINIFileLoader::WriteStoreTo(const QString& path) {
    bool saved = false;
    if (!path.isEmpty()) {
        // The default settings file lives in data/, which a damaged home may lack.
        QDir().mkpath(QFileInfo(path).absolutePath());
        saved = !m_Store.SaveFile(path);
    }
    if (!saved && m_Notifier)
        m_Notifier->ShowMessage(TMessageKind::Error,
                                GetMessageText(u"uZentavoFileHandling_SaveSettingsError"));
    return saved;
}

void TSettingsINIFileLoader::RestoreDefaults() {
    WriteShownElementDefaults(m_Store);
    WriteAspectSwitchDefaults(m_Store);
    WriteDisplayOptionDefaults(m_Store);
    WritePrintDefaults(m_Store);
    WriteProgramDefaults(m_Store);
    WriteColourAndOrbDefaults(m_Store);
}

bool TSettingsINIFileLoader::RestoreDefaultsAfterAsking(const TAskYesNo& ask) {
    if (!ask || !ask(GetMessageText(u"uZentavoMain_RestoreSettingsQuestion")))
        return false;
    RestoreDefaults();
    return true;
}

bool TSettingsINIFileLoader::LoadSettingsFromFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    auto doc = TIniDocument::LoadFile(info.absoluteFilePath());
    if (!doc)
        return false;
    m_Store = std::move(*doc);
    RememberSettingsFile(m_Store.FileName());
    return true;
}

} // namespace velkaris
