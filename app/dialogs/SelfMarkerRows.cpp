#include "SelfMarkerRows.h"

#include "core/Messages.h"
#include "core/SegedUtils.h"
#include "core/SelfMarkerList.h"
#include "core/ZentavoConsts.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

namespace velkaris {

namespace {

// Longitudes are kept in [0, 360), but a stray value must not pick a sign past Pisces.
double Normalized(double longitude) {
    const double x = std::fmod(longitude, 360.0);
    return x < 0 ? x + 360 : x;
}

int SignOf(double longitude) {
    return std::clamp(SignIndexOf(Normalized(longitude)), 0, SignCount - 1);
}

QString Glyph(int sign) {
    return QString(QChar(ZodiacSign(sign).SignSymbol));
}

// " Kos jegyében 12°30' fokon a(z) "
QString PlaceUpToHouse(double longitude) {
    const double x = Normalized(longitude);
    return QLatin1Char(' ') + ZodiacSign(SignOf(x)).Name() + QLatin1Char(' ') +
           GetMessageText(u"fSelfMarkers_Jegyeben") + QLatin1Char(' ') +
           FormatAngle(true, DegreesInSign(x)) + QLatin1Char(' ') +
           GetMessageText(u"fSelfMarkers_Fokon") + QLatin1Char(' ');
}

TSelfMarkerRowTexts BodyRow(const TPlanet& body, bool arabicHouseNumbers) {
    TSelfMarkerRowTexts row;
    if (const TBodyConstInfo* info = FindBodyConstInfo(body.BodyId)) {
        row.Symbol = info->Symbol ? QString::fromUtf16(info->Symbol) : QString();
        row.Name = info->NameConst ? GetMessageText(QStringView(info->NameConst))
                                   : QString::fromUtf16(info->FixedName);
    }
    row.Sign = Glyph(SignOf(body.Longitude));
    row.Place = PlaceUpToHouse(body.Longitude);
    if (body.House >= 1 && body.House <= HouseCount) {
        row.Place +=
            (arabicHouseNumbers ? HousePlainNumber(body.House) : HouseWheelLabel(body.House)) +
            GetMessageText(u"fSelfMarkers_Hazban");
    }
    return row;
}

TSelfMarkerRowTexts CuspRow(const THouseCusp& cusp) {
    return {QStringLiteral("S"), GetMessageText(u"axisLongNameAC"), Glyph(SignOf(cusp.Longitude)),
            PlaceUpToHouse(cusp.Longitude)};
}

TSelfMarkerRowTexts SignRow(const TZodiacSignForSelfMarkers& marker) {
    const int sign = ((marker.SignNumber - 1) % SignCount + SignCount) % SignCount;
    const QString name = ZodiacSign(sign).Name();
    return {Glyph(sign), name, Glyph(sign),
            QLatin1Char(' ') + name + GetMessageText(u"fSelfMarkers_BezartElsoHazba")};
}

} // namespace

QList<TSelfMarkerRowTexts> SelfMarkerRowTexts(const TSelfMarkerList& markers,
                                              bool arabicHouseNumbers) {
    QList<TSelfMarkerRowTexts> rows;
    for (int i = 0; i < markers.Count(); ++i) {
        std::visit(
            [&](const auto& marker) {
                using T = std::decay_t<decltype(marker)>;
                if constexpr (std::is_same_v<T, TPlanet>)
                    rows.append(BodyRow(marker, arabicHouseNumbers));
                else if constexpr (std::is_same_v<T, THouseCusp>)
                    rows.append(CuspRow(marker));
                else
                    rows.append(SignRow(marker));
            },
            *markers.At(i));
    }
    return rows;
}

} // namespace velkaris
