#include "app/dialogs/OrbisSettingsDialog.h"

#include "WidgetTestEnvironment.h"
#include "app/dialogs/OrbisSettingsModel.h"
#include "app/dialogs/RadioGroup.h"
#include "calc/AspectOrbProvider.h"
#include "core/Messages.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

/// The settings with their defaults, the orb table read from them and the dialog.
class OrbisSettingsDialog : public ::testing::Test {
protected:
    OrbisSettingsDialog() {
        Store.RestoreDefaults();
        Orbs.LoadRows(TSettingsProvider(Store));
    }

    template <class T = QLineEdit>
    T* Find(const QString& name) {
        T* widget = Dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    TRadioGroup* AspectType() { return Find<TRadioGroup>(QStringLiteral("rgpAspectType")); }
    TRadioGroup* DetailedAspect() { return Find<TRadioGroup>(QStringLiteral("rgpFenyszog")); }
    QTabWidget* Pages() { return Find<QTabWidget>(QStringLiteral("pcOrbValues")); }
    QLineEdit* Edit(const char* name) { return Find(QString::fromLatin1(name)); }

    /// Replaces the edit's text by typing, as a user does: keys the edit refuses are lost.
    static void Type(QLineEdit* edit, const QString& keys) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    // A click on the middle of a stretched radio button can miss its text; click() is
    // what a click on the button does.
    void ChooseDetailedAspect(int aspectId) { DetailedAspect()->Button(aspectId - 1)->click(); }
    void ChooseAspectType(int index) { AspectType()->Button(index)->click(); }

    std::array<QString, 24> Rows() const {
        std::array<QString, 24> rows;
        for (int aspect = 1; aspect <= 12; ++aspect) {
            rows[static_cast<size_t>(aspect - 1)] = Orbs.Row(aspect, true);
            rows[static_cast<size_t>(aspect + 11)] = Orbs.Row(aspect, false);
        }
        return rows;
    }
    bool StoredDetailedSwitch() const { return TSettingsProvider(Store).GetUseDetailedOrbs(); }

    TSettingsINIFileLoader Store;
    TAspectOrbProvider Orbs;
    TfrmOrbisSettings Dialog{Orbs, Store};
};

/// Numbers as the rows and the edits write them, with the locale's separator.
QString N(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

QString Repeated(const QString& value, int times = 14) {
    return QStringList(times, value).join(QLatin1Char('|'));
}

} // namespace

TEST_F(OrbisSettingsDialog, ControlsCarryTheirNamesAndLabels) {
    Dialog.show();
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("Orbis értékek beállítása"));
    EXPECT_EQ(AspectType()->title(), QStringLiteral(" Melyik beállítást használjuk?! "));
    EXPECT_EQ(AspectType()->Button(0)->text(), QStringLiteral("Egyszerű"));
    EXPECT_EQ(AspectType()->Button(1)->text(), QStringLiteral("Részletes"));
    EXPECT_EQ(Pages()->tabText(0), QStringLiteral("Egyszerű "));
    EXPECT_EQ(Pages()->tabText(1), QStringLiteral("Részletes "));
    ASSERT_EQ(DetailedAspect()->Count(), 12);
    EXPECT_EQ(DetailedAspect()->Button(5)->text(), QStringLiteral("Harmadfény (120°)"));
    EXPECT_EQ(DetailedAspect()->Button(9)->text(), QStringLiteral("Ötödfény (72°)"));

    // Every edit's label, found as the label that leads to it.
    std::map<QString, QString> labelOf;
    for (QLabel* label : Dialog.findChildren<QLabel*>()) {
        if (label->buddy())
            labelOf[label->buddy()->objectName()] = label->text();
    }
    const std::pair<const char*, const char16_t*> labels[] = {
        {"edt_e01", u"Együttállás (0°)"},
        {"edt_e02", u"Szembenállás (180°)"},
        {"edt_e06", u"Harmadfény (120°)"},
        {"edt_e12", u"Két-ötödfény (144°)"},
        {"edt_r00", u"Nap"},
        {"edt_r03", u"Vénusz"},
        {"edt_r09", u"Plútó"},
        {"edt_r11", u"Asc"},
        {"edt_r12", u"MC"},
        {"edt_r13", u"Holdcsomó"},
        {"edt_r14", u"Házsarkak"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(labelOf[QString::fromLatin1(name)], QString::fromUtf16(text)) << name;
    EXPECT_EQ(labelOf.size(), 26u);
    EXPECT_EQ(Dialog.findChild<QLineEdit*>(QStringLiteral("edt_r10")), nullptr);

    // The simple edits stand in two columns of six.
    EXPECT_EQ(Edit("edt_e01")->x(), Edit("edt_e06")->x());
    EXPECT_LT(Edit("edt_e06")->x(), Edit("edt_e07")->x());
    EXPECT_EQ(Edit("edt_e01")->y(), Edit("edt_e07")->y());

    const QString hint = GetMessageText(u"fOrbisSettings_OrbisInfo");
    EXPECT_EQ(Find<QLabel>(QStringLiteral("imgOrbisInfoSimple"))->toolTip(), hint);
    EXPECT_EQ(Find<QLabel>(QStringLiteral("imgOrbisInfoDetailed"))->toolTip(), hint);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("pnlBottom"))->text().startsWith(u"FONTOS! "));
}

TEST_F(OrbisSettingsDialog, ShowsTheRowsAndTheChoiceOfTheStore) {
    Orbs.SetRow(2, QStringLiteral("6,5|1|1|1|1|1|1|1|1|1|1|1|1|1"), true);
    Orbs.SetRow(1, QStringLiteral("9|8|7|6|5|4|3|2|1|0,5|11|12|13|14"), false);
    Store.WriteBool(SettingsSection::chkbOrbSettingsSwitch, SettingsKey::ReszletesBeallitas, true);
    Dialog.show();
    test::SaveScreenshot(Dialog, QStringLiteral("velkaris-orbis-detailed.png"));
    EXPECT_EQ(AspectType()->ItemIndex(), 1);
    EXPECT_EQ(Pages()->currentIndex(), 1);
    EXPECT_EQ(Edit("edt_e01")->text(), QStringLiteral("15"));
    EXPECT_EQ(Edit("edt_e02")->text(), N("6.5"));
    EXPECT_EQ(Edit("edt_e07")->text(), N("2.5"));
    EXPECT_EQ(DetailedAspect()->ItemIndex(), 0);
    const std::pair<const char*, const char*> detailed[] = {
        {"edt_r00", "9"},  {"edt_r04", "5"},  {"edt_r09", "0.5"}, {"edt_r11", "11"},
        {"edt_r12", "12"}, {"edt_r13", "13"}, {"edt_r14", "14"}};
    for (const auto& [name, value] : detailed)
        EXPECT_EQ(Edit(name)->text(), N(value)) << name;

    // The tabs and the radio group are one choice.
    Pages()->setCurrentIndex(0);
    EXPECT_EQ(AspectType()->ItemIndex(), 0);
    ChooseAspectType(1);
    EXPECT_EQ(Pages()->currentIndex(), 1);
}

TEST_F(OrbisSettingsDialog, OkStoresEveryEditAndTheChoice) {
    Dialog.show();
    test::SaveScreenshot(Dialog, QStringLiteral("velkaris-orbis-simple.png"));
    EXPECT_EQ(AspectType()->ItemIndex(), 0);
    EXPECT_EQ(Pages()->currentIndex(), 0);
    Type(Edit("edt_e02"), QStringLiteral("6,5"));
    Type(Edit("edt_e07"), QStringLiteral("3.25"));

    ChooseAspectType(1);
    EXPECT_EQ(Pages()->currentIndex(), 1);
    Type(Edit("edt_r00"), QStringLiteral("12,25"));
    Type(Edit("edt_r11"), QStringLiteral("3"));

    // Choosing another aspect keeps what was typed for the first one.
    ChooseDetailedAspect(6);
    EXPECT_EQ(Edit("edt_r00")->text(), QStringLiteral("5"));
    EXPECT_EQ(Edit("edt_r11")->text(), QStringLiteral("0"));
    ChooseDetailedAspect(1);
    EXPECT_EQ(Edit("edt_r00")->text(), N("12.25"));
    EXPECT_EQ(Edit("edt_r11")->text(), QStringLiteral("3"));
    EXPECT_EQ(Edit("edt_r01")->text(), QStringLiteral("15"));

    // The aspect still shown at OK is stored too.
    ChooseDetailedAspect(6);
    Type(Edit("edt_r14"), QStringLiteral("1"));
    const QString untouchedDetailed = Orbs.Row(3, false);
    Click("btnOK");

    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Orbs.Row(2, true), Repeated(N("6.5")));
    EXPECT_EQ(Orbs.Row(7, true), Repeated(N("3.25")));
    EXPECT_EQ(Orbs.Row(1, true), Repeated(QStringLiteral("15")));
    EXPECT_EQ(Orbs.Row(1, false),
              Repeated(QStringLiteral("15"), 9).prepend(N("12.25|")) + QStringLiteral("|3|0|0|0"));
    EXPECT_EQ(Orbs.Row(6, false), Repeated(QStringLiteral("5"), 10) + QStringLiteral("|0|0|0|1"));
    EXPECT_EQ(Orbs.Row(3, false), untouchedDetailed);
    EXPECT_DOUBLE_EQ(Orbs.OrbFor(1, 0, false, TOrbPointKind::Body), 12.25);
    EXPECT_DOUBLE_EQ(Orbs.OrbFor(1, 0, false, TOrbPointKind::Ascendant), 3);
    EXPECT_DOUBLE_EQ(Orbs.OrbFor(2, 5, true, TOrbPointKind::OtherPoint), 6.5);

    EXPECT_TRUE(StoredDetailedSwitch());
    // The store holds the new rows as well.
    const TSettingsProvider settings(Store);
    EXPECT_EQ(settings.GetOrbString(2, true), Orbs.Row(2, true));
    EXPECT_EQ(settings.GetOrbString(1, false), Orbs.Row(1, false));
}

TEST_F(OrbisSettingsDialog, CancelAndEscapeRestoreTheRowsOfTheLastOk) {
    Dialog.show();
    Type(Edit("edt_e03"), QStringLiteral("6"));
    ChooseAspectType(1);
    Click("btnOK");
    const std::array<QString, 24> afterOk = Rows();
    ASSERT_EQ(Orbs.Row(3, true), Repeated(QStringLiteral("6")));

    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "Cancel");
        Dialog.show();
        EXPECT_EQ(Edit("edt_e03")->text(), QStringLiteral("6"));
        EXPECT_EQ(AspectType()->ItemIndex(), 1);
        Type(Edit("edt_e03"), QStringLiteral("1"));
        Type(Edit("edt_r05"), QStringLiteral("2"));
        ChooseDetailedAspect(4);
        Type(Edit("edt_r13"), QStringLiteral("7"));
        ChooseAspectType(0);
        if (escape)
            QTest::keyClick(&Dialog, Qt::Key_Escape);
        else
            Click("btnCancel");
        EXPECT_EQ(Dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(Dialog.isVisible());
        EXPECT_EQ(Rows(), afterOk);
        EXPECT_TRUE(StoredDetailedSwitch());
    }

    // Shown again, the dialog starts from the restored rows.
    Dialog.show();
    EXPECT_EQ(Edit("edt_e03")->text(), QStringLiteral("6"));
    EXPECT_EQ(Edit("edt_r05")->text(), QStringLiteral("15"));
    Dialog.reject();
}

TEST_F(OrbisSettingsDialog, BadInputNeverReachesTheRows) {
    // Keys typed into the conjunction's simple edit, what the edit shows after OK and the
    // orb stored. The edit starts at 15.
    struct {
        const char* Keys;
        const char* Shown;
        double Orb;
    } const cases[] = {
        {"a1b", "1", 1},         // letters are refused
        {"", "15", 15},          // an empty edit keeps its value
        {",", "15", 15},         // so does a lone separator
        {"200", "20", 20},       // the digit that would pass 180 is refused
        {"180", "180", 180},     //
        {"-5", "5", 5},          // no sign
        {"1e2", "12", 12},       // no exponent
        {",5", "0.5", 0.5},      // a leading separator
        {"7,", "7", 7},          // a trailing one
        {"2.5,3", "2.53", 2.53}, // a second separator is refused
        {" 4 ", "4", 4},         // blanks around the number are dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        Orbs.SetRow(1, QString(), true);
        Dialog.show();
        QLineEdit* edit = Edit("edt_e01");
        Type(edit, QString::fromLatin1(c.Keys));
        Click("btnOK");
        EXPECT_EQ(edit->text(), N(c.Shown));
        EXPECT_DOUBLE_EQ(Orbs.OrbFor(1, 0, true, TOrbPointKind::Body), c.Orb);
        EXPECT_EQ(Orbs.Row(1, true), Repeated(N(c.Shown)));
    }
}

TEST_F(OrbisSettingsDialog, TextThatBypassesTheKeysIsCheckedToo) {
    Dialog.show();
    // Set as a paste or a program would set it, past the key filter.
    Edit("edt_e01")->setText(QStringLiteral("abc"));
    Edit("edt_e02")->setText(QString());
    Edit("edt_e03")->setText(QStringLiteral("999"));
    Edit("edt_e04")->setText(QStringLiteral("nan"));
    ChooseAspectType(1);
    Edit("edt_r00")->setText(QStringLiteral("-1"));
    Edit("edt_r14")->setText(QStringLiteral("x"));
    ChooseDetailedAspect(2);
    ChooseDetailedAspect(1);
    EXPECT_EQ(Edit("edt_r00")->text(), QStringLiteral("15"));
    EXPECT_EQ(Edit("edt_r14")->text(), QStringLiteral("0"));
    Edit("edt_r12")->setText(QStringLiteral("inf"));
    Click("btnOK");
    EXPECT_EQ(Orbs.Row(1, true), Repeated(QStringLiteral("15")));
    EXPECT_EQ(Orbs.Row(2, true), Repeated(N("7.5")));
    EXPECT_EQ(Orbs.Row(3, true), Repeated(QStringLiteral("4")));
    EXPECT_EQ(Orbs.Row(4, true), Repeated(QStringLiteral("2")));
    EXPECT_EQ(Orbs.Row(1, false), TAspectOrbProvider::DefaultRow(1, false));
}

TEST_F(OrbisSettingsDialog, AnEditLeftEmptyShowsItsValueAgainOnLeaving) {
    Dialog.show();
    Dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    QLineEdit* edit = Edit("edt_e05");
    edit->setFocus();
    Type(edit, QString());
    EXPECT_TRUE(edit->text().isEmpty());
    Edit("edt_e06")->setFocus();
    EXPECT_EQ(edit->text(), QStringLiteral("2"));
    Type(Edit("edt_e06"), QStringLiteral("4,75"));
    edit->setFocus();
    EXPECT_EQ(Edit("edt_e06")->text(), N("4.75"));
    Dialog.reject();
}

TEST_F(OrbisSettingsDialog, RejectWithoutShowKeepsLaterChanges) {
    // The provider's copy is older than this change; a dialog that was never shown has
    // taken no copy and must not put the old one back.
    Orbs.KeepCopy();
    Orbs.SetRow(1, Repeated(QStringLiteral("1")), true);
    Dialog.reject();
    EXPECT_EQ(Orbs.Row(1, true), Repeated(QStringLiteral("1")));
}

TEST(OrbisSettingsModel, ParsesOrbsWithEitherSeparator) {
    struct {
        const char* Text;
        std::optional<double> Orb;
    } const cases[] = {
        {"7,5", 7.5},
        {"7.5", 7.5},
        {" 3 ", 3},
        {"0", 0},
        {"180", 180},
        {",5", 0.5},
        {"5,", 5},
        {"", std::nullopt},
        {",", std::nullopt},
        {"abc", std::nullopt},
        {"1e2", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"180,5", std::nullopt},
        {"1,2,3", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TOrbisSettingsModel::ParseOrb(QString::fromLatin1(c.Text)), c.Orb) << c.Text;
}

TEST(OrbisSettingsModel, RowsUseTheLocalesSeparatorAndLeaveUntouchedDetailedRows) {
    TAspectOrbProvider orbs;
    // A detailed row stored with the other separator and with a column the provider reads
    // as 0: both stay as they are while nobody changes that row.
    const QString stored = QStringLiteral("7.5|7.5|7.5|7.5|7.5|7.5|7.5|7.5|7.5|x|1|1|1|1");
    orbs.SetRow(2, stored, false);
    TOrbisSettingsModel model(QStringLiteral(","));
    model.Load(orbs);
    EXPECT_DOUBLE_EQ(model.DetailedOrb(2, 1), 7.5);
    EXPECT_DOUBLE_EQ(model.DetailedOrb(2, 10), 0);
    EXPECT_EQ(model.FormatOrb(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(model.FormatOrb(100), QStringLiteral("100"));

    model.SetSimpleOrb(4, 1.25);
    model.SetDetailedOrb(2, 1, 7.5); // the same value: no change
    EXPECT_FALSE(model.IsDetailedRowChanged(2));
    model.SetDetailedOrb(3, 13, 0.75);
    EXPECT_TRUE(model.IsDetailedRowChanged(3));
    model.ApplyTo(orbs);
    EXPECT_EQ(orbs.Row(4, true), Repeated(QStringLiteral("1,25")));
    EXPECT_EQ(orbs.Row(2, true), Repeated(QStringLiteral("7,5")));
    EXPECT_EQ(orbs.Row(2, false), stored);
    EXPECT_EQ(orbs.Row(3, false), QStringLiteral("4|4|4|4|4|4|4|4|4|4|0|0|0,75|0"));
    EXPECT_DOUBLE_EQ(orbs.OrbFor(3, 10, false, TOrbPointKind::Node), 0.75);
}
