#include "SWESession.h"

#include <swephexp.h>

namespace velkaris {

TSWESession::TSWESession(const QString& ephemerisPath) {
    QByteArray path = ephemerisPath.toLocal8Bit();
    swe_set_ephe_path(path.data());
}

TSWESession::~TSWESession() {
    swe_close();
}

QString TSWESession::LibraryVersion() {
    char version[AS_MAXCH] = {};
    return QString::fromLatin1(swe_version(version));
}

QString TSWEPlanetNames::LibraryPlanetName(int planetNumber) const {
    char name[AS_MAXCH] = {};
    return QString::fromLatin1(swe_get_planet_name(planetNumber, name));
}

} // namespace velkaris
