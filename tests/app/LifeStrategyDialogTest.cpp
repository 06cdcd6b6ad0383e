#include "app/dialogs/LifeStrategyDialog.h"

#include "AnalysisFixture.h"
#include "WidgetTestEnvironment.h"
#include "app/dialogs/LifeStrategyGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

// Table cell (row i, column j) holds 10 i + j, so a transposition error shows.
void FillNumberedTable(TCalcResult& r) {
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 5; ++j)
            r.LifeStrategy(i, j) = static_cast<quint16>(10 * i + j);
    }
}

bool IsDark(const QColor& c) {
    return c.lightness() < 100;
}

} // namespace

TEST(LifeStrategyGrid, TableIsTransposedUnderTheCatalogueHeaders) {
    TCalcResult r;
    FillNumberedTable(r);
    const TLifeStrategyGridTexts grid = LifeStrategyGridTexts(r);
    const QStringList columnHeads{"", "Kardinális", "Fix", "Labilis", "Összesen"};
    const QStringList rowHeads{"", "Tűz", "Föld", "Levegő", "Víz", "Összesen"};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(grid.At(0, column), columnHeads[column]);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(grid.At(row, 0), rowHeads[row]);
    for (int row = 1; row < 6; ++row) {
        for (int column = 1; column < 5; ++column)
            EXPECT_EQ(grid.At(row, column), QString::number(10 * column + row));
    }
}

TEST(LifeStrategyGrid, SignListsNameSignAndHouse) {
    struct {
        QByteArray Signs;
        const char16_t* Text;
    } const cases[] = {
        {QByteArray(), u""},
        {QByteArray("\x07", 1), u"Skorpió / Nyolcadik Ház"},
        {QByteArray("\x00\x09", 2), u"Kos / Első Ház, Bak / Tizedik Ház"},
        // Bytes that are no sign are left out rather than read past the sign table.
        {QByteArray("\x0b\x0c\xff\x04", 4), u"Halak / Tizenkettedik Ház, Oroszlán / Ötödik Ház"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LifeStrategySignList(c.Signs), QString::fromUtf16(c.Text));
}

TEST(LifeStrategyDialog, GridLabelsAndTotalsOfAChart) {
    TCalcResult r;
    test::FillChartWithClosedFirstHouse(r);
    TfrmEletstratJaratlanUt window(r);
    window.show();
    test::SaveScreenshot(window, QStringLiteral("velkaris-life-strategy.png"));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Életstratégia, járatlan út"));
    auto* box = window.findChild<QGroupBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral(" Életstratégia, járatlan út "));
    auto* grid = box->findChild<QTableWidget*>(QStringLiteral("gridStrat"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 6);
    ASSERT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Kardinális"));
    EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("Összesen"));
    EXPECT_EQ(grid->item(3, 0)->text(), QStringLiteral("Levegő"));
    EXPECT_EQ(grid->item(5, 0)->text(), QStringLiteral("Összesen"));
    // Three closed signs in the first house: 26 + 1 + 3.
    EXPECT_EQ(grid->item(5, 4)->text(), QStringLiteral("30"));
    EXPECT_EQ(grid->item(2, 2)->text(), QString::number(r.LifeStrategy(2, 2)));
    EXPECT_EQ(grid->item(1, 3)->text(), QString::number(r.LifeStrategy(3, 1)));

    auto* strategy = window.findChild<QLabel*>(QStringLiteral("lblEletstrat"));
    auto* untrodden = window.findChild<QLabel*>(QStringLiteral("lblJaratlanUt"));
    ASSERT_TRUE(strategy && untrodden);
    EXPECT_EQ(strategy->text(), LifeStrategySignList(r.EmphasizedSigns));
    EXPECT_EQ(untrodden->text(), LifeStrategySignList(r.UntroddenSigns));
    EXPECT_FALSE(strategy->text().isEmpty());
    EXPECT_FALSE(untrodden->text().isEmpty());
}

TEST(LifeStrategyDialog, TotalsAreTintedAndSetApartByALine) {
    TCalcResult r;
    FillNumberedTable(r);
    r.EmphasizedSigns = QByteArray("\x00\x09", 2);
    r.UntroddenSigns = QByteArray("\x07", 1);
    TfrmEletstratJaratlanUt window(r);
    window.show();
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("gridStrat"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(2, 4)->text(), QStringLiteral("42"));
    EXPECT_EQ(grid->item(5, 3)->text(), QStringLiteral("35"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblEletstrat"))->text(),
              QStringLiteral("Kos / Első Ház, Bak / Tizedik Ház"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblJaratlanUt"))->text(),
              QStringLiteral("Skorpió / Nyolcadik Ház"));

    const QColor totals(255, 255, 240);
    for (int row = 1; row < 6; ++row) {
        for (int column = 1; column < 5; ++column) {
            const bool isTotal = row == 5 || column == 4;
            EXPECT_EQ(grid->item(row, column)->background().color() == totals, isTotal)
                << row << "," << column;
        }
    }

    // What is painted: the tint inside a total, the line on its left or top edge only.
    const QImage image = grid->viewport()->grab().toImage();
    const auto pixel = [&](int row, int column, int dx, int dy) {
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        return image.pixelColor(cell.left() + dx, cell.top() + dy);
    };
    EXPECT_EQ(pixel(2, 4, 5, 3), totals);
    EXPECT_EQ(pixel(5, 2, 5, 3), totals);
    EXPECT_TRUE(IsDark(pixel(2, 4, 0, 10))) << "left edge of the totals column";
    EXPECT_TRUE(IsDark(pixel(5, 2, 10, 0))) << "top edge of the totals row";
    EXPECT_FALSE(IsDark(pixel(2, 3, 0, 10)));
    EXPECT_FALSE(IsDark(pixel(4, 2, 10, 0)));
    EXPECT_FALSE(IsDark(pixel(2, 4, 10, 0)));
}
