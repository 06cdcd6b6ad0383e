#pragma once

#include "SwetestOracle.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <gtest/gtest.h>
#include <memory>

namespace velkaris::test {

/// The store behind TTestSettings; a base of its own so that it is built before the
/// provider that reads it.
struct TTestSettingsStore {
    TSettingsINIFileLoader Store;
};

/// A real settings provider over an in-memory store holding Placidus, tropical and no
/// fixed stars; the setters change the store under a calculator that already uses it.
class TTestSettings : private TTestSettingsStore, public TSettingsProvider {
public:
    TTestSettings() : TSettingsProvider(Store) {
        SetHouse(QStringLiteral("P"));
        SetZodiac(QStringLiteral("T"));
    }
    void SetHouse(const QString& letter) {
        Store.WriteString(SettingsSection::chkbHazrendszer, SettingsKey::Hazrendszer, letter);
    }
    void SetZodiac(const QString& letter) {
        Store.WriteString(SettingsSection::chkbZodiakus, SettingsKey::Zodiakus, letter);
    }
    void SetStars(const QString& ids) {
        Store.WriteString(SettingsSection::chkbFixedStars, SettingsKey::SELECTED_STARIDS, ids);
    }
};

struct TPlace {
    int LatDeg, LatMin;
    bool South;
    int LonDeg, LonMin;
    bool West;
};

/// A record at a local moment and place with a manual zone of `zoneHour`:`zoneMinute`.
inline void FillBirth(TSzuletesiKepletInfo& b, int y, int mo, int d, int h, int mi,
                      const TPlace& place, int zoneHour, int zoneMinute, bool bc = false) {
    b.SetLoading(true);
    b.SetDateParts(y, mo, d, h, mi, 0);
    b.SetBirthDateIsBC(bc);
    b.SetLocLatDegree(place.LatDeg);
    b.SetLocLatMinute(place.LatMin);
    b.SetLocLatSouth(place.South);
    b.SetLocLongDegree(place.LonDeg);
    b.SetLocLongMinute(place.LonMin);
    b.SetLocLongWest(place.West);
    b.SetTZCodeIsManual(true);
    b.SetTZoneHour(zoneHour);
    b.SetTZoneMinute(static_cast<quint16>(zoneMinute));
    b.SetTZoneWest(zoneHour < 0);
    b.SetLoading(false);
}

/// The ephemeris library opened on the system's files for the whole test program.
class TCalcTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qunsetenv("SE_EPHE_PATH");
        Session = std::make_unique<TSWESession>(QString::fromLatin1(EphemerisFolder));
    }
    static void TearDownTestSuite() { Session.reset(); }

    inline static std::unique_ptr<TSWESession> Session;
};

} // namespace velkaris::test
