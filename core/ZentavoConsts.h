#pragma once

#include <QString>
#include <array>
#include <span>

namespace velkaris {

/// Body ids that have a name of their own in the program.
namespace BodyId {
inline constexpr int Sun = 0;
inline constexpr int Moon = 1;
inline constexpr int Mercury = 2;
inline constexpr int Venus = 3;
inline constexpr int Mars = 4;
inline constexpr int Jupiter = 5;
inline constexpr int Saturn = 6;
inline constexpr int Uranus = 7;
inline constexpr int Neptune = 8;
inline constexpr int Pluto = 9;
inline constexpr int MeanNode = 10;
inline constexpr int TrueNode = 11;
inline constexpr int MeanApogee = 12;
inline constexpr int OsculatingApogee = 13;
inline constexpr int Earth = 14;
inline constexpr int Chiron = 15;
inline constexpr int Pholus = 16;
inline constexpr int Ceres = 17;
inline constexpr int Pallas = 18;
inline constexpr int Juno = 19;
inline constexpr int Vesta = 20;
inline constexpr int MeanSouthNode = 24;
inline constexpr int TrueSouthNode = 25;
inline constexpr int Eris = 146199;
inline constexpr int Neowise = 1009043;
inline constexpr int Halley = 1009044;
inline constexpr int Churyumov = 1009032;
inline constexpr int Oumuamua = 1009045;
inline constexpr int HaleBopp = 1009046;
inline constexpr int Magellan = 14055;
/// Fixed stars are numbered from here up to FixedStarLast, in star-table order.
inline constexpr int FixedStarFirst = 10000001;
inline constexpr int FixedStarLast = 10000737;
/// Every id above this is a fixed star.
inline constexpr int FixedStarThreshold = 10000000;
/// Highest planet number the calculator asks the library for in its main loop.
inline constexpr int LastLibraryPlanet = 20;
} // namespace BodyId

inline bool IsFixedStarId(int id) {
    return id > BodyId::FixedStarThreshold;
}

/// One row of the body table: what the program knows about a body id without the library.
struct TBodyConstInfo {
    int Id;
    /// Text drawn for the body: one character of the chart symbol font, or a short text.
    const char16_t* Symbol;
    /// Message constant of the name; null for the bodies whose name is not translated.
    const char16_t* NameConst;
    /// Name used when there is no message constant (comets and the cloud).
    const char16_t* FixedName;
    /// Key in the settings that switches the body on; null when it has none.
    const char16_t* SettingsKey;
};

/// The body table: ids 0-20, the south nodes, Eris, the comets and the cloud.
std::span<const TBodyConstInfo> BodyTable();
/// The body table row of `id`; null for ids the table does not hold (stars, axes, 21-23).
const TBodyConstInfo* FindBodyConstInfo(int id);

/// The ten planets, Sun to Pluto.
inline constexpr std::array<int, 10> TenPlanets = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
/// The lunar nodes: both north nodes and their south twins.
inline constexpr std::array<int, 4> NodeIds = {10, 11, 24, 25};
/// The minor-body settings group, in its order.
inline constexpr std::array<int, 14> MinorBodyIds = {
    15, 16, 17, 18, 19, 20, 146199, 12, 1009043, 1009044, 1009032, 1009045, 1009046, 14055};
/// The six optional bodies that are dropped when the library has no data for them.
inline constexpr std::array<int, 6> ExtraBodyIds = {1009043, 1009044, 1009032,
                                                    1009045, 1009046, 14055};

/// Axis points in the order of the library's house routine output.
namespace AxisId {
inline constexpr int Ascendant = 0;
inline constexpr int MediumCoeli = 1;
inline constexpr int Armc = 2;
inline constexpr int Vertex = 3;
inline constexpr int EquatorialAscendant = 4;
inline constexpr int CoAscendantKoch = 5;
inline constexpr int CoAscendantMunkasey = 6;
inline constexpr int PolarAscendant = 7;
inline constexpr int CountPlaceholder = 8;
inline constexpr int Count = 9;
/// Body id of the Imum Coeli, which is not in the axis list (MC + 180 degrees).
inline constexpr int ImumCoeliBodyId = -10;
} // namespace AxisId

/// Where axes and bodies share one id space, axis k is body id -(k + 1).
inline constexpr int AxisToBodyId(int axisId) {
    return -(axisId + 1);
}
inline constexpr int BodyToAxisId(int bodyId) {
    return -bodyId - 1;
}

struct TAxisConstInfo {
    int AxisId;
    int BodyId;
    /// Message constant of the long name, or null when the long name is fixed.
    const char16_t* LongNameConst;
    const char16_t* LongName;
    const char16_t* ShortNameConst;
    const char16_t* ShortName;
    /// Symbol text; empty for the axes that are never drawn.
    const char16_t* Symbol;
};

/// The axis table: axes 0-8 followed by the Imum Coeli.
std::span<const TAxisConstInfo> AxisTable();
/// The axis table row for an axis body id (-1 ... -10); null for other ids.
const TAxisConstInfo* FindAxisByBodyId(int bodyId);
/// Long name of an axis row, through the catalogue where it has a constant.
QString AxisLongName(const TAxisConstInfo& axis);
QString AxisShortName(const TAxisConstInfo& axis);

/// One sign of the zodiac with its ruler (`TZodiacSignAndPlanet`).
struct TZodiacSignAndPlanet {
    int Index;
    int RulerId;
    char16_t SignSymbol;
    char16_t RulerSymbol;
    /// The key under which the sign characterisation texts are filed.
    const char16_t* PlainLetterName;
    /// Sign name followed by its dates, the hint text of the sign.
    const char16_t* NameWithDates;
    const char16_t* NameConst;
    const char16_t* RulerNameConst;

    QString Name() const;
    QString RulerName() const;
};

inline constexpr int SignCount = 12;
/// Sign `index` (0 Aries ... 11 Pisces); out-of-range indices are a caller error.
const TZodiacSignAndPlanet& ZodiacSign(int index);

/// Sign indices by quality (rows: cardinal, fixed, mutable) and element (columns: fire,
/// earth, air, water).
inline constexpr int SignGrid[3][4] = {{0, 9, 6, 3}, {4, 1, 10, 7}, {8, 5, 2, 11}};

struct TAspectConstInfo {
    int Id;
    double ExactAngle;
    double DefaultOrb;
    char16_t Symbol;
    const char16_t* NameConst;
    const char16_t* OtherNameConst;

    QString Name() const;
    QString OtherName() const;
};

inline constexpr int AspectCount = 12;
/// Aspect `id` 1-12; out-of-range ids are a caller error.
const TAspectConstInfo& AspectInfo(int id);

inline constexpr int HouseCount = 12;
/// "1" ... "12".
QString HousePlainNumber(int house);
/// Roman numerals for the angular houses, plain numbers otherwise.
QString HouseWheelLabel(int house);
/// "Első" ... "Tizenkettedik".
QString HouseOrdinal(int house);
/// "Első Ház" ... "Tizenkettedik Ház".
QString HouseName(int house);

/// Name of an ISO week day, 1 Monday ... 7 Sunday.
QString WeekDayName(int isoDay);

} // namespace velkaris
