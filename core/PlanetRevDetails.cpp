#include "PlanetRevDetails.h"

#include "SegedUtils.h"

namespace velkaris {

QString TPlanetRevDetails::ToText() const {
    const TDateTime& t = FoundLocal;
    QString text = QStringLiteral("%1.%2.%3. %4:%5:%6 (")
                       .arg(t.Year(), 4, 10, QLatin1Char('0'))
                       .arg(t.Month(), 2, 10, QLatin1Char('0'))
                       .arg(t.Day(), 2, 10, QLatin1Char('0'))
                       .arg(t.Hour(), 2, 10, QLatin1Char('0'))
                       .arg(t.Minute(), 2, 10, QLatin1Char('0'))
                       .arg(t.Second(), 2, 10, QLatin1Char('0'));
    if (ZoneHour >= 0)
        text += QLatin1Char('+');
    text += ZeroPad(QString::number(ZoneHour), 2) + QLatin1Char(':') +
            ZeroPad(QString::number(qAbs(ZoneMinute)), 2) + QStringLiteral(") ") +
            RetroMark(Speed < 0);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace velkaris
