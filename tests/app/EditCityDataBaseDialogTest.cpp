#include "app/dialogs/EditCityDataBaseDialog.h"

#include "WidgetTestEnvironment.h"
#include "app/dialogs/CityEditRows.h"
#include "core/Messages.h"
#include "data/CityFixture.h"
#include "data/DataSetInfoProvider.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

const QStringList ExtendedRows{
    CityHeader,
    QStringLiteral(";H;Budapest;1902;4730;Europe/Budapest;"),
    QStringLiteral(";S;Buenos Aires;-5822;-3436;America/Sao_Paulo;"),
    QStringLiteral(";H;Budakeszi;1856;4731;Europe/Budapest;"),
    QStringLiteral(";H;Szeged;2009;4615;Europe/Budapest;"),
    QStringLiteral(";H;Ács;1800;4742;Europe/Budapest;"),
};

class CityEditor : public ::testing::Test {
protected:
    QTemporaryDir Shipped;
    QTemporaryDir Home;
    std::unique_ptr<TDataSetInfoProvider> Places;
    std::unique_ptr<TfrmEditCityDataBase> Editor;
    QStringList Questions;
    QStringList Warnings;
    bool Answer = true;

    void SetUp() override {
        for (const char* file : {"table.country.dat", "table.timezone.dat", "table.timezone.v2.dat",
                                 "table.cest.v2.dat", "table.cest.v2.dat.long"}) {
            ASSERT_TRUE(QDir().mkpath(Shipped.path() + "/data"));
            ASSERT_TRUE(QFile::copy(ZoneFixtureFolder() + "/data/" + file,
                                    Shipped.path() + "/data/" + file));
        }
        WriteTableFile(Shipped.path(), "table.city.dat.small",
                       {CityHeader, QStringLiteral(";H;Budapest;1902;4730;Europe/Budapest;")});
        WriteTableFile(Shipped.path(), "table.city.dat.long", ExtendedRows);
        Places = std::make_unique<TDataSetInfoProvider>(FoldersOf(Shipped.path(), Home.path()), 0);
        Editor = std::make_unique<TfrmEditCityDataBase>(*Places);
        Editor->SetMessageBoxes(
            [this](const QString& text) {
                Questions << text;
                return Answer;
            },
            [this](const QString& text) { Warnings << text; });
        Editor->show();
    }
    void TearDown() override { Editor.reset(); }

    TCityLoader& Cities() { return Places->Loader().CityLoader(); }
    TDataTable& Table() { return Cities().Table(); }
    template <class T>
    T* Find(const char* name) {
        T* widget = Editor->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    void Click(const char* button) { Find<QPushButton>(button)->click(); }
    /// Types `text` into an emptied field; QTest types ASCII letters only, so a text
    /// with others is set at once.
    void Type(const char* field, const QString& text) {
        Edit(field)->clear();
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii)
            QTest::keyClicks(Edit(field), text);
        else
            Edit(field)->setText(text);
    }
    void ChooseCountry(const QString& code) {
        QComboBox* countries = Find<QComboBox>("cmbCountry");
        countries->setCurrentIndex(countries->findText(code + " - ", Qt::MatchStartsWith));
    }
    /// Which of the controls that the browse and edit states switch are enabled, in a
    /// fixed order.
    QString EnabledControls() {
        QString enabled;
        for (const char* name :
             {"btnAdd", "btnEdit", "btnDelete", "edtTelepules", "dbgCityes", "btnRendben",
              "btnMegsem", "btnSave", "btnCancel", "edtTelepulesNeve2", "edtHosszFok",
              "edtHosszPerc", "edtSzelFok", "edtSzelPerc", "cmbCountry", "rgbKeleti", "rgbNyugati",
              "rgbEszaki", "rgbDeli"})
            enabled += Find<QWidget>(name)->isEnabled() ? '1' : '0';
        return enabled;
    }
    static constexpr const char* Browsing = "1111111000000000000";
    static constexpr const char* Editing = "0000000111111111111";
    QString Current(const char16_t* column) { return Table().Text(column); }
};

} // namespace

TEST_F(CityEditor, ShowingItSwitchesToTheExtendedDatabaseAndBrowses) {
    EXPECT_EQ(Places->GetCityDatabaseMode(), 1);
    EXPECT_EQ(Places->Loader().CestLoader().DatabaseMode(), 1);
    EXPECT_TRUE(Places->Loader().CestLoader().FileName().endsWith("table.cest.v2.dat.long"));
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 1);
    EXPECT_FALSE(Editor->Changed());
    EXPECT_EQ(EnabledControls(), QLatin1String(Browsing));
    EXPECT_EQ(Find<QTableView>("dbgCityes")->model()->rowCount(), Table().RowCount());
    EXPECT_EQ(Find<QTableView>("dbgCityes")->model()->headerData(3, Qt::Horizontal),
              QStringLiteral("Hossz."));

    QComboBox* countries = Find<QComboBox>("cmbCountry");
    const TDataTable& countryTable = Places->Loader().CountryLoader().Table();
    ASSERT_EQ(countries->count(), countryTable.RowCount());
    EXPECT_EQ(countries->itemText(0).section(' ', 0, 0),
              countryTable.TextAt(0, countryTable.ColumnIndex(u"CountryCode")));
    EXPECT_GE(countries->findText(QStringLiteral("H - Magyarország [Europe/Budapest]")), 0);
    EXPECT_EQ(countryTable.CurrentIndex(), 0);

    // The first row in name order is current and shown.
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Budakeszi"));
    EXPECT_EQ(Edit("edtTelepulesNeve2")->text(), QStringLiteral("Budakeszi"));
    EXPECT_EQ(countries->currentText(), QStringLiteral("H - Magyarország [Europe/Budapest]"));
    test::SaveScreenshot(*Editor, QStringLiteral("edit-city-database.png"));
}

TEST_F(CityEditor, TypingSearchesAndTheArrowKeysStep) {
    Type("edtTelepules", QStringLiteral("bue"));
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Buenos Aires"));
    EXPECT_EQ(Edit("edtHosszFok")->text(), QStringLiteral("58"));
    EXPECT_EQ(Edit("edtHosszPerc")->text(), QStringLiteral("22"));
    EXPECT_EQ(Edit("edtSzelFok")->text(), QStringLiteral("34"));
    EXPECT_EQ(Edit("edtSzelPerc")->text(), QStringLiteral("36"));
    EXPECT_TRUE(Find<QRadioButton>("rgbNyugati")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rgbDeli")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cmbCountry")->currentText().left(4), QStringLiteral("S - "));
    EXPECT_EQ(Find<QTableView>("dbgCityes")->currentIndex().row(), Table().CurrentIndex());

    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Up);
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Budapest"));
    EXPECT_TRUE(Find<QRadioButton>("rgbKeleti")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rgbEszaki")->isChecked());
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Down);
    QTest::keyClick(Edit("edtTelepules"), Qt::Key_Down);
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Szeged"));
    EXPECT_EQ(Edit("edtTelepules")->text(), QStringLiteral("bue")) << "the keys are consumed";

    // A text that finds nothing leaves the current row.
    QTest::keyClicks(Edit("edtTelepules"), QStringLiteral("xyz"));
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Szeged"));
}

TEST_F(CityEditor, ANewRowIsSavedOnlyWithACountry) {
    Click("btnAdd");
    EXPECT_EQ(EnabledControls(), QLatin1String(Editing));
    EXPECT_EQ(Edit("edtTelepulesNeve2")->text(), QString());
    EXPECT_EQ(Edit("edtHosszFok")->text(), QString());
    EXPECT_TRUE(Find<QRadioButton>("rgbKeleti")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rgbEszaki")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cmbCountry")->currentIndex(), -1);

    Type("edtTelepulesNeve2", QStringLiteral("Újfalu"));
    Type("edtHosszFok", QStringLiteral("19"));
    Type("edtHosszPerc", QStringLiteral("3"));
    Find<QRadioButton>("rgbNyugati")->click();
    Type("edtSzelFok", QStringLiteral("0"));
    Type("edtSzelPerc", QStringLiteral("30"));
    Find<QRadioButton>("rgbDeli")->click();
    Click("btnSave");
    EXPECT_EQ(Warnings, QStringList{GetMessageText(u"fEditCityDataBase_NoCountry")});
    EXPECT_EQ(EnabledControls(), QLatin1String(Editing)) << "the row stays in editing";
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 1);
    EXPECT_FALSE(Editor->Changed());

    ChooseCountry(QStringLiteral("H"));
    Click("btnSave");
    EXPECT_EQ(Warnings.size(), 1);
    EXPECT_TRUE(Editor->Changed());
    EXPECT_EQ(EnabledControls(), QLatin1String(Browsing));
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size());
    EXPECT_EQ(Edit("edtTelepules")->text(), QStringLiteral("Újfalu"));
    ASSERT_TRUE(Cities().LocatePlace(QStringLiteral("Újfalu; H")));
    EXPECT_EQ(Table().Integer(u"Longitude"), -1903);
    EXPECT_EQ(Table().Integer(u"Latitude"), -30);
    EXPECT_EQ(Current(u"TimeZoneCode"), QStringLiteral("Europe/Budapest"));
    EXPECT_EQ(Cities().DisplayText(Table().CurrentIndex(), Table().ColumnIndex(u"Latitude")),
              QStringLiteral("-00°30'"));
}

TEST_F(CityEditor, EditingChangesTheRowAndCancellingDropsTheEdit) {
    Type("edtTelepules", QStringLiteral("Szeged"));
    Click("btnEdit");
    EXPECT_EQ(EnabledControls(), QLatin1String(Editing));
    Type("edtTelepulesNeve2", QStringLiteral("Szegedke"));
    Click("btnCancel");
    EXPECT_EQ(EnabledControls(), QLatin1String(Browsing));
    EXPECT_EQ(Current(u"CityName"), QStringLiteral("Szeged"));
    EXPECT_EQ(Edit("edtTelepulesNeve2")->text(), QStringLiteral("Szeged"));
    EXPECT_FALSE(Editor->Changed());

    Click("btnEdit");
    Type("edtTelepulesNeve2", QStringLiteral("Szőreg"));
    Type("edtSzelPerc", QStringLiteral("13"));
    Click("btnSave");
    EXPECT_TRUE(Editor->Changed());
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 1);
    EXPECT_EQ(Cities().FindCityRecId(QStringLiteral("Szeged")), -1);
    ASSERT_TRUE(Cities().LocatePlace(QStringLiteral("Szőreg; H")));
    EXPECT_EQ(Table().Integer(u"Latitude"), 4613);
    EXPECT_EQ(Table().Integer(u"Longitude"), 2009);
}

TEST_F(CityEditor, DeletingAsksFirst) {
    Type("edtTelepules", QStringLiteral("Budapest"));
    Answer = false;
    Click("btnDelete");
    EXPECT_EQ(Questions, QStringList{GetMessageText(u"fEditCityDataBase_DeleteCurrentCity")});
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 1);
    EXPECT_FALSE(Editor->Changed());

    Answer = true;
    Click("btnDelete");
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 2);
    EXPECT_TRUE(Editor->Changed());
    EXPECT_FALSE(Cities().LocatePlace(QStringLiteral("Budapest; H")));
    EXPECT_EQ(Edit("edtTelepules")->text(), Current(u"CityName"));
}

TEST_F(CityEditor, ClosingCancelsAnUnfinishedRowAndTheCallerSavesOrRestores) {
    Click("btnAdd");
    Type("edtTelepulesNeve2", QStringLiteral("Félkész"));
    Editor->reject();
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 1);
    EXPECT_EQ(EnabledControls(), QLatin1String(Browsing));

    // A change, then what the caller does after "Mégsem": the file is read again.
    Editor->show();
    Type("edtTelepules", QStringLiteral("Ács"));
    Click("btnDelete");
    ASSERT_TRUE(Editor->Changed());
    Editor->reject();
    EXPECT_EQ(Cities().Reload(), std::nullopt);
    EXPECT_TRUE(Cities().LocatePlace(QStringLiteral("Ács; H")));

    // After "Rendben" the changes are saved into the home folder's extended file.
    Editor->show();
    EXPECT_FALSE(Editor->Changed());
    Type("edtTelepules", QStringLiteral("Ács"));
    Click("btnDelete");
    Editor->accept();
    EXPECT_EQ(Cities().SaveToExtendedFile(), std::nullopt);
    EXPECT_TRUE(FileBytes(Home.path() + "/data/table.city.dat.long")
                    .startsWith(CityHeader.toLatin1() + "\r\n;H;Budapest;"));
    EXPECT_FALSE(Cities().LocatePlace(QStringLiteral("Ács; H")));
    EXPECT_EQ(Table().RowCount(), ExtendedRows.size() - 2);
}

TEST(CityEditRows, CoordinatesCountryAndZoneFromTheFields) {
    const QString item = CountryItemText("UA-Uzhgorod", "Ukrajna (Ungvár)", "Europe/Uzhgorod");
    EXPECT_EQ(item, QStringLiteral("UA-Uzhgorod - Ukrajna (Ungvár) [Europe/Uzhgorod]"));
    EXPECT_EQ(CountryCodeOfItem(item), QStringLiteral("UA-Uzhgorod"));
    EXPECT_EQ(ZoneCodeOfItem(item), QStringLiteral("Europe/Uzhgorod"));
    EXPECT_EQ(ZoneCodeOfItem(QStringLiteral("X - no zone")), QString());
    const struct {
        bool Negative;
        const char* Degrees;
        const char* Minutes;
        const char* Stored;
    } coordinates[] = {
        {true, "19", "3", "-1903"}, {true, "0", "30", "-030"},    {false, "47", "29", "4729"},
        {false, "", "", "000"},     {false, "1x8", "5'", "1805"},
    };
    for (const auto& c : coordinates)
        EXPECT_EQ(CoordinateValueText(c.Negative, c.Degrees, c.Minutes), QLatin1String(c.Stored));
}

TEST(CityEditRows, RowsThatCannotBeSaved) {
    const TCityEditFields good{QStringLiteral("Timișoara"),
                               QStringLiteral("RO - Románia [x]"),
                               QStringLiteral("21"),
                               QStringLiteral("13"),
                               QStringLiteral("45"),
                               QStringLiteral("45"),
                               false,
                               false};
    EXPECT_EQ(CityRowProblem(good), std::nullopt);
    const struct {
        void (*Spoil)(TCityEditFields&);
        const char* Problem;
    } cases[] = {
        {[](TCityEditFields& f) { f.Name = QStringLiteral("  "); }, "fEditCityDataBase_NoName"},
        {[](TCityEditFields& f) { f.Name = QStringLiteral("A;B"); }, "fEditCityDataBase_BadName"},
        {[](TCityEditFields& f) { f.Name = QStringLiteral("A@1"); }, "fEditCityDataBase_BadName"},
        {[](TCityEditFields& f) { f.Name = QStringLiteral("A\tB"); }, "fEditCityDataBase_BadName"},
        {[](TCityEditFields& f) { f.CountryItem.clear(); }, "fEditCityDataBase_NoCountry"},
        {[](TCityEditFields& f) { f.LonDegrees = QStringLiteral("181"); },
         "fEditCityDataBase_BadCoordinates"},
        {[](TCityEditFields& f) { f.LatDegrees = QStringLiteral("91"); },
         "fEditCityDataBase_BadCoordinates"},
        {[](TCityEditFields& f) { f.LatMinutes = QStringLiteral("60"); },
         "fEditCityDataBase_BadCoordinates"},
        {[](TCityEditFields& f) { f.LonMinutes = QStringLiteral("-5"); },
         "fEditCityDataBase_BadCoordinates"},
    };
    for (const auto& c : cases) {
        TCityEditFields fields = good;
        c.Spoil(fields);
        EXPECT_EQ(CityRowProblem(fields), QLatin1String(c.Problem)) << c.Problem;
        EXPECT_FALSE(GetMessageText(QString::fromLatin1(c.Problem)).isEmpty());
    }

    TDataTable table;
    for (const char* column : {"CountryCode", "CityName", "Longitude", "Latitude", "TimeZoneCode"})
        table.AddColumn(TColumn{QLatin1String(column), TFieldType::Text, {}, 50});
    TCityEditFields named = good;
    named.Name = QStringLiteral(" Timișoara ") + QString(60, QLatin1Char('x'));
    const auto values = CityRowValues(table, named);
    EXPECT_EQ(values[0], TFieldValue(QStringLiteral("RO")));
    EXPECT_EQ(std::get<QString>(values[1]).size(), 50);
    EXPECT_TRUE(std::get<QString>(values[1]).startsWith(QStringLiteral("Timişoara x")));
    EXPECT_EQ(values[2], TFieldValue(2113));
    EXPECT_EQ(values[4], TFieldValue(QStringLiteral("x")));
}
