#include "app/cli/RenderCommand.h"

#include "CliRun.h"
#include "data/ProgramFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

using TRun = velkaris::test::TCliRun;

TRun Render(const QString& home, const QStringList& args) {
    return velkaris::test::RunCliCommand(RunRenderCommand, args, TProgramFolders::Resolve(home));
}

/// A chart file whose birth date is no date (year 0): it cannot be read.
QString BrokenChart(const QTemporaryDir& home) {
    const QString path = home.filePath(QStringLiteral("broken.szk"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[BirthInfo]\r\nName=Rossz\r\nYear=0\r\nMonth=2\r\nDay=30\r\n");
    return path;
}

const QStringList Budapest2000{"--date", "2000-01-01", "--time", "13:00", "--zone",
                               "+01:00", "--lat",      "47N30",  "--lon", "19E03"};

} // namespace

TEST(RenderCommand, DrawsTheWheelIntoAPictureOfTheAskedSize) {
    QTemporaryDir home;
    const QString file = home.filePath("wheel.png");
    const TRun run =
        Render(home.path(), Budapest2000 + QStringList{"-o", file, "--size", "640x480"});
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    const QImage picture(file);
    ASSERT_EQ(picture.size(), QSize(640, 480));
    // White around the wheel and in the aspect area; the ring's cells coloured by their
    // element (fire red, earth green, air yellow, water blue by default).
    EXPECT_EQ(picture.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    int aspectArea = 0, white = 0;
    for (int y = 200; y < 280; ++y)
        for (int x = 280; x < 360; ++x) {
            ++aspectArea;
            white += (picture.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        }
    EXPECT_GT(white, aspectArea * 7 / 10); // crossed by a few aspect lines only
    int red = 0, green = 0, yellow = 0, blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
            red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
            green += qGreen(p) > 150 && qRed(p) < 60 && qBlue(p) < 60;
            yellow += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 150;
            blue += qBlue(p) > 200 && qRed(p) < 100 && qGreen(p) < 150;
        }
    for (int cells : {red, green, yellow, blue})
        EXPECT_GT(cells, 2000);
}

TEST(RenderCommand, RefusesBadOptionsAndReportsWhatCannotBeWritten) {
    QTemporaryDir home;
    struct TCase {
        QStringList Args;
        int Code;
        const char* Message;
    };
    const TCase cases[] = {
        {Budapest2000, 2, "-o OUT.png is missing"},
        {Budapest2000 + QStringList{"-o", home.filePath("a.png"), "--size", "80x80"}, 2,
         "between 100 and"},
        {Budapest2000 + QStringList{"-o", home.filePath("a.png"), "--size", "big"}, 2,
         "WIDTHxHEIGHT"},
        {{"/no/such/chart.szk", "-o", home.filePath("a.png")}, 1, "no such chart file"},
        {{BrokenChart(home), "-o", home.filePath("a.png")},
         1,
         "Hiba a Születési képlet megnyitásakor!"},
        {Budapest2000 + QStringList{"-o", home.filePath("no/folder/a.png")}, 1,
         "cannot be written"},
        {Budapest2000 + QStringList{"-o", home.filePath("a.png"), "--second", "/no/such.szk"}, 1,
         "no such chart file"},
    };
    for (const TCase& c : cases) {
        const TRun run = Render(home.path(), c.Args);
        EXPECT_EQ(run.Code, c.Code) << c.Message;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("a.png")));
}
