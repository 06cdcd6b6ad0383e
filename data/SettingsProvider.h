#pragma once

#include "core/IntSet.h"

#include <QString>

namespace velkaris {

class TSettingsINIFileLoader;

/// Axis points the wheel can show, in the order of their settings keys.
enum class TWheelAxis {
    Ascendant,
    MediumCoeli,
    Descendant,
    ImumCoeli,
    Vertex,
    EastPoint,
    CoAscendant,
    PolarAscendant
};

enum class TSelfMarkerShape { Circle, Triangle };
enum class TAspectLineStyle { Solid, Dashed, Dotted };
enum class TPlanetTableColumn { Degree, Sign, House, HouseLords };
enum class THouseTableColumn { Degree, Sign };
/// Items of the printed header.
enum class THeaderItem {
    Name,
    BirthDate,
    BirthTime,
    BirthWeekday,
    TimeZone,
    DaylightSaving,
    UniversalTime,
    SiderealTime,
    PrintType,
    BirthPlace,
    BirthCoordinates,
    HouseSystem
};

/// Typed reads of the settings store, one per setting or family of settings, and the
/// composite queries built on them.
///
/// The provider keeps nothing of its own: every read goes to the store, so a change
/// written to the store is seen by the next read. A missing or malformed value reads as
/// the value documented for a missing key (false, 0 or empty unless said otherwise); an
/// index outside its range reads the same way. Signs are 0-11 (Aries ... Pisces), houses
/// 1-12, aspects 1-12 and elements 0-3 (fire, earth, air, water).
class TSettingsProvider {
public:
    /// A facade over `store`, which is not owned and must outlive the provider.
    explicit TSettingsProvider(const TSettingsINIFileLoader& store) : m_Store(store) {}

    // Chart elements shown.

    /// Draw the glyph of this sign.
    bool GetShowSign(int sign) const;
    /// Show each sign's analogous planet.
    bool GetShowSignRulers() const;
    /// Draw the cusp line of this house.
    bool GetShowCuspLine(int house) const;
    /// Draw the number of this house.
    bool GetShowHouseNumber(int house) const;
    /// Draw this axis point.
    bool GetShowAxis(TWheelAxis axis) const;
    /// Calculate and show this planet (Sun ... Pluto) or minor body; false for other ids.
    bool GetCalculateBody(int bodyId) const;
    /// Master switch of the minor bodies.
    bool GetShowMinorBodies() const;
    /// Show the ascending (north) lunar node.
    bool GetShowAscendingNode() const;
    /// Show the descending (south) lunar node.
    bool GetShowDescendingNode() const;
    /// The nodes are the mean nodes.
    bool GetUseMeanNodes() const;
    /// The nodes are the true nodes.
    bool GetUseTrueNodes() const;
    /// Show the selected fixed stars.
    bool GetShowFixedStars() const;
    /// When stars are shown, show every selected star.
    bool GetAlwaysShowSelectedStars() const;
    /// Selected fixed-star ids separated by ",", as stored.
    QString GetSelectedStarIds() const;

    /// Write each planet's degree beside it.
    bool GetShowPlanetDegrees() const;
    /// Show the house lords.
    bool GetShowHouseLords() const;
    /// Marks beside the planets: retrograde, feral, stationary.
    bool GetShowRetrogradeMark() const;
    bool GetShowFeralMark() const;
    bool GetShowStationaryMark() const;
    /// Show the ego-state markers.
    bool GetShowSelfMarkers() const;
    /// Ego-state markers at the planets' true positions, before glyphs are moved apart.
    bool GetSelfMarkersAtTruePlace() const;
    /// Aspect lines end at the planets' true positions.
    bool GetAspectsAtTruePlace() const;
    /// Hide the age display.
    bool GetHideAge() const;
    /// Angular houses numbered with Arabic numerals.
    bool GetArabicAngularHouseNumbers() const;
    /// With progressions and synastry show only the comparison chart.
    bool GetOnlyComparisonChart() const;

    /// Degree ticks on the outer and the inner edge of the zodiac ring and on the inner
    /// aspect circle.
    bool GetOuterZodiacTicks() const;
    bool GetInnerZodiacTicks() const;
    bool GetInnerAspectCircleTicks() const;
    /// Write the degree of each house cusp.
    bool GetShowCuspDegrees() const;
    /// Degree numbers on an arc of their own.
    bool GetZodiacDegreesOnOwnArc() const;

    /// Circle for 0 and for any value but 1.
    TSelfMarkerShape GetSelfMarkerShape() const;
    /// Size factor of the planet glyphs; 1.0 when missing, not positive or not finite.
    double GetGlyphSizeFactor() const;
    /// In the secondary progression show only the progressed Moon.
    bool GetProgressedMoonOnly() const;
    /// Also show the progressed Ascendant and MC.
    bool GetProgressedAscendantAndMC() const;
    /// Mark chart elements that have notes with a symbol.
    bool GetMarkElementsWithNotes() const;
    /// Several charts: 0 drawn on top of each other, 1 side by side.
    int GetMultiChartDisplayMode() const;
    /// Several charts: 0 shifted vertically, 1 shifted horizontally.
    int GetMultiChartShiftMode() const;
    /// Directions and progressions: 0 forward, 1 converse.
    int GetProgressionDirection() const;
    /// Uranus glyph 0-1; 0 for a value outside the range.
    int GetUranusSymbol() const;
    /// Pluto glyph 0-2; 0 for a value outside the range.
    int GetPlutoSymbol() const;

    // Aspects.

    /// Look for this aspect between the aspected elements.
    bool GetLookForAspect(int aspect) const;
    /// Draw the aspect's glyph on its line.
    bool GetShowAspectGlyph(int aspect) const;
    /// Look for this aspect with the fixed stars.
    bool GetLookForFixedStarAspect(int aspect) const;
    /// Orb of fixed-star aspects in degrees; 2.5 when missing, negative or not finite.
    double GetFixedStarOrbDeg() const;
    /// Aspect lines reach up to the planets.
    bool GetAspectLinesToPlanets() const;
    /// Axis as an aspected element; false for the axes past the Imum Coeli.
    bool GetAspectedAxis(TWheelAxis axis) const;
    /// House cusp as an aspected element.
    bool GetAspectedHouse(int house) const;
    /// Planet or one of the eight aspectable minor bodies as an aspected element.
    bool GetAspectedBody(int bodyId) const;
    /// Lunar node as an aspected element.
    bool GetAspectedAscendingNode() const;
    bool GetAspectedDescendingNode() const;
    /// Use the detailed orb table in place of the simple one.
    bool GetUseDetailedOrbs() const;
    /// The orb string of `aspect` from the simple or the detailed table: 14 decimals
    /// separated by "|", as stored.
    QString GetOrbString(int aspect, bool simple) const;
    /// Colour of the aspect's line, red in the lowest byte.
    int GetAspectColour(int aspect) const;
    /// Solid for 0 and for any value outside 0-2.
    TAspectLineStyle GetAspectLineStyle(int aspect) const;
    /// Background colour of the aspect circle, red in the lowest byte.
    int GetAspectCircleBackground() const;
    /// Width of the base lines in pixels, at least 1.
    int GetBaseLineWidth() const;
    /// Background colour of the signs of an element, red in the lowest byte.
    int GetElementBackground(int element) const;

    // Printing and export.

    /// Print the planet table, and which of its columns.
    bool GetPrintPlanetTable() const;
    bool GetPlanetTableColumn(TPlanetTableColumn column) const;
    /// Print the house table, and which of its columns.
    bool GetPrintHouseTable() const;
    bool GetHouseTableColumn(THouseTableColumn column) const;
    /// Print the aspect table, the life-strategy table; print in colour.
    bool GetPrintAspectTable() const;
    bool GetPrintLifeStrategyTable() const;
    bool GetPrintInColour() const;
    /// Print the header, and which of its items.
    bool GetPrintHeader() const;
    bool GetHeaderItem(THeaderItem item) const;
    /// Print the footer, and the line with the program's basic information in it.
    bool GetPrintFooter() const;
    bool GetFooterBaseInfo() const;
    /// Hide the birth data.
    bool GetIncognito() const;
    /// Folder of the last image export.
    QString GetExportFolder() const;

    // Program behaviour.

    /// House-system letter, trimmed; "P" when blank.
    QString GetHouseSystem() const;
    /// Zodiac letter, trimmed: "S" sidereal, anything else (also empty) tropical.
    QString GetZodiac() const;
    bool IsSidereal() const { return GetZodiac() == QLatin1String("S"); }
    /// City database: 0 the small one, 1 the extended one.
    int GetCityDatabase() const;
    /// Default place of a new chart: city name, "; ", country code.
    QString GetDefaultCity() const;
    /// Number of recent files kept, 0 or more.
    int GetRecentFilesCount() const;
    /// Copy attached documents into the chart's docs folder, the picture into images.
    bool GetCopyAttachedDocuments() const;
    bool GetCopyAttachedPicture() const;
    /// Start with the main window maximised.
    bool GetStartMaximised() const;
    /// True when missing.
    bool GetCheckForNewVersion() const;
    /// Last step amount of the chart stepper; "10" when missing.
    QString GetChartStepAmount() const;
    /// Last step amount of the progression stepper; "5" when missing.
    QString GetProgressionStepAmount() const;

    // Composite queries.

    /// Ids of the bodies to calculate, each followed by ";": the planets switched on (all
    /// with `allBodies`), the minor bodies switched on when their master switch is, the
    /// valid selected fixed-star ids when `withFixedStars` and stars are shown, and the
    /// node pair (all four nodes with `allBodies`).
    QString GetCalculatedBodyIds(bool allBodies, bool withFixedStars) const;
    /// Ids of the aspected planets, minor bodies and node pair, each followed by ";".
    QString GetAspectedBodyIds() const;
    /// 10 (mean node) or 11 (true node) when a node is shown; -1 otherwise.
    int GetNodeBodyId() const;
    /// {GetNodeBodyId()} when a node is shown, else empty.
    TIntSet GetNodeBodySet() const;
    /// Signs 0-11 whose glyph is drawn.
    TIntSet GetShownSignSet() const;
    /// Houses 1-12 whose number is drawn.
    TIntSet GetShownHouseNumberSet() const;
    /// Houses 1-12 whose cusp line is drawn.
    TIntSet GetShownCuspSet() const;
    /// Axis ids 0 (AC), 1 (MC) and 255 (DC or IC) of the aspected axes.
    TIntSet GetAspectedAxisSet() const;
    /// Houses 1-12 whose cusp is an aspected element.
    TIntSet GetAspectedHouseSet() const;
    /// Aspects 1-12 looked for, drawn with their glyph, looked for with fixed stars.
    TIntSet GetLookedForAspectSet() const;
    TIntSet GetAspectGlyphSet() const;
    TIntSet GetFixedStarAspectSet() const;

private:
    bool Flag(const QString& section, const QString& key) const;

    const TSettingsINIFileLoader& m_Store;
};

} // namespace velkaris
