#include "WidgetTestEnvironment.h"
#include "app/dialogs/CestSettingsDialog.h"
#include "app/dialogs/CountryAndTimeZoneDialog.h"
#include "app/dialogs/DataTableGrid.h"
#include "data/DataSetInfoProvider.h"
#include "data/ZoneFixture.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

class ZoneDialogs : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TDataSetInfoProvider Places{FoldersOf(ZoneFixtureFolder(), Home.path()), 0};
    TDataTable& Countries = Places.Loader().CountryLoader().Table();
    TDataTable& Rules = Places.Loader().CestLoader().Table();
};

QString LabelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label>");
}

void Click(const QWidget& window, const char* navigator, const char* button) {
    auto* nav = window.findChild<QWidget*>(QLatin1String(navigator));
    ASSERT_TRUE(nav) << navigator;
    auto* b = nav->findChild<QToolButton*>(QLatin1String(button));
    ASSERT_TRUE(b) << button;
    b->click();
}

} // namespace

TEST_F(ZoneDialogs, TheCountryViewerFollowsTheCurrentCountry) {
    Countries.Last();
    TfrmCountryAndTimeZone window(Places);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Országok és időzónáik..."));
    EXPECT_EQ(Countries.Text(u"CountryCode"), QStringLiteral("H")) << "it opens on Hungary";
    EXPECT_EQ(LabelText(window, "lblTimeZoneCodeAndName"),
              QStringLiteral("Europe/Budapest - közép-európai idő"));
    EXPECT_EQ(LabelText(window, "lblDelta"), QStringLiteral("1:00"));
    EXPECT_EQ(LabelText(window, "lblType"), QStringLiteral("Nyári időszámítással"));
    SaveScreenshot(window, QStringLiteral("country-viewer.png"));

    auto* grid = window.findChild<TDataTableGrid*>(QStringLiteral("dbgCountryAndTimeZone"));
    ASSERT_TRUE(grid);
    const TDataTableModel& model = grid->Model();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ország kód"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Időzóna"));
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(grid->currentIndex().row(), Countries.CurrentIndex());

    // LM names a zone the table lacks: the labels keep the previous country's zone.
    Click(window, "dbNavCountry", "btnNext");
    EXPECT_EQ(Countries.Text(u"CountryCode"), QStringLiteral("LM"));
    EXPECT_EQ(LabelText(window, "lblDelta"), QStringLiteral("1:00"));
    Click(window, "dbNavCountry", "btnNext");
    EXPECT_EQ(LabelText(window, "lblTimeZoneCodeAndName"),
              QStringLiteral("America/Sao_Paulo - brazíliai idő"));
    EXPECT_EQ(LabelText(window, "lblDelta"), QStringLiteral("-3:00"));

    // Choosing a row in the grid moves the table.
    grid->setCurrentIndex(model.index(0, 0));
    EXPECT_EQ(Countries.Text(u"CountryCode"), QStringLiteral("H"));

    window.reject();
    Countries.Last();
    EXPECT_EQ(LabelText(window, "lblDelta"), QStringLiteral("1:00"))
        << "a closed window no longer follows the table";
}

TEST_F(ZoneDialogs, TheRuleViewerShowsTheRulesOfTheCurrentCountryOnly) {
    ASSERT_EQ(Rules.RowCount(), 15);
    {
        TfrmCestSettings window(Places);
        window.show();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Nyári / Téli időszámítás-beállítások"));
        auto* grid = window.findChild<TDataTableGrid*>(QStringLiteral("dbgCestData"));
        ASSERT_TRUE(grid);
        const TDataTableModel& model = grid->Model();
        EXPECT_EQ(model.rowCount(), 5);
        EXPECT_EQ(model.columnCount(), 11);
        const char* titles[] = {"Kód", "Év", "Hó", "Nap", "Órától"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(model.headerData(i, Qt::Horizontal).toString(), QString::fromUtf8(titles[i]));
        EXPECT_EQ(model.data(model.index(2, 7)).toString(), QStringLiteral("CEST"));
        SaveScreenshot(window, QStringLiteral("rule-viewer.png"));

        Click(window, "dbNavCountry", "btnNext");
        EXPECT_EQ(model.rowCount(), 4) << "the rules of LM";
        Click(window, "dbNavCest", "btnLast");
        EXPECT_EQ(Rules.Text(u"TIMEZONECODE"), QStringLiteral("MSK"));
        window.accept();
        EXPECT_EQ(Rules.RowCount(), 15) << "closing removes the filter";
    }
    EXPECT_EQ(
        Places.ResolveZone(QStringLiteral("S"), true, -999, LocalJd(2019, 6, 15)).TIMEZONECODE,
        QStringLiteral("-03"));
}

TEST_F(ZoneDialogs, AWindowDestroyedWithoutClosingLeavesTheTablesWhole) {
    {
        TfrmCestSettings window(Places);
        window.show();
        EXPECT_EQ(Rules.RowCount(), 5);
    }
    EXPECT_EQ(Rules.RowCount(), 15);
    Countries.First();
    Countries.Next();
}
