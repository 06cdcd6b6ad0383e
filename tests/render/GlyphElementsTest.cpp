#include "WheelFixture.h"
#include "core/LangManager.h"
#include "core/Planet.h"
#include "render/ElementCompositor.h"
#include "render/GraphicControlList.h"
#include "render/ImageCanvas.h"
#include "render/RecordingCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;

namespace {

class GlyphElements : public ::testing::Test {
protected:
    void SetUp() override { UseChartFonts(); }
};

QImage PictureOf(const TBaseGraphicControl& e) {
    return e.Picture().Image().copy();
}

/// The first point of the one polygon a marker painted onto a recording page.
TCanvasPoint ApexOnPage(const TSelfMarkerGraphicControl& marker, const TSettingsProvider& s) {
    TRecordingCanvas page;
    marker.PaintOnto(page, SymbolFontName, 10, TBrushStyle::Solid, s);
    const QStringList polygons = page.LinesOf(QStringLiteral("Polygon"));
    if (polygons.size() != 1)
        return {-1, -1};
    const QStringList xy = polygons[0].split(QLatin1Char(' '))[1].split(QLatin1Char(','));
    return {xy[0].toInt(), xy[1].toInt()};
}

} // namespace

TEST_F(GlyphElements, RenderingTwiceGivesTheSamePictureAndSize) {
    TZodiacSignGraphicControl sign;
    sign.Colour = 0x0000FF;
    sign.GlyphSize = 16;
    sign.SetElementId(4);
    const QImage first = PictureOf(sign);
    const int width = sign.Width;
    const int height = sign.Height;
    sign.SetElementId(4);
    EXPECT_EQ(sign.GlyphText, QStringLiteral("t"));
    EXPECT_EQ(sign.Width, width);
    EXPECT_EQ(sign.Height, height);
    EXPECT_EQ(PictureOf(sign), first);
    // The glyph is drawn: the picture holds ink besides its background.
    int ink = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ink += (first.pixel(x, y) & 0xFFFFFF) != 0xFF0000; // background red, as QRgb
    EXPECT_GT(ink, 10);
}

TEST_F(GlyphElements, GlyphCharactersOfTheTables) {
    struct TCase {
        QString Got;
        QString Expected;
    };
    const TCase cases[] = {
        {GlyphText::Sign(0), "q"},
        {GlyphText::Sign(11), "]"},
        {GlyphText::SignRuler(0), "g"},
        {GlyphText::SignRuler(7), ";"},
        {GlyphText::SignRuler(10), "k"},
        {GlyphText::Aspect(1), "z"},
        {GlyphText::Aspect(9), "?"},
        {GlyphText::Aspect(10), QString(QChar(0x201E))},
        {GlyphText::HouseNumeral(4, false), "IV"},
        {GlyphText::HouseNumeral(5, false), "5"},
        {GlyphText::HouseNumeral(10, true), "10"},
        {GlyphText::HouseNumeral(7, false), "VII"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Got, c.Expected);
}

TEST_F(GlyphElements, LongBodyTextsUseTheLabelFaceAtTwoThirds) {
    TPlanetSignGraphicControl priapus;
    priapus.GlyphSize = 18;
    priapus.SetElementId(BodyId::OsculatingApogee);
    EXPECT_EQ(priapus.GlyphText, QStringLiteral("Pri"));
    EXPECT_EQ(priapus.GlyphSize, 12);
    EXPECT_FALSE(priapus.CentreText);
    // The face goes back to the symbol font after the picture is drawn.
    EXPECT_EQ(priapus.Font.Name, SymbolFontName);

    TPlanetSignGraphicControl sun;
    sun.GlyphSize = 18;
    sun.SetElementId(BodyId::Sun);
    EXPECT_EQ(sun.GlyphText, QStringLiteral("a"));
    EXPECT_EQ(sun.GlyphSize, 18);
    EXPECT_TRUE(sun.CentreText);
}

TEST_F(GlyphElements, BodyElementCarriesItsLordsAndDegrees) {
    TPlanet mars;
    mars.BodyId = BodyId::Mars;
    mars.Longitude = 30 + 12.5; // 12° 30' Taurus
    mars.HouseLords.AddLordship(3);
    mars.HouseLords.AddClosedLordship(5);
    TPlanetSignGraphicControl element;
    element.ElementId = BodyId::Mars;
    element.GlyphSize = 16;
    element.SetElementId(BodyId::Mars);
    const int bare = element.Height;
    element.SetBody(&mars);
    EXPECT_EQ(element.LordsText, QStringLiteral("3,(5)"));
    EXPECT_EQ(element.DegreeText, QStringLiteral("12.30"));
    // The lords text makes room below the glyph.
    EXPECT_GT(element.Height, bare);
}

TEST_F(GlyphElements, HouseLordKeysTellTextsApart) {
    TGraphicControlList<THouseLordGraphicControl> lords;
    auto make = [](const QString& text) {
        auto e = std::make_unique<THouseLordGraphicControl>();
        e->ChartIndex = 0;
        e->LordBody = BodyId::Venus;
        e->LordText = text;
        return e;
    };
    lords.AddOrReplaceLord(make(QStringLiteral("3")));
    lords.AddOrReplaceLord(make(QStringLiteral("(3)")));
    EXPECT_EQ(lords.Count(), 2);
    EXPECT_EQ(lords.IndexOfLord(0, BodyId::Venus, QStringLiteral("(3)")), 1);
    EXPECT_EQ(lords.FindLord(1, BodyId::Venus, QStringLiteral("3")), nullptr);

    // The same key replaces the element in its place.
    auto& replaced = lords.AddOrReplaceLord(make(QStringLiteral("3")));
    EXPECT_EQ(lords.Count(), 2);
    EXPECT_EQ(&lords.At(0), &replaced);
}

TEST_F(GlyphElements, KeyedListFindsByChartAndId) {
    TGraphicControlList<TZodiacSignGraphicControl> signs;
    EXPECT_EQ(signs.Find(0, 3), nullptr);
    for (int chart : {0, 1})
        for (int id : {3, 4}) {
            auto e = std::make_unique<TZodiacSignGraphicControl>();
            e->ChartIndex = chart;
            e->ElementId = id;
            signs.AddOrReplace(std::move(e));
        }
    EXPECT_EQ(signs.Count(), 4);
    EXPECT_EQ(signs.IndexOf(1, 3), 2);
    signs.Hide(1);
    EXPECT_TRUE(signs.Find(0, 4)->Visible);
    EXPECT_FALSE(signs.Find(1, 4)->Visible);
}

TEST_F(GlyphElements, HintSourceBreaksAtTheMarks) {
    TZodiacSignGraphicControl e;
    e.SetHintSource(QStringLiteral("Kos@Tűz@Kardinális"));
    EXPECT_EQ(e.LongHint, QStringLiteral("Kos\rTűz\rKardinális"));
    EXPECT_EQ(e.HintSource, QStringLiteral("Kos@Tűz@Kardinális"));
}

TEST_F(GlyphElements, MarkerPointsAtATargetToItsRight) {
    const TWheelSettings settings;
    TSelfMarkerGraphicControl marker;
    marker.PointerMode = true;
    marker.GlyphSize = 12;
    marker.SetElementId(1);
    marker.SetPosition(100, 100);
    // The line from the box centre to the target crosses the right edge at the height
    // the straight line gives.
    const int centreX = 100 + (marker.Width - 1) / 2;
    const int centreY = 100 + (marker.Height - 1) / 2;
    const int rightEdge = 100 + marker.Width - 1;
    const TCanvasPoint target{rightEdge + 200, centreY + 20};
    marker.SetTarget(target.X, target.Y);
    const double slope = 20.0 / (target.X - centreX);
    const TCanvasPoint apex = ApexOnPage(marker, settings);
    EXPECT_EQ(apex.X, rightEdge);
    EXPECT_NEAR(apex.Y, centreY + slope * (rightEdge - centreX), 1.0);
}

TEST_F(GlyphElements, MarkerAimedAtItsOwnCentreFallsBackToACorner) {
    const TWheelSettings settings;
    TSelfMarkerGraphicControl marker;
    marker.PointerMode = true;
    marker.GlyphSize = 12;
    marker.SetElementId(1);
    marker.SetPosition(50, 60);
    const TCanvasPoint centre{50 + (marker.Width - 1) / 2, 60 + (marker.Height - 1) / 2};
    marker.SetTarget(centre.X, centre.Y);
    const TCanvasPoint apex = ApexOnPage(marker, settings);
    // Left of the right edge and not above the top, not right of it: the bottom-left
    // corner.
    EXPECT_EQ(apex, (TCanvasPoint{50, 60 + marker.Height - 1}));
}

TEST_F(GlyphElements, DiscMarkerOnScreenAndOnPaper) {
    TWheelSettings settings;
    TSelfMarkerGraphicControl marker;
    marker.Colour = CanvasWhite;
    marker.Font.Colour = 0x00FF00;
    marker.GlyphSize = 14;
    marker.SetElementId(2);
    EXPECT_FALSE(marker.Painted);
    marker.SetTarget(0, 0);
    EXPECT_TRUE(marker.Painted);
    const QImage picture = PictureOf(marker);
    const int d = std::min(marker.Width, marker.Height);
    EXPECT_EQ(picture.pixel(d / 2, d / 2) & 0xFFFFFF, 0x00FF00u); // green fill
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);         // outside the disc

    // On paper without colour printing the disc is white with a black outline twice the
    // base width.
    TRecordingCanvas page;
    marker.PaintOnto(page, SymbolFontName, 20, TBrushStyle::Solid, settings);
    ASSERT_EQ(page.LinesOf(QStringLiteral("Ellipse")).size(), 1);
    EXPECT_TRUE(page.LinesOf(QStringLiteral("Ellipse"))[0].contains("pen=0/2/0"));
    EXPECT_TRUE(page.LinesOf(QStringLiteral("FloodFill"))[0].endsWith("brush=16777215/solid"));
    settings.Set(SettingsSection::chkbNyomtatasSzinesben, SettingsKey::NyomtatSzinesben, true);
    TRecordingCanvas colourPage;
    marker.PaintOnto(colourPage, SymbolFontName, 20, TBrushStyle::Solid, settings);
    EXPECT_TRUE(colourPage.LinesOf(QStringLiteral("FloodFill"))[0].endsWith("brush=65280/solid"));
}

TEST_F(GlyphElements, PaintOntoPlacesTextsOnThePage) {
    const TWheelSettings settings;
    THouseNumberGraphicControl number;
    number.SetElementId(7);
    number.SetPosition(200, 300);
    number.Width = 40;
    number.Height = 30;
    TRecordingCanvas page;
    number.PaintOnto(page, QStringLiteral("Arial"), 10, TBrushStyle::Clear, settings);
    // "7" at 10 points on the recording page: 7 x 13 pixels, centred in 40 x 30.
    EXPECT_EQ(page.Log(), QStringList{"TextOut 216,308 \"7\" font=Arial/10/normal/0 "
                                      "brush=16777215/clear"});

    TPlanetSignGraphicControl body;
    body.SetElementId(BodyId::Moon);
    body.Place(10, 20);
    body.Width = 30;
    TRecordingCanvas bodyPage;
    body.PaintOnto(bodyPage, SymbolFontName, 10, TBrushStyle::Clear, settings);
    // Six pixels below the element's top, where the symbol font's glyph starts.
    EXPECT_EQ(bodyPage.Log(), QStringList{"TextOut 21,26 \"s\" font=VelkarisWIN/10/normal/0 "
                                          "brush=16777215/clear"});
    EXPECT_EQ(body.PlannedLeft, 10);
    EXPECT_EQ(body.PlacedTop, 20);
}

TEST_F(GlyphElements, CompositingLeavesTheBackgroundOut) {
    TImageCanvas wheel(60, 40);
    wheel.SetBrushColour(0x0000FF);
    wheel.FillRect(wheel.ClipRect());
    QImage image = wheel.Image().copy();

    TZodiacSignGraphicControl sign;
    sign.Colour = 0x00FF00; // the cell colour the glyph was drawn on
    sign.GlyphSize = 14;
    sign.SetElementId(0);
    sign.SetPosition(50, 30); // partly outside the image
    PaintElementOver(image, sign);
    int green = 0, black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            green += p == 0x00FF00;
            black += p == 0x000000;
            if (x < 50 || y < 30) {
                EXPECT_EQ(p, 0xFF0000u) << x << "," << y;
            }
        }
    EXPECT_EQ(green, 0);
    EXPECT_GT(black, 0);

    sign.Visible = false;
    QImage untouched = wheel.Image().copy();
    PaintElementOver(untouched, sign);
    EXPECT_EQ(untouched, wheel.Image());
}
