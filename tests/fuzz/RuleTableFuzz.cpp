// Arbitrary bytes as the daylight-saving rule table (table.cest.v2.dat): loading stops at
// a bad line or goes through, and resolving zones on whatever rows were read never
// crashes, hangs or trips a sanitizer, whatever the moment and the longitude.

#include "core/TextFiles.h"
#include "data/DataSetInfoProvider.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using namespace velkaris;

namespace {

/// A home folder whose data folder holds only the rule table of the current input, and
/// a provider over it.
struct TFixture {
    QTemporaryDir Home;
    QTemporaryDir Shipped;
    std::unique_ptr<TDataSetInfoProvider> Places;

    TFixture() {
        QDir().mkpath(Home.filePath(QStringLiteral("data")));
        qputenv("VELKARIS_SHARE_DIR", Shipped.path().toLocal8Bit());
        Places = std::make_unique<TDataSetInfoProvider>(TProgramFolders::Resolve(Home.path()), 0);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TFixture fixture;
    QFile file(fixture.Home.filePath(QStringLiteral("data/table.cest.v2.dat")));
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    TCestLoader_v2& rules = fixture.Places->Loader().CestLoader();
    rules.Reload();
    const TDataTable& table = rules.Table();
    QSet<QString> countries{QStringLiteral("H")};
    for (int row = 0; row < table.RowCount() && countries.size() < 4; ++row)
        countries.insert(table.TextAt(row, table.ColumnIndex(u"CountryCode")));
    const double moments[] = {-1e6, 0, 1721027.5, 2415020.5, 2458665.0, 2465000.25, 2470000.5};
    for (const QString& country : countries) {
        for (const double jd : moments) {
            for (const double longitude : {-999.0, 19.05, -179.99}) {
                const TTimeZoneInfo_v2 zone =
                    fixture.Places->ResolveZone(country, true, longitude, jd);
                (void)zone.OffsetHours();
                (void)zone.ZoneOffset();
                (void)zone.DaylightSaving();
                (void)zone.StartJulianDay();
                (void)fixture.Places->ResolveZoneOffset(country.toLower(), longitude, jd);
            }
        }
    }
    return 0;
}
