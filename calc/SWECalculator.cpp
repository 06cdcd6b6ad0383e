#include "SWECalculator.h"

#include "AspectSearch.h"
#include "ChartAnalysis.h"
#include "core/CalcResult.h"
#include "core/FixedStarLookup.h"
#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "core/SzuletesiKepletInfo.h"
#include "core/VelkarisError.h"
#include "core/ZentavoConsts.h"
#include "data/CalendarUtils.h"
#include "data/SettingsProvider.h"
#include "data/ZoneProvider.h"

#include <cmath>
#include <swephexp.h>

namespace velkaris {

namespace {

constexpr double DefaultObliquity = 23.439299838100816;
constexpr double NoLongitude = -999;

bool IsLmt(const TSzuletesiKepletInfo& birth) {
    return birth.TZoneCode().trimmed() == QLatin1String("LMT");
}

/// Local mean time offset in hours to the whole minute, always positive.
double LmtOffsetHours(const TSzuletesiKepletInfo& birth) {
    const double timeMinutes = 4.0 * std::abs(birth.LocLongDegree()) + birth.LocLongMinute() / 15.0;
    return std::floor(timeMinutes / 60) +
           (static_cast<qint64>(std::floor(timeMinutes)) % 60) / 60.0;
}

/// The offset the record carries. A west zone of less than an hour has 0 hours, so its
/// sign comes from the west flag.
double RecordOffsetHours(const TSzuletesiKepletInfo& birth) {
    if (birth.TZoneHour() == TSzuletesiKepletInfo::NotSet ||
        birth.TZoneMinute() == TSzuletesiKepletInfo::NotSet)
        throw EVelkarisError(GetMessageText(u"uZentavoCalculator_ZoneNotSet"));
    const double offset = DegMinToDecimal(birth.TZoneHour(), birth.TZoneMinute());
    return birth.TZoneHour() == 0 && birth.TZoneWest() ? -offset : offset;
}

/// Sidereal time in hours brought into 0-24 h and rounded to the minute.
TDateTime SiderealTimeOfDay(double h) {
    if (h < 0)
        h += 24;
    if (h >= 24)
        h -= 24 * std::trunc(h / 24);
    int hours = WholePart(h);
    const int minutes = MinutePart(h);
    if (hours >= 24)
        hours = 0;
    return TDateTime::FromSecondsSinceEpoch(hours * 3600 + minutes * 60);
}

qint64 OffsetSeconds(double offsetHours) {
    return static_cast<qint64>(std::llround(offsetHours * 60)) * 60;
}

} // namespace

void TSWECalculator::Calculate(const TSzuletesiKepletInfo* birth) {
    if (!birth)
        return;
    Birth = birth;
    CalcHouses();
    CalcBodies();
    CalcFixedStars();
    PostProcess();
}

int TSWECalculator::SiderealFlag() const {
    return Settings && Settings->IsSidereal() ? SEFLG_SIDEREAL : 0;
}

double TSWECalculator::Latitude() const {
    return Birth->LatitudeDegrees();
}

double TSWECalculator::Longitude() const {
    return Birth->LongitudeDegrees();
}

double TSWECalculator::JulianDayOfMoment(const TDateTime& t) {
    return JulianDayOfParts(t.Year(), t.Month(), t.Day(), t.Hour(), t.Minute());
}

double TSWECalculator::ZoneOffsetHours(const TSzuletesiKepletInfo& birth,
                                       const TLocalToUTOverrides& o, const TDateTime& local) const {
    if (IsLmt(birth))
        return LmtOffsetHours(birth);
    if (birth.TZoneCode().trimmed().isEmpty() && ZoneProvider) {
        const auto zone = ZoneProvider->ResolveZoneOffset(
            birth.LocCountryID(), birth.LongitudeDegrees(), JulianDayOfMoment(local));
        if (zone)
            return zone->Hours();
    }
    if (!o.Date)
        return RecordOffsetHours(birth);
    if (!ZoneProvider)
        return 0;
    const QString country = o.Country ? *o.Country : birth.LocCountryID();
    const double longitude = o.Longitude == NoLongitude ? birth.LongitudeDegrees() : o.Longitude;
    const auto zone =
        ZoneProvider->ResolveZoneOffset(country, longitude, JulianDayOfMoment(*o.Date));
    return zone ? zone->Hours() : 0;
}

TDateTime TSWECalculator::LocalToUT(const TLocalToUTOverrides& overrides) const {
    const TSzuletesiKepletInfo& birth = overrides.Birth ? *overrides.Birth : *Birth;
    const TDateTime local = overrides.Date ? *overrides.Date : birth.SignedLocalDateTime();
    const double offset = ZoneOffsetHours(birth, overrides, local);
    if (IsLmt(birth)) {
        const bool west = birth.LocLongWest() || birth.TZoneWest();
        return local.AddSeconds(west ? OffsetSeconds(offset) : -OffsetSeconds(offset));
    }
    return local.AddSeconds(-OffsetSeconds(offset));
}

double TSWECalculator::JulianDayUT() const {
    return JulianDayOfMoment(LocalToUT());
}

double TSWECalculator::JulianDayET() const {
    const double jd = JulianDayUT();
    return jd + swe_deltat(jd);
}

double TSWECalculator::LocalSiderealTime() const {
    return swe_sidtime(JulianDayUT()) + Longitude() / 15;
}

double TSWECalculator::Obliquity() const {
    return ObliquityAt(JulianDayET());
}

double TSWECalculator::ObliquityAt(double jdET) {
    double x[6] = {};
    char error[AS_MAXCH] = {};
    swe_calc(jdET, SE_ECL_NUT, 0, x, error);
    return x[0] == 0 ? DefaultObliquity : x[0];
}

void TSWECalculator::CalcHouses() {
    double cusps[13] = {};
    double ascmc[10] = {};
    const QString system = Settings ? Settings->GetHouseSystem() : QStringLiteral("P");
    const int letter = system.isEmpty() ? 'P' : system.at(0).toLatin1();
    // The library falls back to Porphyry where the system is undefined (polar
    // latitudes) and says so by its return value; the cusps it gives are used as they are.
    const double jdUT = JulianDayUT();
    swe_houses_ex(jdUT, SiderealFlag(), Latitude(), Longitude(), letter, cusps, ascmc);
    if (!Result)
        return;
    Result->Obliquity = ObliquityAt(jdUT + swe_deltat(jdUT));
    for (int id = 0; id < AxisId::Count; ++id)
        Result->Axes.AddOrUpdate(id, ascmc[id]);
    Result->AscendantAxis = TAxis{AxisId::Ascendant, ascmc[0]};
    Result->MidheavenAxis = TAxis{AxisId::MediumCoeli, ascmc[1]};
    for (int number = 0; number <= 12; ++number)
        Result->Houses.AddOrUpdate(number, cusps[number]);
}

void TSWECalculator::CalcBodies() {
    if (!Result)
        return;
    const TDateTime ut = LocalToUT();
    const double jdUT = JulianDayOfMoment(ut);
    const double jdET = jdUT + swe_deltat(jdUT);
    Result->UniversalTime = ut;
    Result->SiderealTime = SiderealTimeOfDay(swe_sidtime(jdUT) + Longitude() / 15);
    Result->Ayanamsa = swe_get_ayanamsa_ut(jdUT);

    const int flags = SEFLG_SWIEPH | SEFLG_SPEED | SiderealFlag();
    double x[6] = {};
    char error[AS_MAXCH] = {};
    // A body the library reports an error for (no ephemeris file for it, a date
    // outside its file) is left out rather than stored at the zeros the library returns.
    auto store = [&](int id, int rc) {
        if (rc < 0)
            Result->Planets.Remove(id);
        else
            Result->Planets.AddOrUpdate(id, x[0], x[3]);
    };
    for (int number = 0; number <= BodyId::LastLibraryPlanet; ++number)
        store(number, swe_calc_ut(jdUT, number, flags, x, error));
    store(BodyId::Eris, swe_calc(jdET, BodyId::Eris, flags, x, error));
    for (int id : ExtraBodyIds) {
        const int rc = swe_calc(jdET, id, flags, x, error);
        const double sum = x[0] + x[1] + x[2] + x[3] + x[4] + x[5];
        if (rc >= 0 && sum > 0)
            Result->Planets.AddOrUpdate(id, x[0], x[3]);
        else
            Result->Planets.Remove(id);
    }
}

void TSWECalculator::CalcFixedStars() {
    if (!Result || !Settings)
        return;
    QString ids = Settings->GetSelectedStarIds();
    if (ids.endsWith(QLatin1Char(',')))
        ids.chop(1);
    if (ids.isEmpty())
        return;
    const double jdUT = JulianDayUT();
    const int flags = SEFLG_SWIEPH | SEFLG_SPEED | SiderealFlag();
    for (const QString& entry : ids.split(QLatin1Char(','))) {
        bool ok = false;
        const int id = entry.toInt(&ok);
        if (!ok || id < BodyId::FixedStarFirst || id > BodyId::FixedStarLast || !m_FixedStars)
            return;
        const auto star = m_FixedStars->FindStar(id);
        if (!star)
            return;
        const QString lookup = star->Designation.contains(QLatin1Char(','))
                                   ? star->Designation
                                   : star->Name + QLatin1Char(',') + star->Designation;
        // The library writes the star's full name back into the buffer.
        char name[AS_MAXCH] = {};
        qstrncpy(name, lookup.toLatin1().constData(), sizeof(name) - 1);
        double x[6] = {};
        char error[AS_MAXCH] = {};
        if (swe_fixstar_ut(name, jdUT, flags, x, error) < 0)
            Result->Planets.Remove(id);
        else
            Result->Planets.AddOrUpdate(id, x[0], x[3]);
    }
}

void TSWECalculator::PostProcess() {
    if (!Result)
        return;
    PlaceBodiesInHouses();
    FindAspects();
    FindSelfMarkers();
    BuildLifeStrategy();
    FindHouseLords();
}

void TSWECalculator::FindAspects() {
    if (!Result || !Settings)
        return;
    velkaris::FindAspects(*Result, OrbProvider ? *OrbProvider : m_DefaultOrbs,
                          AspectSearchSettingsFrom(*Settings));
}

void TSWECalculator::FindSelfMarkers() {
    if (Result)
        velkaris::FindSelfMarkers(*Result);
}

void TSWECalculator::BuildLifeStrategy() {
    if (Result)
        velkaris::BuildLifeStrategy(*Result);
}

void TSWECalculator::FindHouseLords() {
    if (Result)
        velkaris::FindHouseLords(*Result);
}

void TSWECalculator::PlaceBodiesInHouses() {
    double cusps[HouseCount + 2] = {};
    for (int n = 1; n <= HouseCount; ++n)
        cusps[n] = Result->Houses.LongitudeOf(n);
    cusps[HouseCount + 1] = cusps[1];
    Result->Planets.ForEach([&](TPlanet& body) {
        body.House = 0;
        body.InClosedSign = false;
        body.ClosedSign = -1;
        for (int j = 1; j <= HouseCount; ++j) {
            const double from = cusps[j];
            const double to = cusps[j + 1];
            if (!InArc(body.Longitude, from, to))
                continue;
            body.House = j;
            const int fromSign = SignIndexOf(from);
            const int toSign = SignIndexOf(to);
            const int bodySign = body.SignIndex();
            if (fromSign != toSign && bodySign != fromSign && bodySign != toSign) {
                const int signAfter = (fromSign + 1) % SignCount;
                body.InClosedSign = toSign != signAfter;
                if (body.InClosedSign)
                    body.ClosedSign = signAfter;
            }
            break;
        }
    });
}

} // namespace velkaris
