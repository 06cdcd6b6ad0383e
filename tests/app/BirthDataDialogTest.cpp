#include "TestDesktop.h"
#include "WidgetTestEnvironment.h"
#include "app/dialogs/InformacioDialog.h"
#include "app/dialogs/SzuletesiKepletAdatokDialog.h"
#include "core/Messages.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/CityLoader.h"
#include "data/DataSetInfoProvider.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

/// Counts the reloads of a table.
class TReloadCounter : public TTableObserver {
public:
    void RowsChanged() override { ++Reloads; }
    void CurrentRowChanged() override {}
    int Reloads = 0;
};

/// The dialog over the shipped tables (the small city database to begin with) and a
/// settings store whose default place is Budapest.
class BirthDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Folders = PrepareHome(Home, Config);
        Places = std::make_unique<TDataSetInfoProvider>(Folders, 0);
        Store.WriteString(SettingsSection::chkbEgyebek, SettingsKey::KivalTelepules,
                          QStringLiteral("Budapest; H"));
    }
    void TearDown() override { Dialog.reset(); }

    /// Shows the dialog for a new chart, or for editing `loaded`.
    void Open(TSzuletesiKepletInfo* loaded = nullptr) {
        Dialog = std::make_unique<TfrmSzuletesiKepletAdatok>(*Places, Settings, Desktop);
        if (loaded)
            Dialog->LoadRecord(*loaded);
        else
            Dialog->SetRecord(Record);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog.get()));
    }
    template <class T>
    T* Find(const char* name) {
        T* widget = Dialog->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QString Text(const char* name) { return Edit(name)->text(); }
    QString ZoneLabel() { return Find<QLabel>("lblIdozonaTipusa")->text(); }
    int ZoneType() { return Find<QComboBox>("cmbTimeZoneSettings")->currentIndex(); }
    bool DaylightSaving() { return Find<QCheckBox>("chkNyariIdoszamitas")->isChecked(); }
    /// Types ASCII `text` into the field after emptying it, as the user does.
    void Type(const char* name, const QString& text) {
        QLineEdit* field = Edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    /// Types into a field and leaves it with Tab.
    void Enter(const char* name, const QString& text) {
        Type(name, text);
        QTest::keyClick(Edit(name), Qt::Key_Tab);
    }
    void EnterDate(const QString& year, const QString& month, const QString& day,
                   const QString& hour = QStringLiteral("12"),
                   const QString& minute = QStringLiteral("0")) {
        Enter("edtSzhEv", year);
        Enter("edtSzhHo", month);
        Enter("edtSzhNap", day);
        Enter("edtSzhOra", hour);
        Enter("edtSzhPerc", minute);
    }
    void ChooseZoneType(int type) {
        auto* combo = Find<QComboBox>("cmbTimeZoneSettings");
        combo->setCurrentIndex(type);
        emit combo->activated(type);
    }
    void PressOk() { Find<QPushButton>("btnRendben")->click(); }
    TDataTable& Cities() { return Places->Loader().CityLoader().Table(); }

    QTemporaryDir Home, Config;
    TProgramFolders Folders = TProgramFolders::Resolve({});
    std::unique_ptr<TDataSetInfoProvider> Places;
    TSettingsINIFileLoader Store;
    TSettingsProvider Settings{Store};
    TFakeDesktop Desktop;
    TSzuletesiKepletInfo Record;
    std::unique_ptr<TfrmSzuletesiKepletAdatok> Dialog;
};

QString Message(const char16_t* name) {
    return GetMessageText(name);
}

/// A stored record of 1985-08-23 14:35 at a place with a stored zone, as a chart file
/// gives it.
void FillStored(TSzuletesiKepletInfo& r, const QString& name, const QString& city, int longitude,
                int latitude, const QString& zone, int zoneHour) {
    r.SetName(name);
    r.SetDateParts(1985, 8, 23, 14, 35, 0);
    r.SetLocCity(city);
    r.SetLocCountryID(QStringLiteral("H"));
    r.SetLocLongDegree(longitude / 100);
    r.SetLocLongMinute(longitude % 100);
    r.SetLocLatDegree(latitude / 100);
    r.SetLocLatMinute(latitude % 100);
    r.SetTZoneCode(zone);
    r.SetTZoneHour(zoneHour);
    r.SetTZoneMinute(0);
}

} // namespace

TEST_F(BirthDialog, ANewChartStartsAtTheDefaultPlaceWithItsZoneOf1900) {
    Open();
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Új születési képlet felvitele"));
    EXPECT_EQ(Text("edtTelepules"), QStringLiteral("Budapest; H"));
    EXPECT_EQ(Find<QLabel>("lblOrszag")->text(), QStringLiteral("Magyarország"));
    EXPECT_EQ(Text("edtHosszFok"), QStringLiteral("19"));
    EXPECT_EQ(Text("edtHosszPerc"), QStringLiteral("2"));
    EXPECT_EQ(Text("edtSzelFok"), QStringLiteral("47"));
    EXPECT_EQ(Text("edtSzelPerc"), QStringLiteral("30"));
    EXPECT_TRUE(Find<QRadioButton>("rgbKeleti")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rgbEszaki")->isChecked());
    // The empty date fields stand for 1900-01-01 00:00, when Hungary kept CET.
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Zone);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CET - közép-európai téli idő"));
    EXPECT_EQ(Text("edtZonaOra"), QStringLiteral("1"));
    EXPECT_EQ(Text("edtZonaPerc"), QStringLiteral("0"));
    EXPECT_FALSE(Edit("edtZonaOra")->isEnabled());
    EXPECT_FALSE(DaylightSaving());
    EXPECT_TRUE(Find<QPushButton>("btnMost")->isVisible());
    EXPECT_FALSE(Find<QPushButton>("btnSetOriginalBirthDate")->isVisible());
    EXPECT_FALSE(Find<QTableView>("dbgCityes")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtNev"));
    EXPECT_TRUE(Desktop.Warnings.isEmpty() && Desktop.Errors.isEmpty());
}

TEST_F(BirthDialog, TypingKolozsFindsKolozsvarAndTheZoneOfRomaniaForTheDate) {
    Open();
    Enter("edtNev", QStringLiteral("Teszt Elek"));
    Type("edtTelepules", QStringLiteral("Kolozs"));
    auto* grid = Find<QTableView>("dbgCityes");
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(Cities().Text(u"CityName"), QStringLiteral("Kolozsvár"));
    EXPECT_EQ(grid->currentIndex().row(), Cities().CurrentIndex());
    SaveScreenshot(*Dialog, QStringLiteral("birth-data-place-entry.png"));
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Return);
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(Text("edtTelepules"), QStringLiteral("Kolozsvár; RO"));
    EXPECT_EQ(Find<QLabel>("lblOrszag")->text(), QStringLiteral("Románia"));
    EXPECT_EQ(Text("edtHosszFok") + ' ' + Text("edtHosszPerc"), QStringLiteral("23 36"));
    EXPECT_EQ(Text("edtSzelFok") + ' ' + Text("edtSzelPerc"), QStringLiteral("46 46"));

    EnterDate("1990", "7", "1", "14", "30");
    EXPECT_EQ(ZoneLabel(), QStringLiteral("EEST - kelet-európai nyári idő"));
    EXPECT_EQ(Text("edtZonaOra"), QStringLiteral("3"));
    EXPECT_TRUE(DaylightSaving());
    EnterDate("1990", "1", "15", "14", "30");
    EXPECT_EQ(ZoneLabel(), QStringLiteral("EET - kelet-európai téli idő"));
    EXPECT_EQ(Text("edtZonaOra"), QStringLiteral("2"));
    EXPECT_FALSE(DaylightSaving());

    PressOk();
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(Desktop.Questions.isEmpty()) << "Romania's zone data is trusted";
    EXPECT_EQ(Record.Name(), QStringLiteral("Teszt Elek"));
    EXPECT_EQ(Record.LocalDateTime().ToIsoString(), QStringLiteral("1990-01-15T14:30:00"));
    EXPECT_EQ(Record.OriginalDateTime().ToIsoString(), QStringLiteral("1990-01-15T14:30:00"));
    EXPECT_EQ(Record.LocCity(), QStringLiteral("Kolozsvár"));
    EXPECT_EQ(Record.LocCountryID(), QStringLiteral("RO"));
    EXPECT_EQ(Record.LocCountry(), QStringLiteral("Románia"));
    EXPECT_EQ(Record.LocLongDegree(), 23);
    EXPECT_EQ(Record.LocLongMinute(), 36);
    EXPECT_FALSE(Record.LocLongWest());
    EXPECT_EQ(Record.LocLatDegree(), 46);
    EXPECT_EQ(Record.TZoneCode(), QStringLiteral("EET"));
    EXPECT_FALSE(Record.TZCodeIsManual());
    EXPECT_EQ(Record.TZoneHour(), 2);
    EXPECT_EQ(Record.TZoneMinute(), 0);
    EXPECT_FALSE(Record.IsDayLightSavingTime());
    EXPECT_EQ(Record.FileVersionId(), QStringLiteral("v3.0"));
}

TEST_F(BirthDialog, SummerTimeFollowsTheHistoryOfTheZone) {
    Open();
    // Hungary kept summer time in 1943 and none in 1950.
    EnterDate("1943", "7", "15");
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CEST - közép-európai nyári idő"));
    EXPECT_EQ(Text("edtZonaOra"), QStringLiteral("2"));
    EXPECT_TRUE(DaylightSaving());
    EnterDate("1950", "7", "15");
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CET - közép-európai téli idő"));
    EXPECT_FALSE(DaylightSaving());
    EXPECT_TRUE(Desktop.Informations.isEmpty());

    // On a changeover day the note comes once; later notes are counted, not shown.
    EnterDate("1980", "4", "6", "0", "30");
    EXPECT_TRUE(DaylightSaving());
    ASSERT_EQ(Desktop.Informations.size(), 1);
    EXPECT_FALSE(Desktop.Informations[0].isEmpty());
    EnterDate("1980", "9", "28", "0", "30");
    EXPECT_EQ(Desktop.Informations.size(), 1);
}

TEST_F(BirthDialog, LocalMeanTimeAndManualZones) {
    Open();
    ChooseZoneType(TfrmSzuletesiKepletAdatok::LocalMeanTime);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("LMT - Helyi középidő"));
    // Before 1890 the rules give Budapest its own mean time, 19°02' E.
    EnterDate("1850", "3", "1");
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::LocalMeanTime);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("LMT - Helyi középidő"));
    EXPECT_EQ(Text("edtZonaOra") + ':' + Text("edtZonaPerc"), QStringLiteral("1:16"));
    EXPECT_FALSE(DaylightSaving());

    Dialog->ChooseManualZone(QStringLiteral("X - Y [ABC] [UTC + 1:30]"));
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Manual);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("X - Y"));
    EXPECT_EQ(Text("edtZonaOra") + ':' + Text("edtZonaPerc"), QStringLiteral("1:30"));
    EXPECT_TRUE(Edit("edtZonaOra")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("chkNyariIdoszamitas")->isEnabled());
    Dialog->ChooseManualZone(QStringLiteral("X - Y [UTC - 3:30]"));
    EXPECT_EQ(Text("edtZonaOra") + ':' + Text("edtZonaPerc"), QStringLiteral("-3:30"));

    // The menu lists the zone table under its group rows; a zone west of UT keeps its
    // code when written.
    QMenu* menu = Dialog->ZoneMenu();
    QAction* chosen = nullptr;
    for (QAction* group : menu->actions())
        if (group->menu())
            for (QAction* item : group->menu()->actions())
                if (item->data().toString() == QStringLiteral("-03 - UTC - 3 zónaidő [UTC - 3]"))
                    chosen = item;
    ASSERT_TRUE(chosen);
    chosen->trigger();
    EXPECT_EQ(ZoneLabel(), QStringLiteral("-03 - UTC - 3 zónaidő"));
    Enter("edtNev", QStringLiteral("Kezi"));
    PressOk();
    ASSERT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Record.TZoneCode(), QStringLiteral("-03"));
    EXPECT_TRUE(Record.TZCodeIsManual());
    EXPECT_EQ(Record.TZoneHour(), -3);
    EXPECT_EQ(Record.TZoneMinute(), 0);
    EXPECT_TRUE(Record.TZoneWest());
}

TEST_F(BirthDialog, TheDaylightSavingBoxSwitchesToTheZonesCounterpart) {
    Open();
    EnterDate("1985", "1", "15");
    ASSERT_EQ(ZoneLabel(), QStringLiteral("CET - közép-európai téli idő"));
    Find<QCheckBox>("chkNyariIdoszamitas")->click();
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Manual);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CEST - közép-európai nyári idő"));
    EXPECT_EQ(Text("edtZonaOra") + ':' + Text("edtZonaPerc"), QStringLiteral("2:0"));
    EXPECT_TRUE(DaylightSaving());
    EXPECT_TRUE(Desktop.Errors.isEmpty());

    // Bucharest's mean time of 1900 has no summer counterpart: the zone comes from the
    // place again, with the error.
    ChooseZoneType(TfrmSzuletesiKepletAdatok::Zone);
    Type("edtTelepules", QStringLiteral("Kolozs"));
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Return);
    EnterDate("1900", "6", "1");
    ASSERT_TRUE(ZoneLabel().startsWith(QStringLiteral("BMT - "))) << ZoneLabel().toStdString();
    Find<QCheckBox>("chkNyariIdoszamitas")->click();
    EXPECT_EQ(Desktop.Errors, QStringList{Message(u"fSzulKeplet_TZPairNotFound")});
    EXPECT_TRUE(ZoneLabel().startsWith(QStringLiteral("BMT - ")));
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Zone);
    EXPECT_FALSE(DaylightSaving());
}

TEST_F(BirthDialog, ConfirmationChecksInTheirOrder) {
    Open();
    // A date that does not exist.
    Enter("edtNev", QStringLiteral("Proba"));
    Type("edtSzhEv", QStringLiteral("1980"));
    Type("edtSzhHo", QStringLiteral("13"));
    PressOk();
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Desktop.Warnings.value(0), Message(u"fSzulKeplet_WrongDate"));
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtSzhEv"));
    // 30 February is corrected to the 28th when the day field is left, and the user is
    // told.
    Desktop.Warnings.clear();
    Enter("edtSzhHo", QStringLiteral("2"));
    Enter("edtSzhNap", QStringLiteral("30"));
    EXPECT_EQ(Text("edtSzhNap"), QStringLiteral("28"));
    EXPECT_EQ(Desktop.Warnings.value(0), Message(u"fSzulKeplet_WrongDate"));
    Enter("edtSzhHo", QStringLiteral("4"));
    Enter("edtSzhNap", QStringLiteral("31"));
    EXPECT_EQ(Text("edtSzhNap"), QStringLiteral("30"));

    // The name.
    Desktop.Warnings.clear();
    Edit("edtNev")->clear();
    PressOk();
    EXPECT_EQ(Desktop.Warnings.value(0), Message(u"fSzuletesiKepletAdatok_NameRequired"));
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtNev"));

    // The zone: no place, no zone.
    Desktop.Warnings.clear();
    Enter("edtNev", QStringLiteral("Proba"));
    Type("edtTelepules", QString());
    ChooseZoneType(TfrmSzuletesiKepletAdatok::Zone);
    EXPECT_TRUE(ZoneLabel().isEmpty());
    PressOk();
    EXPECT_EQ(Desktop.Warnings.value(0), Message(u"fSzuletesiKepletAdatok_TZoneRequired"));
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_TRUE(Record.Name().isEmpty()) << "nothing is written before the checks pass";
}

TEST_F(BirthDialog, ALetterInANumberFieldIsRefusedAndKept) {
    Open();
    Enter("edtSzhPerc", QStringLiteral("a"));
    EXPECT_EQ(Desktop.Errors.value(0), Message(u"fSzulKeplet_OnlyNumAllowed"));
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtSzhPerc"));
    EXPECT_EQ(Text("edtSzhPerc"), QStringLiteral("a"));
    // Confirming does not take the letter for a zero.
    Desktop.Errors.clear();
    Edit("edtNev")->setText(QStringLiteral("Proba"));
    PressOk();
    EXPECT_EQ(Desktop.Errors.value(0), Message(u"fSzulKeplet_OnlyNumAllowed"));
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_TRUE(Record.Name().isEmpty());
}

TEST_F(BirthDialog, APlaceTheSmallDatabaseLacksLoadsTheExtendedOneOnce) {
    TReloadCounter counter;
    Cities().AddObserver(&counter);
    Open();
    Type("edtTelepules", QStringLiteral("Berlin; DE-Berlin"));
    EXPECT_EQ(Places->GetCityDatabaseMode(), 1);
    EXPECT_EQ(counter.Reloads, 1);
    EXPECT_EQ(Cities().Text(u"CityName"), QStringLiteral("Berlin"));
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Tab);
    EXPECT_EQ(Text("edtHosszFok") + ' ' + Text("edtHosszPerc"), QStringLiteral("13 25"));
    EXPECT_EQ(Find<QLabel>("lblOrszag")->text(), QStringLiteral("Németország (Berlin)"));
    Cities().RemoveObserver(&counter);

    // A place outside the countries of trusted zone data is questioned; Yes keeps the
    // dialog open with the record written, No closes it.
    EnterDate("1975", "5", "5");
    Edit("edtNev")->setText(QStringLiteral("Berlini"));
    Desktop.YesNo = true;
    PressOk();
    EXPECT_EQ(Desktop.Questions.value(0), Message(u"fSzulKeplet_CheckCityAgain"));
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Record.LocCountryID(), QStringLiteral("DE-Berlin"));
    Desktop.YesNo = false;
    PressOk();
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Record.TZoneCode(), QStringLiteral("CET"));
}

TEST_F(BirthDialog, KeysMoveTheFocusAndTheGridRows) {
    Open();
    QTest::keyClick(Edit("edtNev"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtSzhEv"));
    QTest::keyClick(Edit("edtSzhEv"), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtSzhHo"));
    QTest::keyClick(Edit("edtSzhHo"), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), Edit("edtSzhEv"));

    // In the place field the arrows move the grid and Esc gives back the text of entry.
    Edit("edtTelepules")->setFocus();
    auto* grid = Find<QTableView>("dbgCityes");
    ASSERT_TRUE(grid->isVisible());
    QTest::keyClicks(Edit("edtTelepules"), QStringLiteral("x"));
    const int row = Cities().CurrentIndex();
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Down);
    EXPECT_EQ(Cities().CurrentIndex(), row + 1);
    EXPECT_EQ(grid->currentIndex().row(), row + 1);
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Escape);
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(Text("edtTelepules"), QStringLiteral("Budapest; H"));
    // Arrows in the grid itself move the row that Enter accepts.
    Edit("edtNev")->setFocus();
    Edit("edtTelepules")->setFocus();
    ASSERT_TRUE(grid->isVisible());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    const QString next = Cities().Text(u"CityName") + "; " + Cities().Text(u"CountryCode");
    EXPECT_NE(next, QStringLiteral("Budapest; H"));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(Text("edtTelepules"), next);
    EXPECT_FALSE(grid->isVisible());

    // With the grid hidden, Esc is the dialog's: it cancels.
    ASSERT_EQ(QApplication::focusWidget(), Edit("edtTelepules"));
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Escape);
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
}

TEST_F(BirthDialog, TagsTimeUnknownAndNotes) {
    Open();
    Edit("edtTag")->setText(QStringLiteral("család , barát;ügyfél"));
    Find<QPushButton>("btnAddTag")->click();
    auto* tags = Find<QListWidget>("memTags");
    ASSERT_EQ(tags->count(), 3);
    EXPECT_EQ(tags->item(2)->text(), QStringLiteral("ügyfél"));
    EXPECT_TRUE(Text("edtTag").isEmpty());
    tags->setCurrentRow(1);
    Find<QPushButton>("btnDelTag")->click();
    EXPECT_EQ(tags->count(), 2);

    auto* unknown = Find<QCheckBox>("chkTimeIsUnknown");
    Type("edtSzhOra", QStringLiteral("7"));
    unknown->click();
    EXPECT_EQ(Text("edtSzhOra") + ':' + Text("edtSzhPerc"), QStringLiteral("12:00"));
    EXPECT_FALSE(Edit("edtSzhOra")->isEnabled());
    unknown->click();
    EXPECT_EQ(Text("edtSzhOra") + ':' + Text("edtSzhPerc"), QStringLiteral("12:00"));
    EXPECT_TRUE(Edit("edtSzhOra")->isEnabled());
    unknown->click();

    EnterDate("2001", "2", "3");
    Edit("edtNev")->setText(QStringLiteral("Cimkes"));
    Find<QPlainTextEdit>("memNotes")->setPlainText(QStringLiteral("első\nmásodik"));
    PressOk();
    ASSERT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Record.Tags(), (QStringList{"család", "ügyfél"}));
    EXPECT_EQ(Record.Notes(), (QStringList{"első", "második"}));
    EXPECT_TRUE(Record.TimeIsUnknown());
}

TEST_F(BirthDialog, EditingARecordAndRestoringItsValues) {
    TSzuletesiKepletInfo stored;
    FillStored(stored, QStringLiteral("Kovács Éva"), QStringLiteral("Győr"), 1738, 4741,
               QStringLiteral("CEST"), 2);
    stored.SetIsDayLightSavingTime(true);
    stored.SetTags({QStringLiteral("család")});
    stored.SetIsOriginal(true);
    stored.SetModified(false);
    Open(&stored);
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Születési képlet szerkesztése"));
    EXPECT_TRUE(Desktop.Warnings.isEmpty()) << Desktop.Warnings.join('\n').toStdString();
    EXPECT_EQ(Text("edtTelepules"), QStringLiteral("Győr; H"));
    EXPECT_EQ(Text("edtSzhEv") + '-' + Text("edtSzhHo") + '-' + Text("edtSzhNap"),
              QStringLiteral("1985-8-23"));
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Zone);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CEST - közép-európai nyári idő"));
    EXPECT_TRUE(DaylightSaving());
    EXPECT_FALSE(Find<QPushButton>("btnMost")->isVisible());
    auto* restore = Find<QPushButton>("btnSetOriginalBirthDate");
    EXPECT_TRUE(restore->isVisible());

    Enter("edtNev", QStringLiteral("Masik Nev"));
    Enter("edtSzhOra", QStringLiteral("3"));
    EXPECT_FALSE(stored.IsOriginal());
    EXPECT_TRUE(restore->isEnabled());
    restore->click();
    EXPECT_EQ(Text("edtNev"), QStringLiteral("Kovács Éva"));
    EXPECT_EQ(Text("edtSzhOra"), QStringLiteral("14"));
    EXPECT_FALSE(restore->isEnabled());
    EXPECT_TRUE(stored.IsOriginal());

    // "Mégsem" leaves the record as it was.
    Enter("edtNev", QStringLiteral("Harmadik"));
    Find<QPushButton>("btnMegsem")->click();
    EXPECT_EQ(stored.Name(), QStringLiteral("Kovács Éva"));
    EXPECT_TRUE(stored.IsOriginal());
    EXPECT_FALSE(stored.Modified());
}

TEST_F(BirthDialog, AStoredZoneThatDiffersFromTheRulesIsShownAsManual) {
    TSzuletesiKepletInfo stored;
    // Summer time was in force, but the stored zone is CET at one hour.
    FillStored(stored, QStringLiteral("Elteres"), QStringLiteral("Budapest"), 1902, 4730,
               QStringLiteral("CET"), 1);
    Open(&stored);
    EXPECT_EQ(Desktop.Warnings, QStringList{Message(u"fSzuletesiKepletAdatok_TZoneDiffers")});
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Manual);
    EXPECT_EQ(ZoneLabel(), QStringLiteral("CET - közép-európai téli idő"));
    EXPECT_EQ(Text("edtZonaOra") + ':' + Text("edtZonaPerc"), QStringLiteral("1:0"));

    // A code the zone table does not know.
    Dialog.reset();
    Desktop.Warnings.clear();
    stored.SetTZoneCode(QStringLiteral("QQQ"));
    stored.SetLocCity(QStringLiteral("Sehol"));
    Open(&stored);
    ASSERT_EQ(Desktop.Warnings.size(), 1);
    EXPECT_EQ(Desktop.Warnings[0], Message(u"fSzulKeplet_TZCodeNotFound") + " QQQ");
    EXPECT_EQ(ZoneLabel(), QStringLiteral("QQQ - "));
    EXPECT_EQ(ZoneType(), TfrmSzuletesiKepletAdatok::Manual);
}

TEST_F(BirthDialog, InSolarModeThePlaceAndZoneGoToTheSecondRecord) {
    TSzuletesiKepletInfo second;
    Record.SetDateParts(1980, 5, 6, 7, 8, 0);
    Record.SetIsOriginal(true);
    Record.SetModified(false);
    Dialog = std::make_unique<TfrmSzuletesiKepletAdatok>(*Places, Settings, Desktop);
    Dialog->SetRecord(Record);
    Dialog->SetSolarMode(&second);
    Dialog->show();
    QApplication::setActiveWindow(Dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog.get()));
    // The default place is put in; edits leave the record's flag alone.
    EXPECT_EQ(Text("edtTelepules"), QStringLiteral("Budapest; H"));
    EnterDate("2026", "12", "10");
    Type("edtTelepules", QStringLiteral("Kolozs"));
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Return);
    EXPECT_TRUE(Record.IsOriginal());
    Edit("edtNev")->setText(QStringLiteral("Napvisszatérés"));
    PressOk();
    ASSERT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(second.LocCity(), QStringLiteral("Kolozsvár"));
    EXPECT_EQ(second.LocCountryID(), QStringLiteral("RO"));
    EXPECT_EQ(second.TZoneCode(), QStringLiteral("EET"));
    EXPECT_TRUE(Record.LocCity().isEmpty());
    EXPECT_EQ(Record.OriginalDateTime().ToIsoString(), QStringLiteral("1980-05-06T07:08:00"));
    EXPECT_EQ(Record.LocalDateTime().ToIsoString(), QStringLiteral("2026-12-10T12:00:00"));
}

TEST(InformationDialog, ShowsItsTextOnPaleYellowAndCopiesIt) {
    TfrmInformacioDialog dialog;
    dialog.SetInformation(QStringLiteral("Első sor <b>nem formázott</b>"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Információ"));
    EXPECT_EQ(dialog.ClientPanel()->palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_FALSE(dialog.CancelButton());
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblInformacio"))->textFormat(),
              Qt::PlainText);
    dialog.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Első sor <b>nem formázott</b>"));
}
