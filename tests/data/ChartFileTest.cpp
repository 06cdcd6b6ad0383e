#include "common/TestSupport.h"
#include "core/TextFiles.h"
#include "core/UserNotifier.h"
#include "core/VelkarisError.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

using TLoader = TSzuletesiKepletAdatokINIFileLoader;
using TRecord = TSzuletesiKepletInfo;

const QString LoadError = QStringLiteral("Hiba a Születési képlet megnyitásakor!");
const QString NotSaved = QStringLiteral("Nem sikerült a Születési képlet fájl mentése!");

/// Lines given with "\n" as the Windows program stores them: UTF-16LE, CR LF.
QByteArray WindowsBytes(const char* utf8Lines) {
    return EncodeWindowsText(QString::fromUtf8(utf8Lines).split(QLatin1Char('\n')));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void FillEveryField(TRecord& r) {
    r.SetName(QStringLiteral("Kovács Éva Zsófia"));
    r.SetGender(1);
    r.SetDateParts(1985, 8, 23, 14, 35, 20);
    r.SetTZoneCode(QStringLiteral("EST"));
    r.SetTZoneWest(true);
    r.SetTZoneHour(-5);
    r.SetTZoneMinute(30);
    r.SetTZCodeIsManual(true);
    r.SetLocCity(QStringLiteral("Győr"));
    r.SetLocCountry(QStringLiteral("Magyarország"));
    r.SetLocCountryID(QStringLiteral("HU"));
    r.SetLocAltitude(-12);
    r.SetLocLongDegree(17);
    r.SetLocLongMinute(38);
    r.SetLocLongSecond(12);
    r.SetLocLongWest(true);
    r.SetLocLatDegree(47);
    r.SetLocLatMinute(41);
    r.SetLocLatSecond(5);
    r.SetLocLatSouth(true);
    r.SetIsDayLightSavingTime(true);
    r.SetBirthDateIsBC(true);
    r.SetIsDead(true);
    r.SetDeathDateTime(2020, 3, 14, 6, 5, 59);
    r.SetTags({QStringLiteral("család"), QStringLiteral(" barát "), QStringLiteral("Ügyfél")});
    r.SetNotes({QStringLiteral("Első"), QStringLiteral("Asc = Skorpió?"), QString()});
    r.SetPictureFilename(QStringLiteral("hors\\images\\éva.jpg"));
    r.SetFileVersionId(QStringLiteral("v3.0"));
    r.SetAttachments({QStringLiteral("hors\\docs\\levél.rtf"), QStringLiteral("/home/éva/a.pdf")});
}

/// Every field that the chart file carries.
void ExpectSameFileFields(const TRecord& a, const TRecord& b) {
    EXPECT_EQ(a.Name(), b.Name());
    EXPECT_EQ(a.Gender(), b.Gender());
    EXPECT_EQ(a.Year(), b.Year());
    EXPECT_EQ(a.Month(), b.Month());
    EXPECT_EQ(a.Day(), b.Day());
    EXPECT_EQ(a.Hour(), b.Hour());
    EXPECT_EQ(a.Minute(), b.Minute());
    EXPECT_EQ(a.Second(), b.Second());
    EXPECT_EQ(a.TimeIsUnknown(), b.TimeIsUnknown());
    EXPECT_EQ(a.TZoneCode(), b.TZoneCode());
    EXPECT_EQ(a.TZoneWest(), b.TZoneWest());
    EXPECT_EQ(a.TZoneHour(), b.TZoneHour());
    EXPECT_EQ(a.TZoneMinute(), b.TZoneMinute());
    EXPECT_EQ(a.TZCodeIsManual(), b.TZCodeIsManual());
    EXPECT_EQ(a.LocCity(), b.LocCity());
    EXPECT_EQ(a.LocCountry(), b.LocCountry());
    EXPECT_EQ(a.LocCountryID(), b.LocCountryID());
    EXPECT_EQ(a.LocAltitude(), b.LocAltitude());
    EXPECT_EQ(a.LocLongDegree(), b.LocLongDegree());
    EXPECT_EQ(a.LocLongMinute(), b.LocLongMinute());
    EXPECT_EQ(a.LocLongSecond(), b.LocLongSecond());
    EXPECT_EQ(a.LocLongWest(), b.LocLongWest());
    EXPECT_EQ(a.LocLatDegree(), b.LocLatDegree());
    EXPECT_EQ(a.LocLatMinute(), b.LocLatMinute());
    EXPECT_EQ(a.LocLatSecond(), b.LocLatSecond());
    EXPECT_EQ(a.LocLatSouth(), b.LocLatSouth());
    EXPECT_EQ(a.IsDayLightSavingTime(), b.IsDayLightSavingTime());
    EXPECT_EQ(a.BirthDateIsBC(), b.BirthDateIsBC());
    EXPECT_EQ(a.IsDead(), b.IsDead());
    EXPECT_EQ(a.DeathDateTime(), b.DeathDateTime());
    EXPECT_EQ(a.Tags(), b.Tags());
    EXPECT_EQ(a.Notes(), b.Notes());
    EXPECT_EQ(a.PictureFilename(), b.PictureFilename());
    EXPECT_EQ(a.FileVersionId(), b.FileVersionId());
    EXPECT_EQ(a.Attachments(), b.Attachments());
}

class ChartFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Temp.isValid());
        qputenv("VELKARIS_HOME", Home().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_Temp.filePath(QStringLiteral("config")).toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(Home() + QStringLiteral("/hors/docs")));
    }
    void TearDown() override {
        qunsetenv("VELKARIS_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    QString Home() const { return m_Temp.filePath(QStringLiteral("home")); }
    QString InTemp(const QString& relative) const { return m_Temp.filePath(relative); }
    QString InHome(const QString& relative) const { return Home() + QLatin1Char('/') + relative; }
    TLoader Loader() { return TLoader(Home(), &m_Notifier); }

    std::unique_ptr<TRecord> LoadBytes(const QByteArray& bytes) {
        return Loader().LoadChartDocument(TIniDocument::FromBytes(bytes), {}, false);
    }
    std::unique_ptr<TRecord> LoadText(const char* utf8Lines) {
        return LoadBytes(WindowsBytes(utf8Lines));
    }

    QTemporaryDir m_Temp;
    TRecordingNotifier m_Notifier;
};

TEST_F(ChartFile, OnlyANameLoadsEveryDefault) {
    const auto r = LoadText("[BirthInfo]\nName=Teszt Elek");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Name(), QStringLiteral("Teszt Elek"));
    EXPECT_EQ(r->OriginalName(), QStringLiteral("Teszt Elek"));
    EXPECT_EQ(r->Gender(), 3);
    EXPECT_EQ(r->LocalDateTime(), At(1900, 1, 1));
    EXPECT_EQ(r->TZoneHour(), 0);
    EXPECT_EQ(r->TZoneMinute(), 0);
    EXPECT_TRUE(r->TZoneCode().isEmpty());
    for (int value :
         {r->LocLongDegree(), r->LocLongMinute(), int(r->LocLongSecond()), r->LocLatDegree(),
          r->LocLatMinute(), int(r->LocLatSecond()), r->LocAltitude()})
        EXPECT_EQ(value, 0);
    for (bool flag : {r->TimeIsUnknown(), r->TZoneWest(), r->TZCodeIsManual(), r->LocLongWest(),
                      r->LocLatSouth(), r->IsDayLightSavingTime(), r->BirthDateIsBC(), r->IsDead(),
                      r->Loading(), r->Modified()})
        EXPECT_FALSE(flag);
    EXPECT_TRUE(r->LocCity().isEmpty() && r->LocCountry().isEmpty() && r->LocCountryID().isEmpty());
    EXPECT_TRUE(r->Tags().isEmpty() && r->Notes().isEmpty() && r->Attachments().isEmpty());
    EXPECT_TRUE(r->FileVersionId().isEmpty() && r->PictureFilename().isEmpty());
    EXPECT_EQ(r->DeathDateTime(), At(1900, 1, 1));
    EXPECT_TRUE(r->FileName().isEmpty());

    EXPECT_EQ(LoadText("")->Name(), QStringLiteral("NINCS NÉV"));
}

TEST_F(ChartFile, MissingFileGivesTheDefaultsAndUnreadableGivesNone) {
    const QString missing = InHome(QStringLiteral("hors/nincs ilyen.szk"));
    const auto r = Loader().LoadChartFile(missing, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Name(), QStringLiteral("NINCS NÉV"));
    EXPECT_EQ(r->Gender(), 3);
    EXPECT_EQ(r->FileName(), missing);
    EXPECT_FALSE(QFileInfo::exists(missing));

    EXPECT_EQ(Loader().LoadChartFile(InHome(QStringLiteral("hors")), false), nullptr);
}

TEST_F(ChartFile, ReadsValuesAsTheWindowsProgramWroteThem) {
    struct TCase {
        const char* what;
        const char* text;
        std::function<void(const TRecord&)> check;
    };
    const TCase cases[] = {
        {"unknown time without an hour is noon", "[BirthInfo]\nTimeIsUnknown=T",
         [](const TRecord& r) {
             EXPECT_TRUE(r.TimeIsUnknown());
             EXPECT_EQ(r.Hour(), 12);
         }},
        {"a capital T anywhere is true", "[BirthInfo]\nIsDead=True\nLocLatSouth=TF\nTZoneWest=xTx",
         [](const TRecord& r) { EXPECT_TRUE(r.IsDead() && r.LocLatSouth() && r.TZoneWest()); }},
        {"no capital T is false, INI's 1 included",
         "[BirthInfo]\nIsDead=t\nLocLatSouth=False\nTZoneWest=1\nBirthDateIsBC=",
         [](const TRecord& r) {
             EXPECT_FALSE(r.IsDead() || r.LocLatSouth() || r.TZoneWest() || r.BirthDateIsBC());
         }},
        {"negative longitude without the west flag is west",
         "[BirthInfo]\nLocLongDegree=-19\nLocLongWest=F",
         [](const TRecord& r) {
             EXPECT_EQ(r.LocLongDegree(), 19);
             EXPECT_TRUE(r.LocLongWest());
         }},
        {"negative latitude with the south flag stays",
         "[BirthInfo]\nLocLatDegree=-33\nLocLatSouth=T",
         [](const TRecord& r) {
             EXPECT_EQ(r.LocLatDegree(), -33);
             EXPECT_TRUE(r.LocLatSouth());
         }},
        {"negative latitude without the south flag is south", "[BirthInfo]\nLocLatDegree=-33",
         [](const TRecord& r) {
             EXPECT_EQ(r.LocLatDegree(), 33);
             EXPECT_TRUE(r.LocLatSouth());
         }},
        {"the most negative integer does not overflow", "[BirthInfo]\nLocLongDegree=-2147483648",
         [](const TRecord& r) {
             EXPECT_EQ(r.LocLongDegree(), 2147483647);
             EXPECT_TRUE(r.LocLongWest());
         }},
        {"values of the wrong form take the defaults",
         "[BirthInfo]\nGender=nő\nDay=\nYear=99999999999\nTZoneHour=2,5\nHour=x",
         [](const TRecord& r) {
             EXPECT_EQ(r.Gender(), 3);
             EXPECT_EQ(r.LocalDateTime(), At(1900, 1, 1));
             EXPECT_EQ(r.TZoneHour(), 0);
         }},
        {"the largest 16-bit value", "[BirthInfo]\nLocLatSecond=65535\nTZoneMinute=65535",
         [](const TRecord& r) {
             EXPECT_EQ(r.LocLatSecond(), 65535);
             EXPECT_EQ(r.TZoneMinute(), 65535);
         }},
        {"sections and keys in any case", "[birthinfo]\nNAME=Anna\ngender=0\n[tags]\ntags=x",
         [](const TRecord& r) {
             EXPECT_EQ(r.Name(), QStringLiteral("Anna"));
             EXPECT_EQ(r.Gender(), 0);
             EXPECT_EQ(r.Tags(), QStringList{QStringLiteral("x")});
         }},
        {"a second block of a section is never read",
         "[BirthInfo]\nName=Első\n[BirthInfo]\nName=Második\nGender=1",
         [](const TRecord& r) {
             EXPECT_EQ(r.Name(), QStringLiteral("Első"));
             EXPECT_EQ(r.Gender(), 3);
         }},
        {"empty tag pieces are dropped, the others are not trimmed",
         "[Tags]\nTags=család;;barát;\nMore= a ; b",
         [](const TRecord& r) {
             EXPECT_EQ(r.Tags(), (QStringList{QStringLiteral("család"), QStringLiteral("barát"),
                                              QStringLiteral(" a "), QStringLiteral(" b")}));
         }},
        {"every note in file order whatever its key, '=' kept",
         "[Notes]\nNote02=második\nmegjegyzés=a=b = c\nsor egyenlőségjel nélkül\nNote01=első",
         [](const TRecord& r) {
             EXPECT_EQ(r.Notes(), (QStringList{QStringLiteral("második"), QStringLiteral("a=b = c"),
                                               QStringLiteral("első")}));
         }},
        {"attachments and picture keep their Windows paths",
         "[Other]\nPictureFilename=hors\\images\\kép.jpg\nFileVersionId=v3.1\n"
         "[Attachements]\nCsatDoc02=hors\\docs\\b.rtf\nCsatDoc01=C:\\x\\a.pdf",
         [](const TRecord& r) {
             EXPECT_EQ(r.PictureFilename(), QStringLiteral("hors\\images\\kép.jpg"));
             EXPECT_EQ(r.FileVersionId(), QStringLiteral("v3.1"));
             EXPECT_EQ(r.Attachments(), (QStringList{QStringLiteral("hors\\docs\\b.rtf"),
                                                     QStringLiteral("C:\\x\\a.pdf")}));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto r = LoadText(c.text);
        ASSERT_TRUE(r);
        EXPECT_FALSE(r->Modified());
        c.check(*r);
    }
}

TEST_F(ChartFile, FieldsOutOfRangeOrDatesThatDoNotExistFailTheRead) {
    for (const char* text :
         {"Day=-1", "Day=65536", "Year=70000", "TZoneMinute=-30", "LocLongSecond=65536",
          "LocLatSecond=0x10000", "DeathSec=-1", "Day=32", "Month=13", "Hour=24", "Year=0",
          "IsDead=F\nDeathMonth=0", "Year=2001\nMonth=2\nDay=29"}) {
        SCOPED_TRACE(text);
        const QByteArray bytes = WindowsBytes("[BirthInfo]") + WindowsBytes(text).mid(2);
        try {
            LoadBytes(bytes);
            ADD_FAILURE() << "no error";
        } catch (const EVelkarisError& e) {
            EXPECT_EQ(e.UserText(), LoadError);
        }
    }
    const QString path = InHome(QStringLiteral("hors/hibás.szk"));
    WriteAll(path, WindowsBytes("[BirthInfo]\nYear=65536"));
    EXPECT_THROW(Loader().LoadChartFile(path, false), EVelkarisError);
    EXPECT_TRUE(m_Notifier.Texts.isEmpty()) << "the caller reports it";
}

TEST_F(ChartFile, WritesExactlyTheTextTheWindowsProgramReads) {
    TRecord r;
    r.SetName(QStringLiteral("Nagy Béla"));
    r.SetGender(0);
    r.SetDateParts(1970, 1, 2, 3, 4, 5);
    r.SetTZoneCode(QStringLiteral("CET"));
    r.SetTZoneHour(1);
    r.SetTZoneMinute(0);
    r.SetLocCity(QStringLiteral("Pécs"));
    r.SetLocCountry(QStringLiteral("Magyarország"));
    r.SetLocCountryID(QStringLiteral("HU"));
    r.SetLocAltitude(150);
    r.SetLocLongDegree(18);
    r.SetLocLongMinute(14);
    r.SetLocLongSecond(0);
    r.SetLocLatDegree(46);
    r.SetLocLatMinute(4);
    r.SetLocLatSecond(0);
    r.SetDeathDateTime(2000, 1, 1, 0, 0, 0);
    r.SetTags({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    r.SetNotes({QStringLiteral("egy"), QStringLiteral("kettő"), QStringLiteral("x=y")});
    r.SetFileVersionId(QStringLiteral("v3.0"));
    const char* expected = R"(
[BirthInfo]
Name=Nagy Béla
Gender=0
Year=1970
Month=1
Day=2
Hour=3
Minute=4
Second=5
TimeIsUnknown=F
TZoneCode=CET
TZoneWest=F
TZoneHour=1
TZoneMinute=0
TZCodeIsManual=F
LocCity=Pécs
LocCountry=Magyarország
LocCountryID=HU
LocAltitude=150
LocLongDegree=18
LocLongMinute=14
LocLongSecond=0
LocLongWest=F
LocLatDegree=46
LocLatMinute=4
LocLatSecond=0
LocLatSouth=F
IsDayLightSavingTime=F
BirthDateIsBC=F
IsDead=F

[Tags]
Tags=a;b;c

[Notes]
Note01=egy
Note02=kettő
Note03=x=y

[Other]
PictureFilename=
FileVersionId=v3.0

[Attachements])";
    const QString path = InHome(QStringLiteral("hors/Nagy Béla.szk"));
    EXPECT_EQ(Loader().SaveChartFile(r, path), path);
    EXPECT_EQ(ReadAll(path), WindowsBytes(expected));

    r.SetIsDead(true);
    r.SetDeathDateTime(2010, 11, 12, 13, 14, 15);
    r.SetTags({});
    const QStringList lines = TLoader::ChartFileLines(r);
    const qsizetype dead = lines.indexOf(QStringLiteral("IsDead=T"));
    ASSERT_GT(dead, 0);
    EXPECT_EQ(lines.mid(dead + 1, 8),
              (QStringList{QStringLiteral("DeathYear=2010"), QStringLiteral("DeathMonth=11"),
                           QStringLiteral("DeathDay=12"), QStringLiteral("DeathHour=13"),
                           QStringLiteral("DeathMin=14"), QStringLiteral("DeathSec=15"), QString(),
                           QStringLiteral("[Tags]")}));
    EXPECT_EQ(lines[dead + 9], QStringLiteral("Tags="));
}

TEST_F(ChartFile, NotesAndAttachmentsAreNumberedWithAtLeastTwoDigits) {
    TRecord r;
    r.SetDateParts(1990, 5, 6, 7, 8, 9);
    QStringList values;
    for (int i = 1; i <= 100; ++i)
        values << QStringLiteral("érték %1").arg(i);
    r.SetNotes(values);
    r.SetAttachments(values);
    const QStringList lines = TLoader::ChartFileLines(r);
    for (const char* line :
         {"Note01=érték 1", "Note09=érték 9", "Note10=érték 10", "Note99=érték 99",
          "Note100=érték 100", "CsatDoc01=érték 1", "CsatDoc100=érték 100"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    EXPECT_LT(lines.indexOf(QStringLiteral("Note99=érték 99")),
              lines.indexOf(QStringLiteral("Note100=érték 100")));

    const auto back = LoadBytes(TLoader::ChartFileBytes(r));
    EXPECT_EQ(back->Notes(), values);
    EXPECT_EQ(back->Attachments(), values);
}

TEST_F(ChartFile, SavingAddsTheExtensionUnlessItIsSzk) {
    const struct {
        const char* given;
        const char* written;
    } cases[] = {
        {"anna", "anna.szk"},
        {"anna.txt", "anna.txt.szk"},
        {"anna.szk", "anna.szk"},
        {"anna.SZK", "anna.SZK"},
        {"anna.Szk", "anna.Szk"},
        {"anna.", "anna..szk"},
        {"anna.szk.bak", "anna.szk.bak.szk"},
        {"v1.0/anna", "v1.0/anna.szk"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TLoader::ChartFilePath(QString::fromUtf8(c.given)), QString::fromUtf8(c.written))
            << c.given;

    TRecord r;
    r.SetName(QStringLiteral("Anna"));
    r.SetDateParts(1990, 5, 6, 7, 8, 9);
    const QString given = InHome(QStringLiteral("hors/anna"));
    EXPECT_EQ(Loader().SaveChartFile(r, given), given + QStringLiteral(".szk"));
    EXPECT_TRUE(QFileInfo::exists(given + QStringLiteral(".szk")));
    EXPECT_FALSE(QFileInfo::exists(given));
}

TEST_F(ChartFile, AFailedSaveIsReportedAndKeepsTheOldFileWhole) {
    TRecord r;
    FillEveryField(r);
    const auto expectFailure = [&](const QString& path, const TRecord& record) {
        m_Notifier.Kinds.clear();
        m_Notifier.Texts.clear();
        EXPECT_THROW(Loader().SaveChartFile(record, path), EVelkarisError);
        ASSERT_EQ(m_Notifier.Texts.size(), 1);
        EXPECT_EQ(m_Notifier.Kinds.first(), TMessageKind::Error);
        EXPECT_TRUE(m_Notifier.Texts.first().startsWith(NotSaved))
            << m_Notifier.Texts.first().toStdString();
    };

    expectFailure(InTemp(QStringLiteral("nincs ilyen mappa/anna.szk")), r);
    EXPECT_FALSE(QFileInfo::exists(InTemp(QStringLiteral("nincs ilyen mappa"))));

    // The longest name a folder can hold leaves no room for the temporary file's name,
    // so the write fails after the old file was found.
    const QString longest = InHome(QString(251, QLatin1Char('a')) + QStringLiteral(".szk"));
    const QByteArray old = WindowsBytes("[BirthInfo]\nName=Régi");
    WriteAll(longest, old);
    expectFailure(longest, r);
    EXPECT_EQ(ReadAll(longest), old);
    EXPECT_EQ(QDir(Home()).entryList(QDir::Files).size(), 1) << "no temporary file is left";

    // Files that could not be opened again are never written.
    r.SetDeathDateTime(-44, 3, 15, 0, 0, 0);
    const QString bc = InHome(QStringLiteral("hors/caesar.szk"));
    expectFailure(bc, r);
    EXPECT_FALSE(QFileInfo::exists(bc));
    TRecord undated;
    undated.SetName(QStringLiteral("Dátum nélkül"));
    const QString undatedPath = InHome(QStringLiteral("hors/undated.szk"));
    expectFailure(undatedPath, undated);
    EXPECT_FALSE(QFileInfo::exists(undatedPath));
}

TEST_F(ChartFile, EveryFieldSurvivesASaveAndALoadByteForByte) {
    TRecord original;
    FillEveryField(original);
    const QString path = InHome(QStringLiteral("hors/Kovács Éva.szk"));
    ASSERT_EQ(Loader().SaveChartFile(original, path), path);
    const auto loaded = Loader().LoadChartFile(path, false);
    ASSERT_TRUE(loaded);
    ExpectSameFileFields(*loaded, original);
    EXPECT_EQ(loaded->FileName(), path);
    EXPECT_FALSE(loaded->Modified());
    EXPECT_FALSE(loaded->Loading());
    EXPECT_EQ(TLoader::ChartFileBytes(*loaded), ReadAll(path));

    TRecord unknownTime;
    unknownTime.SetDateParts(2001, 2, 3, 4, 5, 6);
    unknownTime.SetTimeIsUnknown(true);
    const auto back = LoadBytes(TLoader::ChartFileBytes(unknownTime));
    EXPECT_EQ(back->LocalDateTime(), At(2001, 2, 3, 12, 0, 0));
    EXPECT_TRUE(back->TimeIsUnknown());
}

TEST_F(ChartFile, AChartWrittenOnWindowsOpensUnchanged) {
    const QByteArray fixture = ReadAll(QStringLiteral(VELKARIS_TEST_DATA_DIR) +
                                       QStringLiteral("/data/data/windows-chart.szk"));
    ASSERT_TRUE(fixture.startsWith("\xFF\xFE"));
    const QString path = InHome(QStringLiteral("hors/Kovács Éva Zsófia.szk"));
    WriteAll(path, fixture);

    const auto r = Loader().LoadChartFile(path, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Name(), QStringLiteral("Kovács Éva Zsófia"));
    EXPECT_EQ(r->Gender(), 1);
    EXPECT_EQ(r->LocalDateTime(), At(1985, 8, 23, 14, 35, 20));
    EXPECT_EQ(r->TZoneCode(), QStringLiteral("CEST"));
    EXPECT_EQ(r->TZoneHour(), 2);
    EXPECT_EQ(r->LocCity(), QStringLiteral("Győr"));
    EXPECT_EQ(r->LocCountry(), QStringLiteral("Magyarország"));
    EXPECT_EQ(r->LocAltitude(), 108);
    EXPECT_EQ(r->LocLongDegree(), 17);
    EXPECT_EQ(r->LocLongMinute(), 38);
    EXPECT_EQ(r->LocLongSecond(), 12);
    EXPECT_EQ(r->LocLatSecond(), 5);
    EXPECT_TRUE(r->IsDayLightSavingTime());
    EXPECT_TRUE(r->IsDead());
    EXPECT_EQ(r->DeathDateTime(), At(2020, 3, 14, 6, 5, 0));
    EXPECT_EQ(r->Tags(), (QStringList{QStringLiteral("család"), QStringLiteral("barátnő"),
                                      QStringLiteral("Ügyfél")}));
    EXPECT_EQ(r->Notes(), (QStringList{QStringLiteral("Első találkozás: 2001. őszén"),
                                       QStringLiteral("Ascendens = Skorpió?")}));
    EXPECT_EQ(r->PictureFilename(), QStringLiteral("hors\\images\\kovács éva.jpg"));
    EXPECT_EQ(r->Attachments(),
              (QStringList{QStringLiteral("hors\\docs\\levél.rtf"),
                           QStringLiteral("C:\\Dokumentumok\\horoszkóp értelmezés.pdf")}));
    EXPECT_FALSE(TLoader::IsNewerFileVersion(r->FileVersionId()));
    EXPECT_FALSE(r->Modified());
    EXPECT_EQ(TLoader::ChartFileBytes(*r), fixture);
}

TEST_F(ChartFile, CommandLineChartsFromOutsideTheHomeFolderOpenWithoutAName) {
    ASSERT_TRUE(QFile::link(Home(), InTemp(QStringLiteral("link"))));
    const struct {
        const char* what;
        const char* path;
        bool commandLine;
        bool keepsName;
    } cases[] = {
        {"charts folder", "home/hors/a.szk", true, true},
        {"home folder itself", "home/a.szk", true, true},
        {"outside", "máshol/a.szk", true, false},
        {"a sibling whose name begins like home", "home-régi/hors/a.szk", true, false},
        {"dot-dot into home", "máshol/../home/hors/b.szk", true, true},
        {"symbolic link to home", "link/hors/c.szk", true, true},
        {"outside, opened from the program", "máshol/a.szk", false, true},
    };
    TRecord chart;
    chart.SetName(QStringLiteral("Anna"));
    chart.SetDateParts(1990, 5, 6, 7, 8, 9);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = InTemp(QString::fromUtf8(c.path));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        Loader().SaveChartFile(chart, path);
        const auto r = Loader().LoadChartFile(path, c.commandLine);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->Name(), QStringLiteral("Anna"));
        EXPECT_EQ(r->FileName().isEmpty(), !c.keepsName);
        if (c.keepsName) {
            EXPECT_EQ(QFileInfo(r->FileName()).canonicalFilePath(),
                      QFileInfo(path).canonicalFilePath());
        }
        EXPECT_EQ(r->Modified(), !c.keepsName);
        EXPECT_EQ(r->NotesDocument().FileName().isEmpty(), !c.keepsName);
    }
}

TEST_F(ChartFile, TheNotesDocumentIsReadFromItsNotesFile) {
    TIniDocument notes;
    notes.WriteString(QStringLiteral("Planets"), QStringLiteral("Nap"), QStringLiteral("erős"));
    const QString notesPath = InHome(QStringLiteral("hors/docs/Anna.mgj"));
    ASSERT_EQ(notes.SaveFile(notesPath), std::nullopt);
    TRecord chart;
    chart.SetName(QStringLiteral("Anna"));
    chart.SetDateParts(1990, 5, 6, 7, 8, 9);
    const QString path = Loader().SaveChartFile(chart, InHome(QStringLiteral("hors/Anna")));

    const auto r = Loader().LoadChartFile(path, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->NotesDocument().FileName(), notesPath);
    EXPECT_EQ(r->NotesDocument().ReadString(QStringLiteral("Planets"), QStringLiteral("Nap")),
              QStringLiteral("erős"));

    const QString other = Loader().SaveChartFile(chart, InHome(QStringLiteral("hors/Béla")));
    const auto withoutNotes = Loader().LoadChartFile(other, false);
    EXPECT_EQ(withoutNotes->NotesDocument().FileName(),
              InHome(QStringLiteral("hors/docs/Béla.mgj")));
    EXPECT_TRUE(withoutNotes->NotesDocument().Sections().isEmpty());
}

TEST_F(ChartFile, LineBreaksInsideValuesCannotSplitTheFile) {
    TRecord r;
    r.SetDateParts(1990, 5, 6, 7, 8, 9);
    r.SetName(QStringLiteral("Anna\nMária"));
    r.SetNotes({QStringLiteral("első sor\r\n[Other]\r\nPictureFilename=/etc/passwd\rvége")});
    r.SetTags({QStringLiteral("a\n\nb")});
    r.SetPictureFilename(QStringLiteral("kep.jpg"));
    const auto back = LoadBytes(TLoader::ChartFileBytes(r));
    EXPECT_EQ(back->Name(), QStringLiteral("Anna Mária"));
    EXPECT_EQ(back->Notes(),
              QStringList{QStringLiteral("első sor [Other] PictureFilename=/etc/passwd vége")});
    EXPECT_EQ(back->Tags(), QStringList{QStringLiteral("a  b")});
    EXPECT_EQ(back->PictureFilename(), QStringLiteral("kep.jpg"));
}

TEST(ChartFileVersion, NewerVersionsAreThoseAboveV30) {
    const struct {
        const char* text;
        int number;
        bool newer;
    } cases[] = {
        {"v3.0", 30000, false}, {"v3.1", 31000, true},   {"v3.0.1", 30100, true},
        {"v2.9", 29000, false}, {"", 0, false},          {"   ", 0, false},
        {"verzió", 0, false},   {"v3.0-béta", 0, false}, {"v4", 40000, true},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(TLoader::FileVersionNumber(text), c.number) << c.text;
        EXPECT_EQ(TLoader::IsNewerFileVersion(text), c.newer) << c.text;
    }
}

TEST_F(ChartFile, DamagedInputNeverCrashesAndReadsWhatCanBeRead) {
    const QByteArray good = WindowsBytes("[BirthInfo]\nName=Anna\nGender=1");
    const QString withNul = QStringLiteral("An") + QChar(0) + QStringLiteral("na");
    QByteArray bigEndian("\xFE\xFF");
    for (QChar c : QStringLiteral("[BirthInfo]\r\nName=Zoé\r\nGender=0")) {
        bigEndian.append(static_cast<char>(c.unicode() >> 8));
        bigEndian.append(static_cast<char>(c.unicode() & 0xFF));
    }
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char& c : garbage) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    const struct {
        const char* what;
        QByteArray bytes;
        QString name;
        int gender;
    } cases[] = {
        {"cut inside the last line", good.left(good.size() - 7), QStringLiteral("Anna"), 3},
        {"odd number of bytes", good + 'x', QStringLiteral("Anna"), 1},
        {"NUL character inside a value",
         EncodeWindowsText({QString(), QStringLiteral("[BirthInfo]"),
                            QStringLiteral("Name=") + withNul, QStringLiteral("Gender=1")}),
         withNul, 1},
        {"NUL bytes in 8-bit text", QByteArray("[BirthInfo]\nName=An\0na\nGender=1", 31), withNul,
         1},
        {"nothing but NUL bytes", QByteArray(1000, '\0'), QStringLiteral("NINCS NÉV"), 3},
        {"8-bit Windows-1250 text",
         QByteArray("[BirthInfo]\r\nName=Kov\xE1"
                    "cs \xC9va \xF5\r\n"),
         QStringLiteral("Kovács Éva ő"), 3},
        {"UTF-16 big-endian", bigEndian, QStringLiteral("Zoé"), 0},
        {"random bytes", garbage, QString(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TRecord> r;
        try {
            r = LoadBytes(c.bytes);
        } catch (const EVelkarisError& e) {
            EXPECT_EQ(e.UserText(), LoadError);
        }
        if (c.name.isEmpty())
            continue;
        ASSERT_TRUE(r);
        EXPECT_EQ(r->Name(), c.name);
        EXPECT_EQ(r->Gender(), c.gender);
    }
}

TEST_F(ChartFile, AHundredMegabyteLineLoadsWhole) {
    constexpr qsizetype Characters = 50 * 1024 * 1024;
    QByteArray bytes = WindowsBytes("[BirthInfo]\nGender=1\nName=");
    bytes.chop(4);
    bytes.append(QByteArray(Characters * 2, 'x'));
    bytes += WindowsBytes("\nYear=2000").mid(2);
    const auto r = LoadBytes(bytes);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Name().size(), Characters);
    EXPECT_EQ(r->Gender(), 1);
    EXPECT_EQ(r->Year(), 2000);
}

} // namespace
