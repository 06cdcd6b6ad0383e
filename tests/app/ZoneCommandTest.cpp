#include "app/cli/ZoneCommand.h"

#include "CliRun.h"
#include "app/cli/ChartCommand.h"
#include "data/ZoneFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

using TRun = TCliRun;

/// Runs a command with the shipped tables and an empty home folder.
TRun RunTool(const QStringList& args, TCliCommand command = RunZoneCommand,
             const QString& home = {}) {
    QTemporaryDir scratch;
    return RunCliCommand(command, args,
                         FoldersOf(ShippedFolder(), home.isEmpty() ? scratch.path() : home));
}

QJsonObject Json(const TRun& r) {
    return QJsonDocument::fromJson(r.Out.toUtf8()).object();
}

} // namespace

TEST(ZoneCommand, ResolvesZonesAsJson) {
    struct TCase {
        QStringList args;
        const char* code;
        double offsetHours;
        bool dst;
        const char* note;
    };
    const TCase cases[] = {
        {{"--country", "H", "--local", "2019-06-01 12:00"}, "CEST", 2, true, ""},
        {{"--country", "H", "--local", "2040-07-01 12:00"}, "CEST", 2, true, ""},
        {{"--country", "H", "--local", "1880-01-01 12:00", "--lon", "19E03"},
         "LMT",
         1 + 16 / 60.0,
         false,
         "uZentavoFileHandling_LMT"},
        {{"--country", "PT-Lisbon", "--local", "1900-01-01 12:00", "--lon", "-9.1333"},
         "LMT",
         -(36 / 60.0),
         false,
         "uZentavoFileHandling_LMT"},
        {{"--country", "H", "--local", "2019-03-31 02:30"},
         "CEST",
         2,
         true,
         "uZentavoFileHandling_DSTS"},
        {{"--country", "US-Chicago", "--local", "2019-01-15T12:00"}, "CST", -6, false, ""},
        {{"--country", "CU", "--local", "2019-01-15 12:00"}, "CST", -5, false, ""},
        {{"--country", "IN", "--local", "2019-01-15 12:00"}, "IST", 5.5, false, ""},
    };
    for (const TCase& c : cases) {
        const TRun run = RunTool(c.args + QStringList{"--json"});
        const std::string what = c.args.join(u' ').toStdString();
        ASSERT_EQ(run.Code, 0) << what << ": " << run.Err.toStdString();
        const QJsonObject o = Json(run);
        EXPECT_EQ(o.value("code").toString(), QLatin1String(c.code)) << what;
        EXPECT_NEAR(o.value("offset_hours").toDouble(), c.offsetHours, 1e-9) << what;
        EXPECT_EQ(o.value("dst").toBool(), c.dst) << what;
        EXPECT_EQ(o.value("note").toString().isEmpty(), *c.note == 0) << what;
        EXPECT_TRUE(o.contains("display_name")) << what;
    }
}

TEST(ZoneCommand, TextOutputHasTheSameKeys) {
    const TRun run = RunTool({"--country", "H", "--local", "2019-06-01 12:00"});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("code: CEST\n")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("offset_hours: 2\n")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("dst: true\n")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("country_name: Magyarország\n")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("display_name: közép-európai nyári idő\n")));
}

TEST(ZoneCommand, BadOptionsAndUnknownCountries) {
    struct TCase {
        QStringList args;
        int code;
        const char* message;
    };
    const TCase cases[] = {
        {{"--local", "2019-06-01 12:00"}, 2, "missing --country"},
        {{"--country", "H"}, 2, "missing --local"},
        {{"--country", "H", "--local", "2019-02-30 12:00"}, 2, "invalid local time"},
        {{"--country", "H", "--local", "yesterday"}, 2, "invalid local time"},
        {{"--country", "H", "--local", "2019-06-01 12:00", "--lon", "200"}, 2, "invalid longitude"},
        {{"--country", "H", "--local", "2019-06-01 12:00", "--lon", "nan"}, 2, "invalid longitude"},
        {{"--country", "H", "--local"}, 2, "--local needs a value"},
        {{"--country", "H", "--local", "2019-06-01 12:00", "--utc"}, 2, "unknown option"},
        {{"--country", "XX", "--local", "2019-06-01 12:00"}, 1, "no zone rules"},
        {{"--country", "h", "--local", "2019-06-01 12:00"}, 0, ""},
    };
    for (const TCase& c : cases) {
        const TRun run = RunTool(c.args);
        const std::string what = c.args.join(u' ').toStdString();
        EXPECT_EQ(run.Code, c.code) << what;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.message)))
            << what << ": " << run.Err.toStdString();
    }
}

TEST(ZoneCommand, ADamagedTableIsReportedNotUsed) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("data"))));
    const QString path = home.filePath(QStringLiteral("data/table.cest.v2.dat.long"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("CountryCode;EV;HO\r\nH;2019;3;31;too many\r\n");
    file.close();
    const TRun run =
        RunTool({"--country", "H", "--local", "2019-06-01 12:00"}, RunZoneCommand, home.path());
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains(path)) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
}

TEST(ChartCommandWithACountry, TheZoneComesFromTheRules) {
    const QStringList place{"--lat", "47N30", "--lon", "19E03", "--json"};
    const TRun summer =
        RunTool(QStringList{"--date", "2000-07-01", "--time", "12:00", "--country", "H"} + place,
                RunChartCommand);
    ASSERT_EQ(summer.Code, 0) << summer.Err.toStdString();
    EXPECT_EQ(Json(summer).value("ut").toString(), QStringLiteral("2000-07-01T10:00:00"));
    const TRun early =
        RunTool(QStringList{"--date", "1880-07-01", "--time", "12:00", "--country", "H"} + place,
                RunChartCommand);
    ASSERT_EQ(early.Code, 0) << early.Err.toStdString();
    EXPECT_EQ(Json(early).value("ut").toString(), QStringLiteral("1880-07-01T10:44:00"))
        << "local mean time of 19°03' east";

    const TRun unknown =
        RunTool(QStringList{"--date", "2000-07-01", "--time", "12:00", "--country", "XX"} + place,
                RunChartCommand);
    EXPECT_EQ(unknown.Code, 1);
    EXPECT_TRUE(unknown.Err.contains(QStringLiteral("időzónája nincs megadva")))
        << unknown.Err.toStdString();
    const TRun both = RunTool(QStringList{"--date", "2000-07-01", "--time", "12:00", "--country",
                                          "H", "--zone", "+01:00"} +
                                  place,
                              RunChartCommand);
    EXPECT_EQ(both.Code, 2);
}
