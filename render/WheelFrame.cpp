// The fixed frame of a wheel: the zodiac ring with its signs, the house cusps with their
// degree labels, and the house numbers.

#include "ChartCanvas.h"
#include "DrawController.h"
#include "RenderMath.h"
#include "WheelGeometry.h"
#include "core/CalcResult.h"
#include "core/LangManager.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <algorithm>
#include <cmath>

namespace velkaris {

using RenderMath::Rnd;

namespace {

bool IsAngularCusp(int n) {
    return n == 1 || n == 4 || n == 7 || n == 10;
}

QString PaddedLabel(int value, QChar unit) {
    return ZeroPad(QString::number(value) + unit, 3);
}

} // namespace

// Zodiac signs.

void TDrawControllerBase::DrawZodiacSigns(int chartIndex, double ascendant) {
    const TTimedStep timed(*this, "  DrawZodiacSigns");
    Canvas.SetPenWidth(1);
    Canvas.SetPenColour(CanvasBlack);
    const TCanvasColour brush = Canvas.BrushColour();
    const int fs = BaseFontSize();

    const bool rulers = Settings.GetShowSignRulers();
    if (!rulers)
        AnalogPlanetElements.Hide();
    const int hideChart = Overlay ? -1 : chartIndex;
    SignElements.Hide(hideChart);
    AnalogPlanetElements.Hide(hideChart);

    const int band = Settings.GetZodiacDegreesOnOwnArc() ? DegreeBandWidth() : ZodiacRingWidth();
    const int rho = Radius - band + band / 2;
    const bool colourCells = !PaperMode || Settings.GetPrintInColour();
    for (int s = 0; s < SignCount; ++s) {
        const TCanvasPoint p = PointAt(rho, 30 * s + 15, ascendant);
        if (colourCells) {
            Canvas.SetBrushColour(SignElementColour(s));
            Canvas.FloodFill(p.X, p.Y, CanvasBlack);
        }
        if (Settings.GetShowSign(s)) {
            auto& sign = FindOrCreate(SignElements, chartIndex, s);
            MakeVisible(sign, chartIndex);
            sign.GlyphSize = Rnd(fs * 1.3);
            sign.SetElementId(s);
            CentreOn(sign, p);
        }
        if (rulers) {
            const TCanvasPoint q = PointAt(rho, 30 * s + 5, ascendant);
            auto& ruler = FindOrCreate(AnalogPlanetElements, chartIndex, s);
            MakeVisible(ruler, chartIndex);
            ruler.GlyphSize = fs - 2;
            ruler.SetElementId(s);
            CentreOn(ruler, q);
        }
        Canvas.SetBrushColour(brush);
    }
    Canvas.SetFontSize(fs);
}

// House cusps.

void TDrawControllerBase::DrawHouseCusps(int chartIndex, const THouseList& houses, bool secondPass,
                                         double ascendant) {
    const TTimedStep timed(*this, "  DrawHouseCusps");
    const TCanvasColour penColour = Canvas.PenColour();
    const TCalcResult& chart = *Charts.at(static_cast<size_t>(chartIndex));
    const bool outerRing = IsOuterRing(chartIndex);
    bool drawLines = true;
    bool angularOnly = false;
    if (outerRing) {
        const quint8 kind = chart.ChartKind;
        drawLines = kind != ChartKind::Transit && kind != ChartKind::PrimaryDirection &&
                    kind != ChartKind::ProgressedMoon;
        angularOnly = kind == ChartKind::Transit || kind == ChartKind::PrimaryDirection ||
                      (kind == ChartKind::ProgressedMoon && Settings.GetProgressedAscendantAndMC());
    }
    const int baseWidth = Settings.GetBaseLineWidth();
    const bool equalHouses = Settings.GetHouseSystem().startsWith(QLatin1Char('E'));
    const bool labels = Settings.GetShowCuspDegrees() && ChartCount() == 1;

    for (int n = 1; n <= HouseCount; ++n) {
        const THouseCusp* cusp = houses.Find(n);
        if (!cusp || !Settings.GetShowCuspLine(n))
            continue;
        Canvas.SetPenWidth(baseWidth * (IsAngularCusp(n) ? 2 : 1) * (PaperMode ? 2 : 1));
        const int startRadius =
            outerRing ? Radius + Rnd(Layout.Margin * 0.6) / 2 : Radius - ZodiacRingWidth();
        const int endRadius = outerRing ? Radius : Radius - InnerCircleOffset();
        double longitude = cusp->Longitude;
        if (outerRing && n == 10 && equalHouses)
            if (const TAxis* mc = chart.Axes.Find(AxisId::MediumCoeli))
                longitude = mc->Longitude;
        TCanvasPoint s = PointAt(startRadius, longitude, ascendant);
        const TCanvasPoint e = PointAt(endRadius, longitude, ascendant);
        TCanvasPoint middle = PointAt(Radius - HouseNumberCircleOffset(), longitude, ascendant);
        // The horizon stays level although the wheel turns by whole degrees.
        if ((n == 1 || n == 7) && !outerRing) {
            s.Y = e.Y;
            middle.Y = e.Y;
        }
        const bool crossed = CrossedCusps.Contains(n);
        Canvas.SetPenStyle(crossed ? TPenStyle::Dotted : TPenStyle::Solid);
        const bool lineWanted = drawLines || (angularOnly && (n == 1 || n == 10));
        if (lineWanted && (!secondPass || crossed)) {
            TCanvasPoint to = e;
            if (secondPass) {
                Canvas.SetPenStyle(TPenStyle::Solid);
                Canvas.SetPenColour(CanvasWhite);
                Canvas.MoveTo(s.X, s.Y);
                Canvas.LineTo(e.X, e.Y);
                Canvas.SetPenColour(CanvasBlack);
                Canvas.MoveTo(middle.X, middle.Y);
                Canvas.LineTo(e.X, e.Y);
                Canvas.SetPenWidth(1);
                Canvas.SetPenStyle(TPenStyle::Dotted);
                to = middle;
            }
            Canvas.MoveTo(s.X, s.Y);
            Canvas.LineTo(to.X, to.Y);
        }
        if (labels)
            DrawCuspLabels(houses, n, ascendant);
    }
    Canvas.SetPenStyle(TPenStyle::Solid);
    Canvas.SetPenColour(penColour);
}

void TDrawControllerBase::DrawCuspLabels(const THouseList& houses, int n, double ascendant) {
    const THouseCusp& cusp = *houses.Find(n);
    const int fs = BaseFontSize();
    const RenderMath::TDegreesMinutes split = RenderMath::SplitDegrees(cusp.DegreesInSign());
    const QString degreeText = PaddedLabel(split.Degrees, QChar(0x00B0));
    const QString minuteText = PaddedLabel(split.Minutes, QLatin1Char('\''));
    const double c = Rnd(cusp.Longitude);
    const double before = c - 4;
    const double after = c + 4;
    const TBrushStyle brushStyle = Canvas.BrushStyle();
    Canvas.SetBrushStyle(TBrushStyle::Clear);

    Canvas.SetFontName(RenderMath::LabelFace());
    Canvas.SetFontSize(Rnd(FontMultiplier * (Rnd(fs * 1.6) - Rnd(Rnd(fs * 1.5) * 3 / 5.0) - 1)));
    const int numberRadius = Radius + Canvas.TextWidth(QStringLiteral("00"));
    DrawLabelAt(degreeText, n <= 6 ? before : after, numberRadius, ascendant);
    DrawLabelAt(minuteText, n <= 6 ? after : before, numberRadius, ascendant);

    Canvas.SetFontName(SymbolFontName);
    Canvas.SetFontSize(fs);
    const QString glyph = GlyphText::Sign(cusp.SignIndex());
    DrawLabelAt(glyph, c, Radius + Canvas.TextWidth(glyph), ascendant);
    Canvas.SetBrushStyle(brushStyle);
}

void TDrawControllerBase::DrawLabelAt(const QString& text, double longitude, int radius,
                                      double ascendant) {
    const TCanvasPoint p = PointAt(radius, longitude, ascendant);
    Canvas.TextOut(p.X - Canvas.TextWidth(text) / 2, p.Y - Canvas.TextHeight(text) / 2, text);
}

// House numbers.

void TDrawControllerBase::DrawHouseNumbers(int chartIndex, const THouseList& houses,
                                           double ascendant) {
    const TTimedStep timed(*this, "  DrawHouseNumbers");
    const int fs = BaseFontSize();
    Canvas.SetFontName(RenderMath::LabelFace());
    Canvas.SetFontSize(fs - 6);
    HouseNumberElements.Hide(Overlay ? -1 : chartIndex);
    const bool arabic = Settings.GetArabicAngularHouseNumbers();
    const int inset = Rnd(InnerCircleOffset() * (LinesToPlanets ? 0.968 : 0.93));
    for (int n = 1; n <= HouseCount; ++n) {
        const THouseCusp* cusp = houses.Find(n);
        if (!cusp || cusp->Longitude == -1 || !Settings.GetShowHouseNumber(n))
            continue;
        const double from = cusp->Longitude;
        double to = houses.LongitudeOf(n % 12 + 1);
        if (to < from)
            to += 360;
        const double middle = std::abs(from - to) * 0.5 + from;
        const TCanvasPoint p = PointAt(Radius - inset, middle, ascendant);

        auto& number = FindOrCreate(HouseNumberElements, chartIndex, n);
        MakeVisible(number, chartIndex);
        number.CuspLongitude = from;
        number.ArabicNumerals = arabic;
        number.Font.Name = RenderMath::LabelFace();
        number.GlyphSize = fs - 6;
        number.SetElementId(n);
        CentreOn(number, p);
    }
    Canvas.SetFontName(SymbolFontName);
    Canvas.SetFontSize(fs);
}

} // namespace velkaris
