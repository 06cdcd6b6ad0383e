#include "SettingsProvider.h"

#include "SettingsINIFileLoader.h"
#include "SettingsKeys.h"
#include "core/ZentavoConsts.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace velkaris {

namespace {

namespace S = SettingsSection;
namespace K = SettingsKey;

/// Key `index` of a family; nullopt outside the family.
template <size_t N>
std::optional<QLatin1StringView> KeyAt(const std::array<QLatin1StringView, N>& keys, int index) {
    if (index < 0 || index >= static_cast<int>(N))
        return std::nullopt;
    return keys[static_cast<size_t>(index)];
}

std::optional<QLatin1StringView> BodyKey(std::span<const K::TBodyKey> keys, int bodyId) {
    for (const K::TBodyKey& k : keys) {
        if (k.BodyId == bodyId)
            return k.Key;
    }
    return std::nullopt;
}

std::span<const K::TBodyKey> AspectedMinorBodies() {
    return std::span(K::MinorBodies).first(K::AspectedMinorBodyCount);
}

void AppendId(QString& ids, int id) {
    ids += QString::number(id);
    ids += QLatin1Char(';');
}

} // namespace

bool TSettingsProvider::Flag(const QString& section, const QString& key) const {
    return m_Store.ReadBool(section, key);
}

// Chart elements shown.

bool TSettingsProvider::GetShowSign(int sign) const {
    const auto key = KeyAt(K::Signs, sign);
    return key && Flag(S::chkbZodiakusJelek, *key);
}

bool TSettingsProvider::GetShowSignRulers() const {
    return Flag(S::chkbZodiakusJelek, K::KELL_E_ANALOG);
}

bool TSettingsProvider::GetShowCuspLine(int house) const {
    const auto key = KeyAt(K::Houses, house - 1);
    return key && Flag(S::chkbHazHatarok, *key);
}

bool TSettingsProvider::GetShowHouseNumber(int house) const {
    const auto key = KeyAt(K::Houses, house - 1);
    return key && Flag(S::chkbHazSzamok, *key);
}

bool TSettingsProvider::GetShowAxis(TWheelAxis axis) const {
    const auto key = KeyAt(K::Axes, static_cast<int>(axis));
    return key && Flag(S::chkbTengelyek, *key);
}

bool TSettingsProvider::GetCalculateBody(int bodyId) const {
    if (const auto key = BodyKey(K::Planets, bodyId))
        return Flag(S::chkbBolygok, *key);
    if (const auto key = BodyKey(K::MinorBodies, bodyId))
        return Flag(S::chkbKisBolygok, *key);
    return false;
}

bool TSettingsProvider::GetShowMinorBodies() const {
    return Flag(S::chkbKisBolygok, K::KELL_E_MEGJELENITES);
}

bool TSettingsProvider::GetShowAscendingNode() const {
    return Flag(S::chkbHoldcsomo, K::FELSZ_NODE);
}

bool TSettingsProvider::GetShowDescendingNode() const {
    return Flag(S::chkbHoldcsomo, K::LESZ_NODE);
}

bool TSettingsProvider::GetUseMeanNodes() const {
    return Flag(S::chkbHoldocsomoTipus, K::MEAN_NODE);
}

bool TSettingsProvider::GetUseTrueNodes() const {
    return Flag(S::chkbHoldocsomoTipus, K::TRUE_NODE);
}

bool TSettingsProvider::GetShowFixedStars() const {
    return Flag(S::chkbFixedStars, K::KELL_E_MEGJELENITES);
}

bool TSettingsProvider::GetAlwaysShowSelectedStars() const {
    return Flag(S::chkbFixedStars, K::MEGJELENITES_MINDENKEPP);
}

QString TSettingsProvider::GetSelectedStarIds() const {
    return m_Store.ReadString(S::chkbFixedStars, K::SELECTED_STARIDS);
}

bool TSettingsProvider::GetShowPlanetDegrees() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::PLANETDEG);
}

bool TSettingsProvider::GetShowHouseLords() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::HOUSELORDS);
}

bool TSettingsProvider::GetShowRetrogradeMark() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::RETROGADE);
}

bool TSettingsProvider::GetShowFeralMark() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::FERALIS);
}

bool TSettingsProvider::GetShowStationaryMark() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::STACIONER);
}

bool TSettingsProvider::GetShowSelfMarkers() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::SELFMARKERS);
}

bool TSettingsProvider::GetSelfMarkersAtTruePlace() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::SELFMARKERATORIGPLACE);
}

bool TSettingsProvider::GetAspectsAtTruePlace() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::ASPECTSATORIGPLACE);
}

bool TSettingsProvider::GetHideAge() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::ELETKORELREJT);
}

bool TSettingsProvider::GetArabicAngularHouseNumbers() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::HOUSENUMSBYARABICNUMBERS);
}

bool TSettingsProvider::GetOnlyComparisonChart() const {
    return Flag(S::chkbEgyebMegjelenitesek, K::CSAKAKTSYNASTRY);
}

bool TSettingsProvider::GetOuterZodiacTicks() const {
    return Flag(S::chkbFokjelolok, K::OUTERZODIACDEG);
}

bool TSettingsProvider::GetInnerZodiacTicks() const {
    return Flag(S::chkbFokjelolok, K::INNERZODIACDEG);
}

bool TSettingsProvider::GetInnerAspectCircleTicks() const {
    return Flag(S::chkbFokjelolok, K::INNERASPECTDEG);
}

bool TSettingsProvider::GetShowCuspDegrees() const {
    return Flag(S::chkbFokjelolok, K::HOUSEDEG);
}

bool TSettingsProvider::GetZodiacDegreesOnOwnArc() const {
    return Flag(S::chkbFokjelolok, K::ZODIACDEGKULON);
}

TSelfMarkerShape TSettingsProvider::GetSelfMarkerShape() const {
    return m_Store.ReadInteger(S::rgrpEnallapotJelolMod, K::JelolesMod) == 1
               ? TSelfMarkerShape::Triangle
               : TSelfMarkerShape::Circle;
}

double TSettingsProvider::GetGlyphSizeFactor() const {
    const double factor = m_Store.ReadFloat(S::grpBetumeretSzorzo, K::BetumeretSzorzo, 1.0);
    return std::isfinite(factor) && factor > 0 ? factor : 1.0;
}

bool TSettingsProvider::GetProgressedMoonOnly() const {
    return Flag(S::chkbProgressziok, K::CsakSzekDirHold);
}

bool TSettingsProvider::GetProgressedAscendantAndMC() const {
    return Flag(S::chkbProgressziok, K::SzekDirHoldAscMC);
}

bool TSettingsProvider::GetMarkElementsWithNotes() const {
    return Flag(S::chkbJegyzethezSzimbolum, K::JegyzethezSzimbolumot);
}

int TSettingsProvider::GetMultiChartDisplayMode() const {
    return m_Store.ReadInteger(S::rgrpTobbKepletMegjelenitese, K::MegjelenitesiMod);
}

int TSettingsProvider::GetMultiChartShiftMode() const {
    return m_Store.ReadInteger(S::rgrpTobbKepletElhelyezese, K::KepletElhelyezesiMod);
}

int TSettingsProvider::GetProgressionDirection() const {
    return m_Store.ReadInteger(S::chkbProgresszioIrany, K::ProgresszioIrany);
}

int TSettingsProvider::GetUranusSymbol() const {
    const int symbol = m_Store.ReadInteger(S::PlanetSymbolsGroup, K::UranusSymbol);
    return symbol >= 0 && symbol <= 1 ? symbol : 0;
}

int TSettingsProvider::GetPlutoSymbol() const {
    const int symbol = m_Store.ReadInteger(S::PlanetSymbolsGroup, K::PlutoSymbol);
    return symbol >= 0 && symbol <= 2 ? symbol : 0;
}

// Aspects.

bool TSettingsProvider::GetLookForAspect(int aspect) const {
    const auto key = KeyAt(K::AspectSwitches, aspect - 1);
    return key && Flag(S::chkbFenyszogek, *key);
}

bool TSettingsProvider::GetShowAspectGlyph(int aspect) const {
    const auto key = KeyAt(K::AspectSwitches, aspect - 1);
    return key && Flag(S::chkbFenyszogJelek, *key);
}

bool TSettingsProvider::GetLookForFixedStarAspect(int aspect) const {
    const auto key = KeyAt(K::AspectSwitches, aspect - 1);
    return key && Flag(S::chkbFenyszogekFixedStars, *key);
}

double TSettingsProvider::GetFixedStarOrbDeg() const {
    constexpr double Missing = 2.5;
    const double orb = m_Store.ReadFloat(S::chkbFenyszogekFixedStars,
                                         K::chkbFenyszogekFixedStarsOrbValue, Missing);
    return std::isfinite(orb) && orb >= 0 ? orb : Missing;
}

bool TSettingsProvider::GetAspectLinesToPlanets() const {
    return Flag(S::chkbFenyszogVonalak, K::FSZVONALPLANETAIG);
}

bool TSettingsProvider::GetAspectedAxis(TWheelAxis axis) const {
    const int index = static_cast<int>(axis);
    if (index >= static_cast<int>(K::AspectedAxisIds.size()))
        return false;
    const auto key = KeyAt(K::Axes, index);
    return key && Flag(S::chkbFenyszogeltTengelyek, *key);
}

bool TSettingsProvider::GetAspectedHouse(int house) const {
    const auto key = KeyAt(K::Houses, house - 1);
    return key && Flag(S::chkbFenyszogeltHazak, *key);
}

bool TSettingsProvider::GetAspectedBody(int bodyId) const {
    if (const auto key = BodyKey(K::Planets, bodyId))
        return Flag(S::chkbFenyszogeltBolygok, *key);
    if (const auto key = BodyKey(AspectedMinorBodies(), bodyId))
        return Flag(S::chkbFenyszogeltKisBolygok, *key);
    return false;
}

bool TSettingsProvider::GetAspectedAscendingNode() const {
    return Flag(S::chkbFenyszogeltCsompontok, K::FELSZ_NODE);
}

bool TSettingsProvider::GetAspectedDescendingNode() const {
    return Flag(S::chkbFenyszogeltCsompontok, K::LESZ_NODE);
}

bool TSettingsProvider::GetUseDetailedOrbs() const {
    return Flag(S::chkbOrbSettingsSwitch, K::ReszletesBeallitas);
}

QString TSettingsProvider::GetOrbString(int aspect, bool simple) const {
    const auto key = KeyAt(K::AspectValues, aspect - 1);
    if (!key)
        return {};
    return m_Store.ReadString(simple ? S::chkbOrbSettingsSimple : S::chkbOrbSettingsDetailed, *key);
}

int TSettingsProvider::GetAspectColour(int aspect) const {
    const auto key = KeyAt(K::AspectValues, aspect - 1);
    return key ? m_Store.ReadInteger(S::chkbFenyszogColor, *key) : 0;
}

TAspectLineStyle TSettingsProvider::GetAspectLineStyle(int aspect) const {
    const auto key = KeyAt(K::AspectValues, aspect - 1);
    switch (key ? m_Store.ReadInteger(S::chkbFenyszogStyle, *key) : 0) {
    case 1:
        return TAspectLineStyle::Dashed;
    case 2:
        return TAspectLineStyle::Dotted;
    default:
        return TAspectLineStyle::Solid;
    }
}

int TSettingsProvider::GetAspectCircleBackground() const {
    return m_Store.ReadInteger(S::chkbFenyszogekBackgroundColor, K::FenyszogBackgroundColor);
}

int TSettingsProvider::GetBaseLineWidth() const {
    return std::max(m_Store.ReadInteger(S::Vonalvastagsagok, K::Alapvonalak), 1);
}

int TSettingsProvider::GetElementBackground(int element) const {
    const auto key = KeyAt(K::ElementBackgrounds, element);
    return key ? m_Store.ReadInteger(S::chkbZodiakusBackGroundColor, *key) : 0;
}

// Printing and export.

bool TSettingsProvider::GetPrintPlanetTable() const {
    return Flag(S::chkbBolygoTablazat, K::KELL_E);
}

bool TSettingsProvider::GetPlanetTableColumn(TPlanetTableColumn column) const {
    const auto key = KeyAt(K::PlanetTableColumns, static_cast<int>(column));
    return key && Flag(S::chkbBolygoTablazat, *key);
}

bool TSettingsProvider::GetPrintHouseTable() const {
    return Flag(S::chkbHazTablazat, K::KELL_E);
}

bool TSettingsProvider::GetHouseTableColumn(THouseTableColumn column) const {
    const auto key = KeyAt(K::HouseTableColumns, static_cast<int>(column));
    return key && Flag(S::chkbHazTablazat, *key);
}

bool TSettingsProvider::GetPrintAspectTable() const {
    return Flag(S::chkbFenyszogTablazat, K::KELL_E);
}

bool TSettingsProvider::GetPrintLifeStrategyTable() const {
    return Flag(S::chkbEletStratTablazat, K::KELL_E);
}

bool TSettingsProvider::GetPrintInColour() const {
    return Flag(S::chkbNyomtatasSzinesben, K::NyomtatSzinesben);
}

bool TSettingsProvider::GetPrintHeader() const {
    return Flag(S::chkbFejlecKijelzesek, K::KELL_E);
}

bool TSettingsProvider::GetHeaderItem(THeaderItem item) const {
    const auto key = KeyAt(K::HeaderItems, static_cast<int>(item));
    return key && Flag(S::chkbFejlecKijelzesek, *key);
}

bool TSettingsProvider::GetPrintFooter() const {
    return Flag(S::chkbLablecKijelzesek, K::KELL_E);
}

bool TSettingsProvider::GetFooterBaseInfo() const {
    return Flag(S::chkbLablecKijelzesek, K::BASEINFO);
}

bool TSettingsProvider::GetIncognito() const {
    return Flag(S::chkbInkognito, K::Inkognito);
}

QString TSettingsProvider::GetExportFolder() const {
    return m_Store.ReadString(S::dlgExportHelye, K::ExportalasHelye);
}

// Program behaviour.

QString TSettingsProvider::GetHouseSystem() const {
    const QString system = m_Store.ReadString(S::chkbHazrendszer, K::Hazrendszer).trimmed();
    return system.isEmpty() ? QStringLiteral("P") : system;
}

QString TSettingsProvider::GetZodiac() const {
    return m_Store.ReadString(S::chkbZodiakus, K::Zodiakus).trimmed();
}

int TSettingsProvider::GetCityDatabase() const {
    return m_Store.ReadInteger(S::chkbEgyebek, K::TelepulesDB);
}

QString TSettingsProvider::GetDefaultCity() const {
    return m_Store.ReadString(S::chkbEgyebek, K::KivalTelepules);
}

int TSettingsProvider::GetRecentFilesCount() const {
    return std::max(m_Store.ReadInteger(S::chkbEgyebek, K::LastOpenedFilesNum), 0);
}

bool TSettingsProvider::GetCopyAttachedDocuments() const {
    return Flag(S::chkbCsatolasok, K::CsatDokumentumok);
}

bool TSettingsProvider::GetCopyAttachedPicture() const {
    return Flag(S::chkbCsatolasok, K::CsatKepek);
}

bool TSettingsProvider::GetStartMaximised() const {
    return Flag(S::chkbProgramInditas, K::InditasTeljesMeretben);
}

bool TSettingsProvider::GetCheckForNewVersion() const {
    return m_Store.ReadBool(S::chkbProgramInditas, K::UjVerzioEllenorzese, true);
}

QString TSettingsProvider::GetChartStepAmount() const {
    return m_Store.ReadString(S::LeptetoValuesGroup, K::KepletLepteto, QStringLiteral("10"));
}

QString TSettingsProvider::GetProgressionStepAmount() const {
    return m_Store.ReadString(S::LeptetoValuesGroup, K::ProgrLepteto, QStringLiteral("5"));
}

// Composite queries.

QString TSettingsProvider::GetCalculatedBodyIds(bool allBodies, bool withFixedStars) const {
    QString ids;
    for (const K::TBodyKey& k : K::Planets) {
        if (allBodies || Flag(S::chkbBolygok, k.Key))
            AppendId(ids, k.BodyId);
    }
    if (GetShowMinorBodies()) {
        for (const K::TBodyKey& k : K::MinorBodies) {
            if (allBodies || Flag(S::chkbKisBolygok, k.Key))
                AppendId(ids, k.BodyId);
        }
    }
    if (withFixedStars && GetShowFixedStars()) {
        // Only star ids: an entry such as "abc" or "5" must not turn into a planet id.
        for (const QString& entry : GetSelectedStarIds().split(QLatin1Char(','))) {
            bool ok = false;
            const int id = entry.trimmed().toInt(&ok);
            if (ok && id >= BodyId::FixedStarFirst && id <= BodyId::FixedStarLast)
                AppendId(ids, id);
        }
    }
    if (allBodies) {
        for (int id :
             {BodyId::MeanNode, BodyId::MeanSouthNode, BodyId::TrueNode, BodyId::TrueSouthNode})
            AppendId(ids, id);
    } else if (GetShowAscendingNode() || GetShowDescendingNode()) {
        if (GetUseMeanNodes()) {
            AppendId(ids, BodyId::MeanNode);
            AppendId(ids, BodyId::MeanSouthNode);
        } else if (GetUseTrueNodes()) {
            AppendId(ids, BodyId::TrueNode);
            AppendId(ids, BodyId::TrueSouthNode);
        }
    }
    return ids;
}

QString TSettingsProvider::GetAspectedBodyIds() const {
    QString ids;
    for (const K::TBodyKey& k : K::Planets) {
        if (Flag(S::chkbFenyszogeltBolygok, k.Key))
            AppendId(ids, k.BodyId);
    }
    for (const K::TBodyKey& k : AspectedMinorBodies()) {
        if (Flag(S::chkbFenyszogeltKisBolygok, k.Key))
            AppendId(ids, k.BodyId);
    }
    // The ascending node's switch brings in the pair.
    if (GetAspectedAscendingNode()) {
        if (GetUseMeanNodes()) {
            AppendId(ids, BodyId::MeanNode);
            AppendId(ids, BodyId::MeanSouthNode);
        } else if (GetUseTrueNodes()) {
            AppendId(ids, BodyId::TrueNode);
            AppendId(ids, BodyId::TrueSouthNode);
        }
    }
    return ids;
}

int TSettingsProvider::GetNodeBodyId() const {
    if (!GetShowAscendingNode() && !GetShowDescendingNode())
        return -1;
    if (GetUseMeanNodes())
        return BodyId::MeanNode;
    if (GetUseTrueNodes())
        return BodyId::TrueNode;
    return -1;
}

TIntSet TSettingsProvider::GetNodeBodySet() const {
    TIntSet set;
    if (const int id = GetNodeBodyId(); id >= 0)
        set.Add(id);
    return set;
}

namespace {

/// The numbers first ... last for which `read` answers true, in order.
template <class TRead>
TIntSet NumbersWhere(int first, int last, TRead read) {
    TIntSet set;
    for (int n = first; n <= last; ++n) {
        if (read(n))
            set.Add(n);
    }
    return set;
}

} // namespace

TIntSet TSettingsProvider::GetShownSignSet() const {
    return NumbersWhere(0, SignCount - 1, [this](int sign) { return GetShowSign(sign); });
}

TIntSet TSettingsProvider::GetShownHouseNumberSet() const {
    return NumbersWhere(1, HouseCount, [this](int house) { return GetShowHouseNumber(house); });
}

TIntSet TSettingsProvider::GetShownCuspSet() const {
    return NumbersWhere(1, HouseCount, [this](int house) { return GetShowCuspLine(house); });
}

TIntSet TSettingsProvider::GetAspectedAxisSet() const {
    TIntSet set;
    for (size_t i = 0; i < K::AspectedAxisIds.size(); ++i) {
        if (Flag(S::chkbFenyszogeltTengelyek, K::Axes[i]))
            set.Add(K::AspectedAxisIds[i]);
    }
    return set;
}

TIntSet TSettingsProvider::GetAspectedHouseSet() const {
    return NumbersWhere(1, HouseCount, [this](int house) { return GetAspectedHouse(house); });
}

TIntSet TSettingsProvider::GetLookedForAspectSet() const {
    return NumbersWhere(1, AspectCount, [this](int aspect) { return GetLookForAspect(aspect); });
}

TIntSet TSettingsProvider::GetAspectGlyphSet() const {
    return NumbersWhere(1, AspectCount, [this](int aspect) { return GetShowAspectGlyph(aspect); });
}

TIntSet TSettingsProvider::GetFixedStarAspectSet() const {
    return NumbersWhere(1, AspectCount,
                        [this](int aspect) { return GetLookForFixedStarAspect(aspect); });
}

} // namespace velkaris
