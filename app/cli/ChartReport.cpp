#include "ChartReport.h"

#include "core/CalcResult.h"
#include "core/Messages.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"

#include <QJsonArray>
#include <QStringList>

namespace velkaris {

namespace {

QString SiderealTimeText(const TDateTime& t) {
    return QStringLiteral("%1:%2")
        .arg(t.Hour(), 2, 10, QLatin1Char('0'))
        .arg(t.Minute(), 2, 10, QLatin1Char('0'));
}

QJsonArray HouseNumbers(quint16 set) {
    QJsonArray houses;
    for (int house = 1; house <= HouseCount; ++house) {
        if (set & (1u << house))
            houses.append(house);
    }
    return houses;
}

QJsonArray SignIndices(const QByteArray& signs) {
    QJsonArray out;
    for (char s : signs)
        out.append(static_cast<int>(s));
    return out;
}

QJsonObject BodyJson(const TPlanet& p, const TPlanetConstInfoProvider& names) {
    return {{QStringLiteral("id"), p.BodyId},
            {QStringLiteral("name"), names.DisplayName(p.BodyId)},
            {QStringLiteral("lon"), p.Longitude},
            {QStringLiteral("speed"), p.Speed},
            {QStringLiteral("house"), p.House},
            {QStringLiteral("in_closed_sign"), p.InClosedSign},
            {QStringLiteral("closed_sign"), p.ClosedSign},
            {QStringLiteral("feral"), p.IsFeral},
            {QStringLiteral("isolated"), p.IsIsolated},
            {QStringLiteral("shown_aspect"), p.HasShownAspect},
            {QStringLiteral("self_marker"), p.IsSelfMarker},
            {QStringLiteral("lordships"), HouseNumbers(p.HouseLords.Lordships)},
            {QStringLiteral("closed_lordships"), HouseNumbers(p.HouseLords.ClosedLordships)}};
}

QJsonObject SelfMarkerJson(const TSelfMarker& marker) {
    if (const auto* body = std::get_if<TPlanet>(&marker))
        return {{QStringLiteral("kind"), QStringLiteral("body")},
                {QStringLiteral("id"), body->BodyId},
                {QStringLiteral("lon"), body->Longitude}};
    if (const auto* cusp = std::get_if<THouseCusp>(&marker))
        return {{QStringLiteral("kind"), QStringLiteral("cusp")},
                {QStringLiteral("number"), cusp->Number},
                {QStringLiteral("lon"), cusp->Longitude}};
    const auto& sign = std::get<TZodiacSignForSelfMarkers>(marker);
    return {{QStringLiteral("kind"), QStringLiteral("sign")},
            {QStringLiteral("sign"), sign.SignNumber - 1},
            {QStringLiteral("lon"), sign.Longitude}};
}

QString PositionText(double longitude) {
    return QStringLiteral("%1 %2")
        .arg(FormatAngle(true, DegreesInSign(longitude)), -10)
        .arg(ZodiacSign(SignIndexOf(longitude)).Name());
}

QString PointName(int id, quint8 kind, const TPlanetConstInfoProvider& names) {
    switch (kind) {
    case PointBody:
        return names.DisplayName(id);
    case PointAxis:
        if (const TAxisConstInfo* axis = FindAxisByBodyId(AxisToBodyId(id)))
            return AxisLongName(*axis);
        return QString::number(id);
    default:
        return HouseName(id);
    }
}

QString SignList(const QByteArray& signs) {
    QStringList names;
    for (char s : signs)
        names << ZodiacSign(s).Name() + QStringLiteral(" / ") + HouseName(s + 1);
    return names.join(QStringLiteral(", "));
}

} // namespace

QJsonObject ChartResultJson(const TCalcResult& r, double jdUT,
                            const TPlanetConstInfoProvider& names) {
    QJsonArray bodies;
    r.Planets.ForEach([&](const TPlanet& p) { bodies.append(BodyJson(p, names)); });
    QJsonArray cusps;
    for (int n = 0; n <= 12; ++n)
        cusps.append(r.Houses.LongitudeOf(n));
    QJsonArray axes;
    for (int id = 0; id < AxisId::Count; ++id) {
        const TAxis* a = r.Axes.Find(id);
        axes.append(a ? a->Longitude : 0.0);
    }
    QJsonArray aspects;
    r.Aspects.ForEach([&](const TAspectInfo& a) {
        aspects.append(QJsonObject{{QStringLiteral("id1"), a.Id1},
                                   {QStringLiteral("kind1"), a.Kind1},
                                   {QStringLiteral("id2"), a.Id2},
                                   {QStringLiteral("kind2"), a.Kind2},
                                   {QStringLiteral("aspect"), a.AspectId},
                                   {QStringLiteral("deviation"), a.Deviation},
                                   {QStringLiteral("orb"), a.Orb},
                                   {QStringLiteral("exactness"), a.Exactness}});
    });
    QJsonArray markers;
    for (int i = 0; i < r.SelfMarkers.Count(); ++i)
        markers.append(SelfMarkerJson(*r.SelfMarkers.At(i)));
    QJsonArray strategy;
    for (int row = 1; row <= 4; ++row) {
        QJsonArray cells;
        for (int column = 1; column <= 5; ++column)
            cells.append(r.LifeStrategy(row, column));
        strategy.append(cells);
    }
    return QJsonObject{{QStringLiteral("ut"), r.UniversalTime.ToIsoString()},
                       {QStringLiteral("jd_ut"), jdUT},
                       {QStringLiteral("ayanamsa"), r.Ayanamsa},
                       {QStringLiteral("obliquity"), r.Obliquity},
                       {QStringLiteral("sidereal_time"), SiderealTimeText(r.SiderealTime)},
                       {QStringLiteral("bodies"), bodies},
                       {QStringLiteral("cusps"), cusps},
                       {QStringLiteral("axes"), axes},
                       {QStringLiteral("aspects"), aspects},
                       {QStringLiteral("self_markers"), markers},
                       {QStringLiteral("life_strategy"), strategy},
                       {QStringLiteral("emphasized_signs"), SignIndices(r.EmphasizedSigns)},
                       {QStringLiteral("untrodden_signs"), SignIndices(r.UntroddenSigns)}};
}

void WriteChartText(QTextStream& out, const TCalcResult& r, double jdUT,
                    const TPlanetConstInfoProvider& names) {
    out << QStringLiteral("UT             %1\n").arg(r.UniversalTime.ToIsoString());
    out << QStringLiteral("JD (UT)        %1\n").arg(jdUT, 0, 'f', 6);
    out << QStringLiteral("Ayanamsa       %1\n").arg(r.Ayanamsa, 0, 'f', 7);
    out << QStringLiteral("Obliquity      %1\n").arg(r.Obliquity, 0, 'f', 7);
    out << QStringLiteral("Sidereal time  %1\n\n").arg(SiderealTimeText(r.SiderealTime));
    out << QStringLiteral("%1 %2 %3 %4 %5 %6  %7\n")
               .arg(QStringLiteral("id"), 7)
               .arg(QStringLiteral("body"), -26)
               .arg(QStringLiteral("longitude"), 12)
               .arg(QStringLiteral("position"), -22)
               .arg(QStringLiteral("speed"), 11)
               .arg(QStringLiteral("house"))
               .arg(QStringLiteral("lords"));
    r.Planets.ForEach([&](const TPlanet& p) {
        QStringList marks;
        if (p.IsRetrograde())
            marks << QStringLiteral("R");
        if (p.IsSelfMarker)
            marks << GetMessageText(u"uZentavoDrawing_PlanetSelfMarker").chopped(1);
        if (p.IsFeral)
            marks << GetMessageText(u"uZentavoGraphClass_PlanetFeral");
        if (p.IsIsolated)
            marks << GetMessageText(u"uZentavoGraphClass_PlanetIsolated");
        if (p.InClosedSign)
            marks << QStringLiteral("closed sign: %1").arg(ZodiacSign(p.ClosedSign).Name());
        out << QStringLiteral("%1 %2 %3 %4 %5 %6  %7 %8\n")
                   .arg(p.BodyId, 7)
                   .arg(names.DisplayName(p.BodyId), -26)
                   .arg(p.Longitude, 12, 'f', 7)
                   .arg(PositionText(p.Longitude), -22)
                   .arg(p.Speed, 11, 'f', 7)
                   .arg(p.House, 5)
                   .arg(p.HouseLords.ToText(), -9)
                   .arg(marks.join(QStringLiteral(", ")));
    });
    out << QStringLiteral("\nHouse cusps\n");
    for (int n = 1; n <= 12; ++n) {
        const double lon = r.Houses.LongitudeOf(n);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(HouseWheelLabel(n), 7)
                   .arg(HouseName(n), -26)
                   .arg(lon, 12, 'f', 7)
                   .arg(PositionText(lon));
    }
    out << QStringLiteral("\nAxes\n");
    for (const TAxisConstInfo& info : AxisTable()) {
        const TAxis* a = r.Axes.Find(info.AxisId);
        if (!a || info.AxisId == AxisId::CountPlaceholder)
            continue;
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(AxisShortName(info), 7)
                   .arg(AxisLongName(info), -26)
                   .arg(a->Longitude, 12, 'f', 7)
                   .arg(PositionText(a->Longitude));
    }
    out << QStringLiteral("\nAspects\n");
    r.Aspects.ForEach([&](const TAspectInfo& a) {
        out << QStringLiteral("   %1 %2 %3 %4 (%5)\n")
                   .arg(PointName(a.Id1, a.Kind1, names), -26)
                   .arg(AspectInfo(a.AspectId).Name(), -20)
                   .arg(PointName(a.Id2, a.Kind2, names), -26)
                   .arg(FormatAngle(false, a.Deviation), 7)
                   .arg(FormatAngle(false, a.Orb));
    });
    out << QStringLiteral("\n%1\n").arg(QStringLiteral("Életstratégia, járatlan út"));
    for (int row = 1; row <= 4; ++row) {
        out << QStringLiteral("   %1").arg(
            row <= 3 ? GetMessageText(MessageFamilyName(u"fEletStartMegnyMod", row))
                     : GetMessageText(u"fEletStartMegnyModOssz"),
            -12);
        for (int column = 1; column <= 5; ++column)
            out << QStringLiteral("%1").arg(r.LifeStrategy(row, column), 4);
        out << "\n";
    }
    out << QStringLiteral("   Életstratégia: %1\n").arg(SignList(r.EmphasizedSigns));
    out << QStringLiteral("   Járatlan út:   %1\n").arg(SignList(r.UntroddenSigns));
}

} // namespace velkaris
