#pragma once

#include <QLatin1StringView>
#include <array>

namespace velkaris {

/// Section names of the settings file. They are the names of the dialog controls that
/// edit them and part of the file format: they are spelled here and nowhere else.
namespace SettingsSection {
using namespace Qt::Literals::StringLiterals;

// Chart elements shown.
inline constexpr QLatin1StringView chkbZodiakusJelek = "chkbZodiakusJelek"_L1;
inline constexpr QLatin1StringView chkbHazHatarok = "chkbHazHatarok"_L1;
inline constexpr QLatin1StringView chkbHazSzamok = "chkbHazSzamok"_L1;
inline constexpr QLatin1StringView chkbTengelyek = "chkbTengelyek"_L1;
inline constexpr QLatin1StringView chkbBolygok = "chkbBolygok"_L1;
inline constexpr QLatin1StringView chkbKisBolygok = "chkbKisBolygok"_L1;
inline constexpr QLatin1StringView chkbHoldcsomo = "chkbHoldcsomo"_L1;
inline constexpr QLatin1StringView chkbHoldocsomoTipus = "chkbHoldocsomoTipus"_L1;
inline constexpr QLatin1StringView chkbFixedStars = "chkbFixedStars"_L1;
inline constexpr QLatin1StringView chkbEgyebMegjelenitesek = "chkbEgyebMegjelenitesek"_L1;
inline constexpr QLatin1StringView chkbFokjelolok = "chkbFokjelolok"_L1;
inline constexpr QLatin1StringView rgrpEnallapotJelolMod = "rgrpEnallapotJelolMod"_L1;
inline constexpr QLatin1StringView grpBetumeretSzorzo = "grpBetumeretSzorzo"_L1;
inline constexpr QLatin1StringView chkbProgressziok = "chkbProgressziok"_L1;
inline constexpr QLatin1StringView chkbJegyzethezSzimbolum = "chkbJegyzethezSzimbolum"_L1;
inline constexpr QLatin1StringView rgrpTobbKepletMegjelenitese = "rgrpTobbKepletMegjelenitese"_L1;
inline constexpr QLatin1StringView rgrpTobbKepletElhelyezese = "rgrpTobbKepletElhelyezese"_L1;
inline constexpr QLatin1StringView chkbProgresszioIrany = "chkbProgresszioIrany"_L1;
inline constexpr QLatin1StringView PlanetSymbolsGroup = "PlanetSymbolsGroup"_L1;

// Aspects, orbs and colours.
inline constexpr QLatin1StringView chkbFenyszogek = "chkbFenyszogek"_L1;
inline constexpr QLatin1StringView chkbFenyszogJelek = "chkbFenyszogJelek"_L1;
inline constexpr QLatin1StringView chkbFenyszogekFixedStars = "chkbFenyszogekFixedStars"_L1;
inline constexpr QLatin1StringView chkbFenyszogVonalak = "chkbFenyszogVonalak"_L1;
inline constexpr QLatin1StringView chkbFenyszogeltTengelyek = "chkbFenyszogeltTengelyek"_L1;
inline constexpr QLatin1StringView chkbFenyszogeltHazak = "chkbFenyszogeltHazak"_L1;
inline constexpr QLatin1StringView chkbFenyszogeltBolygok = "chkbFenyszogeltBolygok"_L1;
inline constexpr QLatin1StringView chkbFenyszogeltKisBolygok = "chkbFenyszogeltKisBolygok"_L1;
inline constexpr QLatin1StringView chkbFenyszogeltCsompontok = "chkbFenyszogeltCsompontok"_L1;
inline constexpr QLatin1StringView chkbOrbSettingsSwitch = "chkbOrbSettingsSwitch"_L1;
inline constexpr QLatin1StringView chkbOrbSettingsSimple = "chkbOrbSettingsSimple"_L1;
inline constexpr QLatin1StringView chkbOrbSettingsDetailed = "chkbOrbSettingsDetailed"_L1;
inline constexpr QLatin1StringView chkbFenyszogColor = "chkbFenyszogColor"_L1;
inline constexpr QLatin1StringView chkbFenyszogStyle = "chkbFenyszogStyle"_L1;
inline constexpr QLatin1StringView chkbFenyszogekBackgroundColor =
    "chkbFenyszogekBackgroundColor"_L1;
inline constexpr QLatin1StringView Vonalvastagsagok = "Vonalvastagsagok"_L1;
inline constexpr QLatin1StringView chkbZodiakusBackGroundColor = "chkbZodiakusBackGroundColor"_L1;

// Printing and export.
inline constexpr QLatin1StringView chkbBolygoTablazat = "chkbBolygoTablazat"_L1;
inline constexpr QLatin1StringView chkbHazTablazat = "chkbHazTablazat"_L1;
inline constexpr QLatin1StringView chkbFenyszogTablazat = "chkbFenyszogTablazat"_L1;
inline constexpr QLatin1StringView chkbEletStratTablazat = "chkbEletStratTablazat"_L1;
inline constexpr QLatin1StringView chkbNyomtatasSzinesben = "chkbNyomtatasSzinesben"_L1;
inline constexpr QLatin1StringView chkbFejlecKijelzesek = "chkbFejlecKijelzesek"_L1;
inline constexpr QLatin1StringView chkbLablecKijelzesek = "chkbLablecKijelzesek"_L1;
inline constexpr QLatin1StringView chkbInkognito = "chkbInkognito"_L1;
inline constexpr QLatin1StringView dlgExportHelye = "dlgExportHelye"_L1;

// Program behaviour.
inline constexpr QLatin1StringView chkbHazrendszer = "chkbHazrendszer"_L1;
inline constexpr QLatin1StringView chkbZodiakus = "chkbZodiakus"_L1;
inline constexpr QLatin1StringView chkbEgyebek = "chkbEgyebek"_L1;
inline constexpr QLatin1StringView chkbCsatolasok = "chkbCsatolasok"_L1;
inline constexpr QLatin1StringView chkbProgramInditas = "chkbProgramInditas"_L1;
inline constexpr QLatin1StringView LeptetoValuesGroup = "LeptetoValuesGroup"_L1;
} // namespace SettingsSection

/// Key names of the settings file, as the file spells them.
namespace SettingsKey {
using namespace Qt::Literals::StringLiterals;

/// A settings key that stands for a body id.
struct TBodyKey {
    int BodyId;
    QLatin1StringView Key;
};

/// Signs 0-11 (Aries ... Pisces) in chkbZodiakusJelek.
inline constexpr std::array<QLatin1StringView, 12> Signs = {
    "KOS"_L1,    "BIKA"_L1,    "IKREK"_L1,  "RAK"_L1, "OROSZLAN"_L1, "SZUZ"_L1,
    "MERLEG"_L1, "SKORPIO"_L1, "NYILAS"_L1, "BAK"_L1, "VIZONTO"_L1,  "HALAK"_L1};
/// Houses 1-12 (index 0 is house 1) in chkbHazHatarok, chkbHazSzamok and
/// chkbFenyszogeltHazak.
inline constexpr std::array<QLatin1StringView, 12> Houses = {
    "HOUSE_1"_L1, "HOUSE_2"_L1, "HOUSE_3"_L1, "HOUSE_4"_L1,  "HOUSE_5"_L1,  "HOUSE_6"_L1,
    "HOUSE_7"_L1, "HOUSE_8"_L1, "HOUSE_9"_L1, "HOUSE_10"_L1, "HOUSE_11"_L1, "HOUSE_12"_L1};
/// Axes of chkbTengelyek: Ascendant, MC, Descendant, IC, Vertex, East point,
/// co-ascendant, polar ascendant. The first four also key chkbFenyszogeltTengelyek.
inline constexpr std::array<QLatin1StringView, 8> Axes = {"AC"_L1,  "MC"_L1, "DC"_L1,  "IC"_L1,
                                                          "VTX"_L1, "EP"_L1, "CAC"_L1, "PAC"_L1};
/// Axis ids of the aspected axes AC, MC, DC, IC (the opposite points share 255).
inline constexpr std::array<int, 4> AspectedAxisIds = {0, 1, 255, 255};
/// Sun ... Pluto in chkbBolygok and chkbFenyszogeltBolygok.
inline constexpr std::array<TBodyKey, 10> Planets = {{{0, "SUN"_L1},
                                                      {1, "MOON"_L1},
                                                      {2, "MERCURY"_L1},
                                                      {3, "VENUS"_L1},
                                                      {4, "MARS"_L1},
                                                      {5, "JUPITER"_L1},
                                                      {6, "SATURN"_L1},
                                                      {7, "URANUS"_L1},
                                                      {8, "NEPTUNE"_L1},
                                                      {9, "PLUTO"_L1}}};
/// The minor bodies of chkbKisBolygok in their order; the first
/// `AspectedMinorBodyCount` also key chkbFenyszogeltKisBolygok.
inline constexpr std::array<TBodyKey, 14> MinorBodies = {{{15, "CHIRON"_L1},
                                                          {16, "PHOLUS"_L1},
                                                          {17, "CERES"_L1},
                                                          {18, "PALLAS"_L1},
                                                          {19, "JUNO"_L1},
                                                          {20, "VESTA"_L1},
                                                          {146199, "ERIS"_L1},
                                                          {12, "LILITH"_L1},
                                                          {1009043, "NEOWISE"_L1},
                                                          {1009044, "HALLEY"_L1},
                                                          {1009032, "CHURYUMOV"_L1},
                                                          {1009045, "OUMUAMUA"_L1},
                                                          {1009046, "HALEBOPP"_L1},
                                                          {14055, "MAGELLAN"_L1}}};
inline constexpr int AspectedMinorBodyCount = 8;
/// Aspects 1-12 (index 0 is aspect 1) in the switch sections chkbFenyszogek,
/// chkbFenyszogJelek and chkbFenyszogekFixedStars. "KONJUKCIO" has no N after the U.
inline constexpr std::array<QLatin1StringView, 12> AspectSwitches = {
    "KONJUKCIO"_L1,       "OPPOZICIO"_L1, "KVADRAT"_L1, "SEMIQUADRAT"_L1,
    "SZESZKVIKVADRAT"_L1, "TRIGON"_L1,    "SZEXTIL"_L1, "SZEMISZEXTIL"_L1,
    "KVINKUNX"_L1,        "KVINTIL"_L1,   "DECIL"_L1,   "BIKVINTIL"_L1};
/// Aspects 1-12 in the value sections: orbs, colours and line styles.
inline constexpr std::array<QLatin1StringView, 12> AspectValues = {
    "Konjunkcio"_L1,      "Oppozicio"_L1, "Kvadrat"_L1, "Semiquadrat"_L1,
    "Szeszkvikvadrat"_L1, "Trigon"_L1,    "Szextil"_L1, "Szemiszextil"_L1,
    "Kvinkunx"_L1,        "Kvintil"_L1,   "Decil"_L1,   "Bikvintil"_L1};
/// Background of the fire, earth, air and water signs in chkbZodiakusBackGroundColor.
inline constexpr std::array<QLatin1StringView, 4> ElementBackgrounds = {"TUZES"_L1, "FOLDES"_L1,
                                                                        "LEVEGOS"_L1, "VIZES"_L1};
/// Columns of chkbBolygoTablazat: degree, sign, house, houses ruled.
inline constexpr std::array<QLatin1StringView, 4> PlanetTableColumns = {
    "PLANETDEG"_L1, "ZODIACSIGN"_L1, "HOUSENUM"_L1, "HOUSELORDS"_L1};
/// Columns of chkbHazTablazat: degree, sign.
inline constexpr std::array<QLatin1StringView, 2> HouseTableColumns = {"HOUSEDEG"_L1,
                                                                       "ZODIACSIGN"_L1};
/// Items of chkbFejlecKijelzesek in the order of THeaderItem.
inline constexpr std::array<QLatin1StringView, 12> HeaderItems = {
    "NAME"_L1, "BIRTHDATE"_L1, "BIRTHTIME"_L1, "BIRTHDAY"_L1,   "TIMEZONE"_L1,  "DST"_L1,
    "UT"_L1,   "ST"_L1,        "PRINTTYPE"_L1, "BIRTHPLACE"_L1, "BIRTCOORD"_L1, "HOUSESYSTEM"_L1};

inline constexpr QLatin1StringView KELL_E = "KELL_E"_L1;
inline constexpr QLatin1StringView KELL_E_ANALOG = "KELL_E_ANALOG"_L1;
inline constexpr QLatin1StringView KELL_E_MEGJELENITES = "KELL_E_MEGJELENITES"_L1;
inline constexpr QLatin1StringView FELSZ_NODE = "FELSZ_NODE"_L1;
inline constexpr QLatin1StringView LESZ_NODE = "LESZ_NODE"_L1;
inline constexpr QLatin1StringView MEAN_NODE = "MEAN_NODE"_L1;
inline constexpr QLatin1StringView TRUE_NODE = "TRUE_NODE"_L1;
inline constexpr QLatin1StringView MEGJELENITES_MINDENKEPP = "MEGJELENITES_MINDENKEPP"_L1;
inline constexpr QLatin1StringView SELECTED_STARIDS = "SELECTED_STARIDS"_L1;

// chkbEgyebMegjelenitesek
inline constexpr QLatin1StringView PLANETDEG = "PLANETDEG"_L1;
inline constexpr QLatin1StringView HOUSELORDS = "HOUSELORDS"_L1;
inline constexpr QLatin1StringView RETROGADE = "RETROGADE"_L1;
inline constexpr QLatin1StringView FERALIS = "FERALIS"_L1;
inline constexpr QLatin1StringView STACIONER = "STACIONER"_L1;
inline constexpr QLatin1StringView SELFMARKERS = "SELFMARKERS"_L1;
inline constexpr QLatin1StringView SELFMARKERATORIGPLACE = "SELFMARKERATORIGPLACE"_L1;
inline constexpr QLatin1StringView ASPECTSATORIGPLACE = "ASPECTSATORIGPLACE"_L1;
inline constexpr QLatin1StringView ELETKORELREJT = "ELETKORELREJT"_L1;
inline constexpr QLatin1StringView HOUSENUMSBYARABICNUMBERS = "HOUSENUMSBYARABICNUMBERS"_L1;
inline constexpr QLatin1StringView CSAKAKTSYNASTRY = "CSAKAKTSYNASTRY"_L1;

// chkbFokjelolok
inline constexpr QLatin1StringView OUTERZODIACDEG = "OUTERZODIACDEG"_L1;
inline constexpr QLatin1StringView INNERZODIACDEG = "INNERZODIACDEG"_L1;
inline constexpr QLatin1StringView INNERASPECTDEG = "INNERASPECTDEG"_L1;
inline constexpr QLatin1StringView HOUSEDEG = "HOUSEDEG"_L1;
inline constexpr QLatin1StringView ZODIACDEGKULON = "ZODIACDEGKULON"_L1;

inline constexpr QLatin1StringView JelolesMod = "JelolesMod"_L1;
inline constexpr QLatin1StringView BetumeretSzorzo = "BetumeretSzorzo"_L1;
inline constexpr QLatin1StringView CsakSzekDirHold = "CsakSzekDirHold"_L1;
inline constexpr QLatin1StringView SzekDirHoldAscMC = "SzekDirHoldAscMC"_L1;
inline constexpr QLatin1StringView JegyzethezSzimbolumot = "JegyzethezSzimbolumot"_L1;
inline constexpr QLatin1StringView MegjelenitesiMod = "MegjelenitesiMod"_L1;
inline constexpr QLatin1StringView KepletElhelyezesiMod = "KepletElhelyezesiMod"_L1;
inline constexpr QLatin1StringView ProgresszioIrany = "ProgresszioIrany"_L1;
inline constexpr QLatin1StringView UranusSymbol = "UranusSymbol"_L1;
inline constexpr QLatin1StringView PlutoSymbol = "PlutoSymbol"_L1;

inline constexpr QLatin1StringView chkbFenyszogekFixedStarsOrbValue =
    "chkbFenyszogekFixedStarsOrbValue"_L1;
inline constexpr QLatin1StringView FSZVONALPLANETAIG = "FSZVONALPLANETAIG"_L1;
inline constexpr QLatin1StringView ReszletesBeallitas = "ReszletesBeallitas"_L1;
inline constexpr QLatin1StringView FenyszogBackgroundColor = "FenyszogBackgroundColor"_L1;
inline constexpr QLatin1StringView Alapvonalak = "Alapvonalak"_L1;

inline constexpr QLatin1StringView NyomtatSzinesben = "NyomtatSzinesben"_L1;
inline constexpr QLatin1StringView BASEINFO = "BASEINFO"_L1;
inline constexpr QLatin1StringView Inkognito = "Inkognito"_L1;
inline constexpr QLatin1StringView ExportalasHelye = "ExportalasHelye"_L1;

inline constexpr QLatin1StringView Hazrendszer = "Hazrendszer"_L1;
inline constexpr QLatin1StringView Zodiakus = "Zodiakus"_L1;
inline constexpr QLatin1StringView TelepulesDB = "TelepulesDB"_L1;
inline constexpr QLatin1StringView KivalTelepules = "KivalTelepules"_L1;
inline constexpr QLatin1StringView LastOpenedFilesNum = "LastOpenedFilesNum"_L1;
inline constexpr QLatin1StringView CsatDokumentumok = "CsatDokumentumok"_L1;
inline constexpr QLatin1StringView CsatKepek = "CsatKepek"_L1;
inline constexpr QLatin1StringView InditasTeljesMeretben = "InditasTeljesMeretben"_L1;
inline constexpr QLatin1StringView UjVerzioEllenorzese = "UjVerzioEllenorzese"_L1;
inline constexpr QLatin1StringView KepletLepteto = "KepletLepteto"_L1;
inline constexpr QLatin1StringView ProgrLepteto = "ProgrLepteto"_L1;
} // namespace SettingsKey

} // namespace velkaris
