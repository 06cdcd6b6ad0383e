#include "app/cli/ChartCommand.h"

#include "CliRun.h"
#include "app/cli/ChartOptions.h"
#include "core/IniDocument.h"
#include "data/ProgramFolders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

using TRun = velkaris::test::TCliRun;
using velkaris::test::TCliCommand;

TRun RunIn(const QString& home, const QStringList& args, TCliCommand command = RunChartCommand) {
    return velkaris::test::RunCliCommand(command, args, TProgramFolders::Resolve(home));
}

TRun RunCli(const QStringList& args) {
    QTemporaryDir home;
    return RunIn(home.path(), args);
}

QJsonObject Json(const TRun& r) {
    return QJsonDocument::fromJson(r.Out.toUtf8()).object();
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

    // The analysis: Saturn trine the Sun, the Sun and the Moon as ego states, the
    // life-strategy table with its total, the house lords.
    bool sunTrineSaturn = false;
    for (const auto& a : o.value("aspects").toArray()) {
        const QJsonObject x = a.toObject();
        sunTrineSaturn |= x["id1"].toInt() == 0 && x["kind1"].toInt() == 1 &&
                          x["id2"].toInt() == 6 && x["kind2"].toInt() == 1 &&
                          x["aspect"].toInt() == 6 && x["exactness"].toInt() == 4 &&
                          x["orb"].toDouble() == 5 && x["deviation"].toDouble() < 0.03;
    }
    EXPECT_TRUE(sunTrineSaturn);
    const QJsonArray markers = o.value("self_markers").toArray();
    ASSERT_GE(markers.size(), 3);
    EXPECT_EQ(markers[0].toObject()["kind"].toString(), QStringLiteral("body"));
    EXPECT_EQ(markers[0].toObject()["id"].toInt(), 0);
    EXPECT_EQ(markers[2].toObject()["kind"].toString(), QStringLiteral("cusp"));
    const QJsonArray strategy = o.value("life_strategy").toArray();
    ASSERT_EQ(strategy.size(), 4);
    ASSERT_EQ(strategy[3].toArray().size(), 5);
    EXPECT_EQ(strategy[3].toArray()[4].toInt(), 28);
    EXPECT_EQ(o.value("emphasized_signs").toArray(), QJsonArray{1});
    EXPECT_EQ(o.value("untrodden_signs").toArray(), QJsonArray{8});
    EXPECT_TRUE(sun.value("self_marker").toBool());
    EXPECT_EQ(sun.value("lordships").toArray(), QJsonArray{5});
    EXPECT_EQ(bodies.at(4).toObject().value("closed_lordships").toArray(), QJsonArray{12});
    for (const char* key : {"feral", "isolated", "shown_aspect"})
        EXPECT_TRUE(sun.value(key).isBool()) << key;
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

TEST(ChartCommand, ChartFilesWithTheHomeFoldersSettings) {
    QTemporaryDir home;
    const QString chart = QStringLiteral(VELKARIS_SOURCE_DIR "/tests/data/data/windows-chart.szk");
    const TRun placidus = RunIn(home.path(), {chart, "--json"});
    ASSERT_EQ(placidus.Code, 0) << placidus.Err.toStdString();
    EXPECT_EQ(Json(placidus)["ut"].toString(), QStringLiteral("1985-08-23T12:35:20"));

    // restore-defaults writes the settings file; a house system set there is used.
    const TRun restored = RunIn(home.path(), {"restore-defaults"}, RunSettingsCommand);
    ASSERT_EQ(restored.Code, 0) << restored.Err.toStdString();
    const QString settingsPath = restored.Out.trimmed();
    EXPECT_EQ(settingsPath, home.filePath("data/settings.ini"));
    auto settings = TIniDocument::LoadFile(settingsPath);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->ReadString("chkbHazrendszer", "Hazrendszer"), QStringLiteral("P"));
    EXPECT_EQ(Json(RunIn(home.path(), {chart, "--json"}))["cusps"], Json(placidus)["cusps"]);
    settings->WriteString("chkbHazrendszer", "Hazrendszer", "K");
    ASSERT_EQ(settings->SaveFile(settingsPath), std::nullopt);
    const QJsonObject koch = Json(RunIn(home.path(), {chart, "--json"}));
    EXPECT_NE(koch["cusps"], Json(placidus)["cusps"]);
    EXPECT_EQ(koch["cusps"], Json(RunIn(home.path(), {chart, "--house", "K", "--json"}))["cusps"]);
    EXPECT_EQ(Json(RunIn(home.path(), {chart, "--house", "P", "--json"}))["cusps"],
              Json(placidus)["cusps"]);

    const TRun missing = RunIn(home.path(), {home.filePath("nincs.szk")});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_FALSE(missing.Err.isEmpty());
    EXPECT_NE(RunIn(home.path(), {"frobnicate"}, RunSettingsCommand).Code, 0);
}
