#include "app/cli/ChartCommand.h"

#include "app/cli/ChartOptions.h"
#include "data/ProgramFolders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

struct TRun {
    int Code;
    QString Out;
    QString Err;
};

TRun RunCli(const QStringList& args) {
    qunsetenv("SE_EPHE_PATH");
    QTemporaryDir home;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code =
        RunChartCommand(args, TProgramFolders::Resolve(home.path()), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

const QStringList Budapest2000{"--date", "2000-01-01", "--time", "13:00", "--zone",
                               "+01:00", "--lat",      "47N30",  "--lon", "19E03"};

} // namespace

TEST(ChartCommand, JsonHasTheDocumentedKeys) {
    const TRun run = RunCli(Budapest2000 + QStringList{"--json"});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    EXPECT_EQ(o.value("ut").toString(), QStringLiteral("2000-01-01T12:00:00"));
    EXPECT_DOUBLE_EQ(o.value("jd_ut").toDouble(), 2451545.0);
    EXPECT_GT(o.value("ayanamsa").toDouble(), 24);
    EXPECT_NEAR(o.value("obliquity").toDouble(), 23.4377, 1e-3);
    EXPECT_EQ(o.value("sidereal_time").toString(), QStringLiteral("19:58"));
    ASSERT_EQ(o.value("cusps").toArray().size(), 13);
    EXPECT_EQ(o.value("cusps").toArray().at(0).toDouble(), 0);
    ASSERT_EQ(o.value("axes").toArray().size(), 9);
    const QJsonArray bodies = o.value("bodies").toArray();
    ASSERT_GE(bodies.size(), 23);
    const QJsonObject sun = bodies.at(0).toObject();
    EXPECT_EQ(sun.value("id").toInt(), 0);
    EXPECT_NEAR(sun.value("lon").toDouble(), 280.3689187, 1e-7);
    EXPECT_NEAR(sun.value("speed").toDouble(), 1.0194342, 1e-7);
    EXPECT_EQ(sun.value("house").toInt(), 9);
    EXPECT_FALSE(sun.value("in_closed_sign").toBool());
    EXPECT_EQ(sun.value("closed_sign").toInt(), -1);
    for (const auto& b : bodies)
        EXPECT_NE(b.toObject().value("id").toInt(), 146199);
}

TEST(ChartCommand, TextNamesTheBodiesInHungarian) {
    const TRun run = RunCli(Budapest2000);
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Szaturnusz")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("10°22'08\"")));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("Tizenkettedik Ház")));
}

TEST(ChartCommand, OptionsChangeTheChart) {
    const auto sidereal = RunCli(Budapest2000 + QStringList{"--zodiac", "S", "--json"});
    const auto koch = RunCli(Budapest2000 + QStringList{"--house", "K", "--json"});
    const auto bc = RunCli(Budapest2000 + QStringList{"--bc", "--json"});
    const auto lmt = RunCli(QStringList{"--date", "1850-01-01", "--time", "12:00", "--zone", "LMT",
                                        "--lat", "47N30", "--lon", "19E03", "--json"});
    for (const TRun* r : {&sidereal, &koch, &bc, &lmt})
        ASSERT_EQ(r->Code, 0) << r->Err.toStdString();
    auto json = [](const TRun& r) { return QJsonDocument::fromJson(r.Out.toUtf8()).object(); };
    EXPECT_NEAR(json(sidereal)["bodies"][0]["lon"].toDouble(),
                280.3689187 - json(sidereal)["ayanamsa"].toDouble(), 0.01);
    EXPECT_NE(json(koch)["cusps"][2].toDouble(), 78.8491468);
    EXPECT_EQ(json(bc)["ut"].toString(), QStringLiteral("-2000-01-01T12:00:00"));
    EXPECT_EQ(json(lmt)["ut"].toString(), QStringLiteral("1850-01-01T10:44:00"));
}

TEST(ChartCommand, BadOptionsAreReportedNotCalculated) {
    const QStringList bad[] = {
        {},
        {"--date", "2000-02-30", "--time", "13:00", "--zone", "+01:00", "--lat", "47N30", "--lon",
         "19E03"},
        {"--date", "2000-01-01", "--time", "25:00", "--zone", "+01:00", "--lat", "47N30", "--lon",
         "19E03"},
        {"--date", "2000-01-01", "--time", "13:00", "--zone", "CET", "--lat", "47N30", "--lon",
         "19E03"},
        {"--date", "2000-01-01", "--time", "13:00", "--zone", "+01:00", "--lat", "47E30", "--lon",
         "19E03"},
        {"--date", "2000-01-01", "--time", "13:00", "--zone", "+01:00", "--lat", "91N00", "--lon",
         "19E03"},
        {"--date", "2000-01-01", "--time", "13:00", "--zone", "+01:00", "--lat", "47N30", "--lon",
         "181E00"},
        Budapest2000 + QStringList{"--zodiac", "X"},
        Budapest2000 + QStringList{"--house", "PP"},
        Budapest2000 + QStringList{"--frobnicate"},
        Budapest2000 + QStringList{"--house"},
    };
    for (const QStringList& args : bad) {
        const TRun run = RunCli(args);
        EXPECT_NE(run.Code, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty()) << args.join(' ').toStdString();
    }
}
