#include "Messages.h"

#include <algorithm>
#include <array>

namespace velkaris {

namespace {

struct TDefaultText {
    const char16_t* Name;
    const char16_t* Text;
};

// The built-in Hungarian texts, sorted by name (case-insensitively) for binary search.
constexpr TDefaultText DefaultTexts[] = {
    {u"aspectName01", u"Együttállás"},
    {u"aspectName02", u"Szembenállás"},
    {u"aspectName03", u"Negyedfény"},
    {u"aspectName04", u"Nyolcadfény"},
    {u"aspectName05", u"Három-nyolcadfény"},
    {u"aspectName06", u"Harmadfény"},
    {u"aspectName07", u"Hatodfény"},
    {u"aspectName08", u"Tizenkettedfény"},
    {u"aspectName09", u"Öt-tizenkettedfény"},
    {u"aspectName10", u"Ötödfény"},
    {u"aspectName11", u"Tizedfény"},
    {u"aspectName12", u"Két-ötödfény"},
    {u"axisLongNameAC", u"Ascendens"},
    {u"axisLongNameMC", u"Medium Coeli"},
    {u"axisShortNameAC", u"AC"},
    {u"axisShortNameMC", u"MC"},
    {u"dayNameFriday", u"Péntek"},
    {u"dayNameMonday", u"Hétfő"},
    {u"dayNameSaturday", u"Szombat"},
    {u"dayNameSunday", u"Vasárnap"},
    {u"dayNameThursday", u"Csütörtök"},
    {u"dayNameTuesday", u"Kedd"},
    {u"dayNameWednesday", u"Szerda"},
    {u"fSzulKeplet_WrongDate", u"Hibás dátumot adott meg, kérem ellenőrizze!"},
    {u"houseNameEnding01", u"Első Ház"},
    {u"houseNameEnding02", u"Második Ház"},
    {u"houseNameEnding03", u"Harmadik Ház"},
    {u"houseNameEnding04", u"Negyedik Ház"},
    {u"houseNameEnding05", u"Ötödik Ház"},
    {u"houseNameEnding06", u"Hatodik Ház"},
    {u"houseNameEnding07", u"Hetedik Ház"},
    {u"houseNameEnding08", u"Nyolcadik Ház"},
    {u"houseNameEnding09", u"Kilencedik Ház"},
    {u"houseNameEnding10", u"Tizedik Ház"},
    {u"houseNameEnding11", u"Tizenegyedik Ház"},
    {u"houseNameEnding12", u"Tizenkettedik Ház"},
    {u"houseNumberPref01", u"Első"},
    {u"houseNumberPref02", u"Második"},
    {u"houseNumberPref03", u"Harmadik"},
    {u"houseNumberPref04", u"Negyedik"},
    {u"houseNumberPref05", u"Ötödik"},
    {u"houseNumberPref06", u"Hatodik"},
    {u"houseNumberPref07", u"Hetedik"},
    {u"houseNumberPref08", u"Nyolcadik"},
    {u"houseNumberPref09", u"Kilencedik"},
    {u"houseNumberPref10", u"Tizedik"},
    {u"houseNumberPref11", u"Tizenegyedik"},
    {u"houseNumberPref12", u"Tizenkettedik"},
    {u"otherAspectName01", u"Konjunkció"},
    {u"otherAspectName02", u"Oppozíció"},
    {u"otherAspectName03", u"Kvadrát"},
    {u"otherAspectName04", u"Semiquadrat"},
    {u"otherAspectName05", u"Szeszkvikvadrát"},
    {u"otherAspectName06", u"Trigon"},
    {u"otherAspectName07", u"Szextil"},
    {u"otherAspectName08", u"Szemiszextil"},
    {u"otherAspectName09", u"Kvinkunx"},
    {u"otherAspectName10", u"Kvintil"},
    {u"otherAspectName11", u"Decil"},
    {u"otherAspectName12", u"Bikvintil"},
    {u"planetName01", u"Nap"},
    {u"planetName02", u"Hold"},
    {u"planetName03", u"Merkúr"},
    {u"planetName04", u"Vénusz"},
    {u"planetName05", u"Mars"},
    {u"planetName06", u"Jupiter"},
    {u"planetName07", u"Szaturnusz"},
    {u"planetName08", u"Uránusz"},
    {u"planetName09", u"Neptunusz"},
    {u"planetName10", u"Plútó"},
    {u"planetName11", u"Felsz.holdcs.(közepes)"},
    {u"planetName12", u"Felsz.holdcs.(valódi)"},
    {u"planetName13", u"Lilith"},
    {u"planetName14", u"Priapus"},
    {u"planetName146199", u"Eris"},
    {u"planetName146199_Short", u"Eri"},
    {u"planetName15", u"Föld"},
    {u"planetName16", u"Chiron"},
    {u"planetName17", u"Pholus"},
    {u"planetName18", u"Ceres"},
    {u"planetName19", u"Pallas Athene"},
    {u"planetName20", u"Juno"},
    {u"planetName21", u"Vesta"},
    {u"planetName22", u"Lesz.holdcs.(közepes)"},
    {u"planetName23", u"Lesz.holdcs.(valódi)"},
    {u"uZentavoCalculator_ZoneNotSet", u"A képlet időzónája nincs megadva, kérem ellenőrizze!"},
    {u"uZentavoTypes_MegjNotSaved", u"Nem sikerült a Jegyzet fájl mentése!"},
    {u"zodiacName01", u"Kos"},
    {u"zodiacName02", u"Bika"},
    {u"zodiacName03", u"Ikrek"},
    {u"zodiacName04", u"Rák"},
    {u"zodiacName05", u"Oroszlán"},
    {u"zodiacName06", u"Szűz"},
    {u"zodiacName07", u"Mérleg"},
    {u"zodiacName08", u"Skorpió"},
    {u"zodiacName09", u"Nyilas"},
    {u"zodiacName10", u"Bak"},
    {u"zodiacName11", u"Vízöntő"},
    {u"zodiacName12", u"Halak"},
    {u"zodiacPlanetName01", u"Mars"},
    {u"zodiacPlanetName02", u"Vénusz"},
    {u"zodiacPlanetName03", u"Merkúr"},
    {u"zodiacPlanetName04", u"Hold"},
    {u"zodiacPlanetName05", u"Nap"},
    {u"zodiacPlanetName06", u"Merkúr"},
    {u"zodiacPlanetName07", u"Vénusz"},
    {u"zodiacPlanetName08", u"Plútó"},
    {u"zodiacPlanetName09", u"Jupiter"},
    {u"zodiacPlanetName10", u"Szaturnusz"},
    {u"zodiacPlanetName11", u"Uránusz"},
    {u"zodiacPlanetName12", u"Neptunusz"},
};

int CompareNames(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive);
}

} // namespace

QString GetMessageText(QStringView constName) {
    const auto* begin = std::begin(DefaultTexts);
    const auto* end = std::end(DefaultTexts);
    const auto* it =
        std::lower_bound(begin, end, constName, [](const TDefaultText& e, QStringView n) {
            return CompareNames(QStringView(e.Name), n) < 0;
        });
    if (it == end || CompareNames(QStringView(it->Name), constName) != 0)
        return {};
    return QString::fromUtf16(it->Text);
}

QString MessageFamilyName(QStringView prefix, int index) {
    return prefix.toString() + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace velkaris
