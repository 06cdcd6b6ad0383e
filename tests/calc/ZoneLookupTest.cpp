#include "CalcFixture.h"
#include "common/TestSupport.h"
#include "data/DataSetInfoProvider.h"
#include "data/ZoneFixture.h"

#include <QTemporaryDir>

using namespace velkaris;
using namespace velkaris::test;

namespace {

class ZoneLookup : public TCalcTest {
protected:
    QTemporaryDir Home;
    TDataSetInfoProvider Places{FoldersOf(ZoneFixtureFolder(), Home.path()), 0};
    TTestSettings Settings;
    TCalcResult Result;
};

} // namespace

TEST_F(ZoneLookup, RecordsWithoutAZoneCodeTakeTheirCountrysRules) {
    struct TCase {
        const char* what;
        const char* country;
        int y, mo, d;
        TPlace place;
        TDateTime ut;
    };
    const TPlace budapest{47, 30, false, 19, 3, false};
    const TPlace west{40, 0, false, 7, 30, true};
    // Every record carries a manual zone of +1:00, used only where the rules find nothing.
    const TCase cases[] = {
        {"summer time from the rules", "H", 2019, 6, 1, budapest, At(2019, 6, 1, 10, 0)},
        {"projected summer time", "H", 2040, 7, 1, budapest, At(2040, 7, 1, 10, 0)},
        {"local mean time east", "LM", 1850, 1, 1, budapest, At(1850, 1, 1, 10, 44)},
        {"local mean time half an hour west", "LM", 1850, 1, 1, west, At(1850, 1, 1, 12, 30)},
        {"southern summer", "S", 2021, 1, 15, budapest, At(2021, 1, 15, 14, 0)},
        {"a country without rules keeps the record's zone", "XX", 2019, 6, 1, budapest,
         At(2019, 6, 1, 11, 0)},
    };
    for (const TCase& c : cases) {
        TSzuletesiKepletInfo b;
        FillBirth(b, c.y, c.mo, c.d, 12, 0, c.place, 1, 0);
        b.SetLocCountryID(QString::fromLatin1(c.country));
        TSWECalculator calc(&Places, nullptr, &Settings);
        calc.SetResult(&Result);
        calc.Calculate(&b);
        EXPECT_EQ(Result.UniversalTime, c.ut)
            << c.what << ": " << Result.UniversalTime.ToIsoString().toStdString();
    }
}

TEST_F(ZoneLookup, AZoneCodeKeepsTheRecordsOwnOffset) {
    TSzuletesiKepletInfo b;
    FillBirth(b, 2019, 6, 1, 12, 0, {47, 30, false, 19, 3, false}, 1, 0);
    b.SetLocCountryID(QStringLiteral("H"));
    b.SetTZoneCode(QStringLiteral("CET"));
    TSWECalculator calc(&Places, nullptr, &Settings);
    calc.SetResult(&Result);
    calc.Calculate(&b);
    EXPECT_EQ(Result.UniversalTime, At(2019, 6, 1, 11, 0));
}
