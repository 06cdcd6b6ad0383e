#include "ZentavoConsts.h"

#include "Messages.h"

#include <algorithm>

namespace velkaris {

namespace {

// Symbol characters above 0x7F are the font codes of the Windows program's 8-bit
// texts; they are held as the Windows-1250 characters those bytes stand for, which is
// where the chart symbol font carries the glyphs.
constexpr char16_t Cp1250_82 = u'\u201A';
constexpr char16_t Cp1250_84 = u'\u201E';
constexpr char16_t Cp1250_85 = u'\u2026';
constexpr char16_t Cp1250_86 = u'\u2020';
constexpr char16_t Cp1250_87 = u'\u2021';

constexpr char16_t LilithSymbol[] = {Cp1250_87, 0};
constexpr char16_t PholusSymbol[] = {Cp1250_82, 0};

constexpr TBodyConstInfo Bodies[] = {
    {0, u"a", u"planetName01", nullptr, u"SUN"},
    {1, u"s", u"planetName02", nullptr, u"MOON"},
    {2, u"d", u"planetName03", nullptr, u"MERCURY"},
    {3, u"f", u"planetName04", nullptr, u"VENUS"},
    {4, u"g", u"planetName05", nullptr, u"MARS"},
    {5, u"h", u"planetName06", nullptr, u"JUPITER"},
    {6, u"j", u"planetName07", nullptr, u"SATURN"},
    {7, u"k", u"planetName08", nullptr, u"URANUS"},
    {8, u"l", u"planetName09", nullptr, u"NEPTUNE"},
    {9, u";", u"planetName10", nullptr, u"PLUTO"},
    {10, u"A", u"planetName11", nullptr, nullptr},
    {11, u"A", u"planetName12", nullptr, nullptr},
    {12, LilithSymbol, u"planetName13", nullptr, u"LILITH"},
    {13, u"Pri", u"planetName14", nullptr, nullptr},
    {14, u"L", u"planetName15", nullptr, nullptr},
    {15, u"K", u"planetName16", nullptr, u"CHIRON"},
    {16, PholusSymbol, u"planetName17", nullptr, u"PHOLUS"},
    {17, u"F", u"planetName18", nullptr, u"CERES"},
    {18, u"G", u"planetName19", nullptr, u"PALLAS"},
    {19, u"H", u"planetName20", nullptr, u"JUNO"},
    {20, u"J", u"planetName21", nullptr, u"VESTA"},
    {21, u":", nullptr, nullptr, nullptr},
    {22, u":", nullptr, nullptr, nullptr},
    {23, u":", nullptr, nullptr, nullptr},
    {24, u"Q", u"planetName22", nullptr, nullptr},
    {25, u"Q", u"planetName23", nullptr, nullptr},
    // Eris is drawn with its display name, which SymbolText fetches itself.
    {146199, nullptr, u"planetName146199", nullptr, u"ERIS"},
    {1009043, u"Neow", nullptr, u"Neowise (C/2020 F3)", u"NEOWISE"},
    {1009044, u"Hall", nullptr, u"Halley üstökös", u"HALLEY"},
    {1009032, u"Csur", nullptr, u"67P/Csurjumov–Geraszimenko üstökös", u"CHURYUMOV"},
    {1009045, u"Oumu", nullptr, u"'Oumuamua üstökös", u"OUMUAMUA"},
    {1009046, u"Hale", nullptr, u"Hale–Bopp-üstökös", u"HALEBOPP"},
    {14055, u"NMag-f", nullptr, u"Nagy Magellán-felhő", u"MAGELLAN"},
};

constexpr TAxisConstInfo Axes[] = {
    {0, -1, u"axisLongNameAC", u"Ascendens", u"axisShortNameAC", u"AC", u"S"},
    {1, -2, u"axisLongNameMC", u"Medium Coeli", u"axisShortNameMC", u"MC", u"D"},
    {2, -3, nullptr, u"ARMS", nullptr, u"", u""},
    {3, -4, nullptr, u"Vertex", nullptr, u"Vtx", u"Vtx"},
    {4, -5, nullptr, u"Keletpont", nullptr, u"EP", u"EP"},
    {5, -6, nullptr, u"Koascendens (W.Koch)", nullptr, u"Cas", u""},
    {6, -7, nullptr, u"Koascendens (M. Munkasey)", nullptr, u"Cas", u"Cas"},
    {7, -8, nullptr, u"Sarki Ascendens", nullptr, u"Pas", u"Pas"},
    {8, -9, nullptr, u"NASCMC", nullptr, u"", u""},
    {-1, -10, nullptr, u"Imum Coeli", nullptr, u"IC", u"T"},
};

constexpr TZodiacSignAndPlanet Signs[SignCount] = {
    {0, 4, u'q', u'g', u"Kos", u"Kos [III.21 - IV.20]", u"zodiacName01", u"zodiacPlanetName01"},
    {1, 3, u'w', u'f', u"Bika", u"Bika [IV.21 - V.20]", u"zodiacName02", u"zodiacPlanetName02"},
    {2, 2, u'e', u'd', u"Ikrek", u"Ikrek [V.21 - VI.21]", u"zodiacName03", u"zodiacPlanetName03"},
    {3, 1, u'r', u's', u"Rak", u"Rák [VI.22 - VII.22]", u"zodiacName04", u"zodiacPlanetName04"},
    {4, 0, u't', u'a', u"Oroszlan", u"Oroszlán [VII.23 - VIII.23]", u"zodiacName05",
     u"zodiacPlanetName05"},
    {5, 2, u'y', u'd', u"Szuz", u"Szűz [VIII.24 - IX.23]", u"zodiacName06", u"zodiacPlanetName06"},
    {6, 3, u'u', u'f', u"Merleg", u"Mérleg [IX.24 - X.23]", u"zodiacName07", u"zodiacPlanetName07"},
    {7, 9, u'i', u';', u"Skorpio", u"Skorpió [X.24 - XI.22]", u"zodiacName08",
     u"zodiacPlanetName08"},
    {8, 5, u'o', u'h', u"Nyilas", u"Nyilas [XI.23 - XII.21]", u"zodiacName09",
     u"zodiacPlanetName09"},
    {9, 6, u'p', u'j', u"Bak", u"Bak [XII.22 - I.20]", u"zodiacName10", u"zodiacPlanetName10"},
    {10, 7, u'[', u'k', u"Vizonto", u"Vízöntő [I.21 - II.19]", u"zodiacName11",
     u"zodiacPlanetName11"},
    {11, 8, u']', u'l', u"Halak", u"Halak [II.20 - III.20]", u"zodiacName12",
     u"zodiacPlanetName12"},
};

constexpr TAspectConstInfo Aspects[AspectCount] = {
    {1, 0, 15, u'z', u"aspectName01", u"otherAspectName01"},
    {2, 180, 7.5, u'x', u"aspectName02", u"otherAspectName02"},
    {3, 90, 4, u'c', u"aspectName03", u"otherAspectName03"},
    {4, 45, 2, u'm', u"aspectName04", u"otherAspectName04"},
    {5, 135, 2, u'<', u"aspectName05", u"otherAspectName05"},
    {6, 120, 5, u'b', u"aspectName06", u"otherAspectName06"},
    {7, 60, 2.5, u'n', u"aspectName07", u"otherAspectName07"},
    {8, 30, 1, u'>', u"aspectName08", u"otherAspectName08"},
    {9, 150, 1, u'?', u"aspectName09", u"otherAspectName09"},
    {10, 72, 3, Cp1250_84, u"aspectName10", u"otherAspectName10"},
    {11, 36, 2.5, Cp1250_86, u"aspectName11", u"otherAspectName11"},
    {12, 144, 3, Cp1250_85, u"aspectName12", u"otherAspectName12"},
};

constexpr const char16_t* HouseWheelLabels[HouseCount] = {u"I",   u"2", u"3", u"IV", u"5",  u"6",
                                                          u"VII", u"8", u"9", u"X",  u"11", u"12"};

constexpr const char16_t* WeekDayConsts[7] = {
    u"dayNameMonday", u"dayNameTuesday",  u"dayNameWednesday", u"dayNameThursday",
    u"dayNameFriday", u"dayNameSaturday", u"dayNameSunday"};

QString TextOf(const char16_t* constName) {
    return GetMessageText(QStringView(constName));
}

} // namespace

std::span<const TBodyConstInfo> BodyTable() {
    return Bodies;
}

const TBodyConstInfo* FindBodyConstInfo(int id) {
    const auto it = std::find_if(std::begin(Bodies), std::end(Bodies),
                                 [id](const TBodyConstInfo& b) { return b.Id == id; });
    return it == std::end(Bodies) ? nullptr : it;
}

std::span<const TAxisConstInfo> AxisTable() {
    return Axes;
}

const TAxisConstInfo* FindAxisByBodyId(int bodyId) {
    const auto it = std::find_if(std::begin(Axes), std::end(Axes),
                                 [bodyId](const TAxisConstInfo& a) { return a.BodyId == bodyId; });
    return it == std::end(Axes) ? nullptr : it;
}

QString AxisLongName(const TAxisConstInfo& axis) {
    return axis.LongNameConst ? TextOf(axis.LongNameConst) : QString::fromUtf16(axis.LongName);
}

QString AxisShortName(const TAxisConstInfo& axis) {
    return axis.ShortNameConst ? TextOf(axis.ShortNameConst) : QString::fromUtf16(axis.ShortName);
}

QString TZodiacSignAndPlanet::Name() const {
    return TextOf(NameConst);
}

QString TZodiacSignAndPlanet::RulerName() const {
    return TextOf(RulerNameConst);
}

const TZodiacSignAndPlanet& ZodiacSign(int index) {
    Q_ASSERT(index >= 0 && index < SignCount);
    return Signs[index];
}

QString TAspectConstInfo::Name() const {
    return TextOf(NameConst);
}

QString TAspectConstInfo::OtherName() const {
    return TextOf(OtherNameConst);
}

const TAspectConstInfo& AspectInfo(int id) {
    Q_ASSERT(id >= 1 && id <= AspectCount);
    return Aspects[id - 1];
}

QString HousePlainNumber(int house) {
    return QString::number(house);
}

QString HouseWheelLabel(int house) {
    Q_ASSERT(house >= 1 && house <= HouseCount);
    return QString::fromUtf16(HouseWheelLabels[house - 1]);
}

QString HouseOrdinal(int house) {
    return GetMessageText(MessageFamilyName(u"houseNumberPref", house));
}

QString HouseName(int house) {
    return GetMessageText(MessageFamilyName(u"houseNameEnding", house));
}

QString WeekDayName(int isoDay) {
    Q_ASSERT(isoDay >= 1 && isoDay <= 7);
    return TextOf(WeekDayConsts[isoDay - 1]);
}

} // namespace velkaris
