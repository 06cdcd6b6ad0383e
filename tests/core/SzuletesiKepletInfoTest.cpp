#include "core/SzuletesiKepletInfo.h"

#include "common/TestSupport.h"
#include "core/UserNotifier.h"
#include "core/VelkarisError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {} // namespace

TEST(SzuletesiKepletInfo, EmptyRecord) {
    TSzuletesiKepletInfo r;
    EXPECT_EQ(r.Gender(), 2);
    EXPECT_EQ(r.LocLatDegree(), 999);
    EXPECT_EQ(r.TZoneHour(), 999);
    EXPECT_EQ(r.TZoneMinute(), 999);
    EXPECT_TRUE(r.FileVersionId().isEmpty());
    EXPECT_FALSE(r.Modified());
    EXPECT_THROW(r.LocalDateTime(), EInvalidDateError);
}

TEST(SzuletesiKepletInfo, SettersMarkModifiedOnlyForRealChangesOfAssignedValues) {
    struct TCase {
        const char* what;
        std::function<void(TSzuletesiKepletInfo&)> first;
        std::function<void(TSzuletesiKepletInfo&)> second;
        bool modifiedByFirst;
        bool modifiedBySecond;
    };
    const TCase cases[] = {
        {"latitude from not set", [](auto& r) { r.SetLocLatDegree(47); },
         [](auto& r) { r.SetLocLatDegree(48); }, false, true},
        {"same latitude", [](auto& r) { r.SetLocLatDegree(47); },
         [](auto& r) { r.SetLocLatDegree(47); }, false, false},
        {"zone hour", [](auto& r) { r.SetTZoneHour(1); }, [](auto& r) { r.SetTZoneHour(2); }, false,
         true},
        {"gender from default 2", [](auto& r) { r.SetGender(0); }, [](auto& r) { r.SetGender(1); },
         true, false},
        {"altitude from 0", [](auto& r) { r.SetLocAltitude(100); },
         [](auto& r) { r.SetLocAltitude(200); }, false, true},
        {"name from blank", [](auto& r) { r.SetName(QStringLiteral("A")); },
         [](auto& r) { r.SetName(QStringLiteral("B")); }, false, true},
        {"name from spaces", [](auto& r) { r.SetName(QStringLiteral("  ")); },
         [](auto& r) { r.SetName(QStringLiteral("B")); }, false, false},
        {"tags from empty", [](auto& r) { r.SetTags({QStringLiteral("x")}); },
         [](auto& r) { r.SetTags({QStringLiteral("y")}); }, false, true},
        {"attachments always assigned", [](auto& r) { r.SetAttachments({QStringLiteral("a")}); },
         [](auto& r) { r.SetAttachments({}); }, true, true},
        {"picture always assigned", [](auto& r) { r.SetPictureFilename(QStringLiteral("p")); },
         [](auto&) {}, true, false},
        {"boolean always assigned", [](auto& r) { r.SetLocLatSouth(true); },
         [](auto& r) { r.SetLocLatSouth(true); }, true, false},
        {"date from empty", [](auto& r) { r.SetDateParts(2000, 1, 1, 12, 0, 0); },
         [](auto& r) { r.SetDateParts(2000, 1, 2, 12, 0, 0); }, false, true},
        {"death date", [](auto& r) { r.SetDeathDateTime(2000, 1, 1, 0, 0, 0); }, [](auto&) {}, true,
         false},
        {"west flag is stored directly", [](auto& r) { r.SetTZoneWest(true); }, [](auto&) {}, false,
         false},
    };
    for (const TCase& c : cases) {
        TSzuletesiKepletInfo r;
        c.first(r);
        EXPECT_EQ(r.Modified(), c.modifiedByFirst) << c.what;
        r.SetModified(false);
        c.second(r);
        EXPECT_EQ(r.Modified(), c.modifiedBySecond) << c.what;
    }
}

TEST(SzuletesiKepletInfo, LoadingSuppressesModified) {
    TSzuletesiKepletInfo r;
    r.SetLoading(true);
    r.SetLocLatDegree(47);
    r.SetLocLatDegree(48);
    r.SetDeathDateTime(2000, 1, 1, 0, 0, 0);
    r.SetLoading(false);
    EXPECT_FALSE(r.Modified());
}

TEST(SzuletesiKepletInfo, CityNameAndOriginalName) {
    TSzuletesiKepletInfo r;
    r.SetLocCity(QStringLiteral("Budapest; H"));
    EXPECT_EQ(r.LocCity(), QStringLiteral("Budapest"));
    r.SetLocCity(QStringLiteral("Szeged;H"));
    EXPECT_EQ(r.LocCity(), QStringLiteral("Szeged;H"));
    r.SetName(QStringLiteral("Anna"));
    r.SetName(QStringLiteral("Tr> Anna"));
    EXPECT_EQ(r.OriginalName(), QStringLiteral("Anna"));
}

TEST(SzuletesiKepletInfo, DateTimeAndTheFirstDateKept) {
    TSzuletesiKepletInfo r;
    r.SetDateParts(1975, 6, 15, 14, 35, 20);
    EXPECT_EQ(r.LocalDateTime(), At(1975, 6, 15, 14, 35, 20));
    r.SetLocalDateTime(At(1976, 6, 15, 14, 35, 20));
    EXPECT_EQ(r.OriginalDateTime(), At(1975, 6, 15, 14, 35, 20));
    EXPECT_THROW(r.SetDateParts(1975, 2, 30, 0, 0, 0), EInvalidDateError);

    TSzuletesiKepletInfo bc;
    bc.SetLocalDateTime(At(-44, 3, 15, 10, 0, 0));
    EXPECT_TRUE(bc.BirthDateIsBC());
    EXPECT_EQ(bc.Year(), 44);
    EXPECT_EQ(bc.LocalDateTime(), At(44, 3, 15, 10, 0, 0));
    EXPECT_EQ(bc.SignedLocalDateTime(), At(-44, 3, 15, 10, 0, 0));
}

TEST(SzuletesiKepletInfo, UnknownTimeIsNoon) {
    TSzuletesiKepletInfo r;
    r.SetDateParts(1990, 5, 6, 17, 45, 30);
    r.SetTimeIsUnknown(true);
    EXPECT_EQ(r.LocalDateTime(), At(1990, 5, 6, 12, 0, 0));
}

TEST(SzuletesiKepletInfo, Age) {
    struct {
        TDateTime birth;
        TDateTime today;
        int age;
    } cases[] = {
        {At(2000, 2, 29), At(2010, 2, 28), 9},  {At(2000, 2, 29), At(2010, 3, 1), 10},
        {At(2000, 5, 10), At(2000, 5, 10), 0},  {At(2000, 5, 10), At(2001, 5, 10), 1},
        {At(2000, 5, 10), At(2001, 5, 9), 0},   {At(2000, 5, 10), At(2001, 4, 30), 0},
        {At(1950, 12, 31), At(2026, 1, 1), 75},
    };
    for (const auto& c : cases) {
        TSzuletesiKepletInfo r;
        r.SetLocalDateTime(c.birth);
        EXPECT_EQ(r.Age(c.today), c.age) << c.birth.ToIsoString().toStdString();
    }
    TSzuletesiKepletInfo dead;
    dead.SetLocalDateTime(At(1900, 6, 1));
    dead.SetIsDead(true);
    dead.SetDeathDateTime(1980, 5, 31, 0, 0, 0);
    EXPECT_EQ(dead.Age(At(2026, 1, 1)), 79);
}

TEST(SzuletesiKepletInfo, FileNameBindsTheNotesFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    TRecordingNotifier notifier;
    TSzuletesiKepletInfo r;
    r.SetProgramFolder(home.path(), &notifier);
    r.SetFileName(home.filePath(QStringLiteral("hors/Kovács Anna.szk")));
    EXPECT_EQ(r.NotesDocument().FileName(),
              home.filePath(QStringLiteral("hors/docs/Kovács Anna.mgj")));
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("hors/docs"))).exists());
    r.SetFileName(QStringLiteral("C:\\charts\\hors\\Old.chart.szk"));
    EXPECT_EQ(r.NotesDocument().FileName(),
              home.filePath(QStringLiteral("hors/docs/Old.chart.mgj")));
    EXPECT_TRUE(notifier.Texts.isEmpty());
}

TEST(SzuletesiKepletInfo, NotesFolderThatCannotBeMadeIsReported) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // A plain file where the charts folder should be.
    QFile blocker(home.filePath(QStringLiteral("hors")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TRecordingNotifier notifier;
    TSzuletesiKepletInfo r;
    r.SetProgramFolder(home.path(), &notifier);
    r.SetFileName(QStringLiteral("/elsewhere/x.szk"));
    EXPECT_EQ(r.FileName(), QStringLiteral("/elsewhere/x.szk"));
    EXPECT_TRUE(r.NotesDocument().FileName().isEmpty());
    ASSERT_EQ(notifier.Texts.size(), 1);
    EXPECT_EQ(notifier.Texts.first(), QStringLiteral("Nem sikerült a Jegyzet fájl mentése!"));
}

TEST(SzuletesiKepletInfo, CopyCarriesEveryFieldAndSharesTheNotesFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    TSzuletesiKepletInfo source;
    source.SetProgramFolder(home.path(), nullptr);
    source.SetLoading(true);
    source.SetName(QStringLiteral("Anna"));
    source.SetDateParts(1975, 6, 15, 14, 35, 20);
    source.SetBirthDateIsBC(false);
    source.SetLocCity(QStringLiteral("Budapest"));
    source.SetLocCountryID(QStringLiteral("H"));
    source.SetLocLatDegree(47);
    source.SetLocLatMinute(30);
    source.SetLocLongDegree(19);
    source.SetLocLongMinute(3);
    source.SetTZoneCode(QStringLiteral("CET"));
    source.SetTZoneHour(-3);
    source.SetTZoneMinute(30);
    source.SetTZoneWest(true);
    source.SetTags({QStringLiteral("család"), QStringLiteral("barát")});
    source.SetNotes({QStringLiteral("első")});
    source.SetAttachments({QStringLiteral("/tmp/a.pdf")});
    source.SetGender(1);
    source.SetFileVersionId(QStringLiteral("v3.0"));
    source.SetFileName(home.filePath(QStringLiteral("hors/Anna.szk")));
    source.NotesDocument().SetValue(QStringLiteral("Nap"), QStringLiteral("x"),
                                    QStringLiteral("y"));
    source.SetIsDead(true);
    source.SetDeathDateTime(2020, 1, 2, 3, 4, 5);
    source.SetLoading(false);

    TSzuletesiKepletInfo copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.Name(), source.Name());
    EXPECT_EQ(copy.OriginalName(), QStringLiteral("Anna"));
    EXPECT_EQ(copy.LocalDateTime(), source.LocalDateTime());
    EXPECT_EQ(copy.OriginalDateTime(), source.OriginalDateTime());
    EXPECT_EQ(copy.LocCity(), source.LocCity());
    EXPECT_EQ(copy.LocLatMinute(), 30);
    EXPECT_EQ(copy.LocLongDegree(), 19);
    EXPECT_EQ(copy.TZoneHour(), -3);
    EXPECT_TRUE(copy.TZoneWest());
    EXPECT_EQ(copy.Tags(), source.Tags());
    EXPECT_EQ(copy.Notes(), source.Notes());
    EXPECT_EQ(copy.Attachments(), source.Attachments());
    EXPECT_EQ(copy.Gender(), 1);
    EXPECT_EQ(copy.FileVersionId(), QStringLiteral("v3.0"));
    EXPECT_EQ(copy.FileName(), source.FileName());
    EXPECT_EQ(copy.NotesDocument().FileName(), source.NotesDocument().FileName());
    EXPECT_TRUE(copy.NotesDocument().Sections().isEmpty());
    EXPECT_EQ(copy.DeathDateTime(), At(2020, 1, 2, 3, 4, 5));
    // A fresh target had nothing assigned but the always-assigned fields.
    EXPECT_TRUE(copy.Modified());

    TSzuletesiKepletInfo alive;
    alive.SetDeathDateTime(1999, 1, 1, 0, 0, 0);
    alive.SetModified(false);
    source.SetIsDead(false);
    alive.CopyFrom(source);
    EXPECT_EQ(alive.DeathDateTime(), At(1999, 1, 1));
}
