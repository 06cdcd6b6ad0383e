#include "app/dialogs/SelfMarkersDialog.h"

#include "AnalysisFixture.h"
#include "WidgetTestEnvironment.h"
#include "app/dialogs/SelfMarkerRows.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace velkaris;

namespace {

struct TExpectedRow {
    const char16_t* Symbol;
    const char16_t* Name;
    const char16_t* Sign;
    const char16_t* Place;
};

// The chart's markers: the Sun, the Moon, cusp 1, Uranus (ruler of Aquarius), Venus
// (in house 1), the three closed signs, then Neptune and Mars (their rulers; Venus, the
// ruler of Taurus, is already in the list). Places with the wheel's house labels.
const TExpectedRow ExpectedRows[] = {
    {u"a", u"Nap", u"t", u" Oroszlán jegyében 0°22'08\" fokon a(z) IV. Házban"},
    {u"s", u"Hold", u"u", u" Mérleg jegyében 20° fokon a(z) VII. Házban"},
    {u"S", u"Ascendens", u"[", u" Vízöntő jegyében 25° fokon a(z) "},
    {u"k", u"Uránusz", u"[", u" Vízöntő jegyében 0° fokon a(z) X. Házban"},
    {u"f", u"Vénusz", u"]", u" Halak jegyében 0° fokon a(z) I. Házban"},
    {u"]", u"Halak", u"]", u" Halak, mint az 1. Házba bezárt jegy"},
    {u"q", u"Kos", u"q", u" Kos, mint az 1. Házba bezárt jegy"},
    {u"w", u"Bika", u"w", u" Bika, mint az 1. Házba bezárt jegy"},
    {u"l", u"Neptunusz", u"o", u" Nyilas jegyében 10°30' fokon a(z) 8. Házban"},
    {u"g", u"Mars", u"o", u" Nyilas jegyében 20° fokon a(z) 8. Házban"},
};

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

QLabel* Label(const QWidget& window, const QString& name) {
    return window.findChild<QLabel*>(name);
}

} // namespace

TEST(SelfMarkerRows, EveryKindOfMarkerWithTheWheelsHouseLabels) {
    TCalcResult r;
    test::FillChartWithClosedFirstHouse(r);
    const QList<TSelfMarkerRowTexts> rows = SelfMarkerRowTexts(r.SelfMarkers, false);
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(std::size(ExpectedRows)));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const TExpectedRow& e = ExpectedRows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].Symbol, Q(e.Symbol));
        EXPECT_EQ(rows[i].Name, Q(e.Name));
        EXPECT_EQ(rows[i].Sign, Q(e.Sign));
        EXPECT_EQ(rows[i].Place, Q(e.Place));
    }
}

TEST(SelfMarkerRows, ArabicHouseNumbersChangeOnlyTheHouseLabel) {
    TCalcResult r;
    test::FillChartWithClosedFirstHouse(r);
    const QList<TSelfMarkerRowTexts> rows = SelfMarkerRowTexts(r.SelfMarkers, true);
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0].Place, QStringLiteral(" Oroszlán jegyében 0°22'08\" fokon a(z) 4. Házban"));
    EXPECT_EQ(rows[3].Place, QStringLiteral(" Vízöntő jegyében 0° fokon a(z) 10. Házban"));
    EXPECT_EQ(rows[4].Place, QStringLiteral(" Halak jegyében 0° fokon a(z) 1. Házban"));
    // Cusp 1 and the sign markers name no house.
    EXPECT_EQ(rows[2].Place, Q(ExpectedRows[2].Place));
    EXPECT_EQ(rows[5].Place, Q(ExpectedRows[5].Place));
    EXPECT_EQ(rows[8].Place, Q(ExpectedRows[8].Place));
}

TEST(SelfMarkerRows, ABodyNotYetPlacedInAHouseNamesNoHouse) {
    TSelfMarkerList markers;
    TPlanet moon;
    moon.BodyId = 1;
    moon.Longitude = 359.5;
    moon.House = 0;
    markers.AddCopy(moon);
    const QList<TSelfMarkerRowTexts> rows = SelfMarkerRowTexts(markers, false);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].Sign, QStringLiteral("]"));
    EXPECT_EQ(rows[0].Place, QStringLiteral(" Halak jegyében 29°30' fokon a(z) "));
}

TEST(SelfMarkersDialog, OneRowOfFourLabelsPerMarkerAtTheirPositions) {
    TCalcResult r;
    test::FillChartWithClosedFirstHouse(r);
    TfrmSelfMarkers window(r, false);
    window.show();
    test::SaveScreenshot(window, QStringLiteral("velkaris-self-markers.png"));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Énállapotok a születési képletben"));
    EXPECT_EQ(Label(window, "lblHeaderSymbol")->text(), QStringLiteral("Jele"));
    EXPECT_EQ(Label(window, "lblHeaderName")->text(), QStringLiteral("Neve"));
    EXPECT_EQ(Label(window, "lblHeaderPlace")->text(), QStringLiteral("Helye"));
    // 20 pixels per marker and 85 more, whatever the frame adds outside.
    EXPECT_EQ(window.height(), 20 * 10 + 85);
    EXPECT_EQ(window.contentsRect().height(), 20 * 10 + 85);

    for (int row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        const QString n = QString::number(row);
        QLabel* symbol = Label(window, QStringLiteral("lblSymbol") + n);
        QLabel* name = Label(window, QStringLiteral("lblName") + n);
        QLabel* sign = Label(window, QStringLiteral("lblSign") + n);
        QLabel* place = Label(window, QStringLiteral("lblPlace") + n);
        ASSERT_TRUE(symbol && name && sign && place);
        const int top = 40 + 18 * row;
        EXPECT_EQ(symbol->pos(), QPoint(15, top));
        EXPECT_EQ(sign->pos(), QPoint(140, top));
        EXPECT_EQ(place->pos(), QPoint(168, top + 3));
        EXPECT_EQ(name->y(), top + 3);
        // Centred on the column from 55 to 115, within the pixel an odd width costs.
        EXPECT_NEAR(2 * name->x() + name->width(), 2 * 55 + 60, 1);
        EXPECT_GE(name->width(), 60);
        EXPECT_EQ(name->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

        EXPECT_EQ(symbol->text(), Q(ExpectedRows[row].Symbol));
        EXPECT_EQ(name->text(), Q(ExpectedRows[row].Name));
        EXPECT_EQ(sign->text(), Q(ExpectedRows[row].Sign));
        EXPECT_EQ(place->text(), Q(ExpectedRows[row].Place));
        // The whole place sentence is visible.
        EXPECT_LE(place->geometry().right(), window.width());

        for (QLabel* glyph : {symbol, sign}) {
            EXPECT_EQ(glyph->font().family(), QStringLiteral("VelkarisWIN"));
            EXPECT_EQ(glyph->font().pointSize(), 14);
        }
        for (QLabel* label : {symbol, name, sign})
            EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_NE(place->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(Label(window, "lblSymbol10"), nullptr);
}

TEST(SelfMarkersDialog, ArabicSwitchReachesTheWindowAndAnEmptyListLeavesTheHeaders) {
    TCalcResult r;
    test::FillChartWithClosedFirstHouse(r);
    const TfrmSelfMarkers arabic(r, true);
    EXPECT_EQ(Label(arabic, "lblPlace1")->text(),
              QStringLiteral(" Mérleg jegyében 20° fokon a(z) 7. Házban"));

    const TCalcResult empty;
    const TfrmSelfMarkers none(empty, false);
    EXPECT_EQ(none.height(), 85);
    EXPECT_EQ(Label(none, "lblSymbol0"), nullptr);
    EXPECT_NE(Label(none, "lblHeaderPlace"), nullptr);
}
