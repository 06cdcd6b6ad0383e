#include "HouseLordsContainer.h"

#include <QStringList>

namespace velkaris {

QString THouseLordsContainer::ToText() const {
    QStringList parts;
    for (int house = 1; house <= 12; ++house) {
        if (HasClosedLordship(house))
            parts << QStringLiteral("(%1)").arg(house);
        else if (HasLordship(house))
            parts << QString::number(house);
    }
    return parts.join(QLatin1Char(','));
}

} // namespace velkaris
