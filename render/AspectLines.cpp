// The last two steps of a wheel: the aspect lines across the aspect area with their
// glyphs, and the ego-state markers outside the wheel.

#include "ChartCanvas.h"
#include "DrawController.h"
#include "RenderMath.h"
#include "core/CalcResult.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <QSet>
#include <cmath>

namespace velkaris {

using RenderMath::Rnd;

namespace {

/// The entries of a ";"-separated id list, so that membership compares whole ids.
QSet<int> IdSet(const QString& list) {
    QSet<int> ids;
    for (const QStringView part : QStringView(list).split(QLatin1Char(';'))) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            ids.insert(id);
    }
    return ids;
}

constexpr TCanvasColour AspectGrey = 0x808080;

} // namespace

double TDrawControllerBase::AspectEndLongitude(int chartIndex, int id, quint8 kind,
                                               const TCalcResult& chart) const {
    switch (kind) {
    case PointBody: {
        const TPlanet* body = chart.Planets.Find(id);
        const double own = body ? body->Longitude : 0;
        if (Settings.GetAspectsAtTruePlace())
            return own;
        const TPlanetSignGraphicControl* glyph = PlanetElements.Find(chartIndex, id);
        return glyph ? glyph->DisplayLongitude : own;
    }
    case PointAxis: {
        const TAxis* axis = chart.Axes.Find(id);
        return axis ? axis->Longitude : 0;
    }
    default:
        return chart.Houses.LongitudeOf(id);
    }
}

TDrawControllerBase::TAspectFilter TDrawControllerBase::AspectFilter() const {
    TAspectFilter filter;
    filter.AspectedBodies = IdSet(Settings.GetAspectedBodyIds());
    filter.ShownBodies = IdSet(Settings.GetCalculatedBodyIds(false, true));
    filter.Axes = Settings.GetAspectedAxisSet();
    filter.Houses = Settings.GetAspectedHouseSet();
    filter.Aspects = Settings.GetLookedForAspectSet();
    filter.Glyphs = Settings.GetAspectGlyphSet();
    return filter;
}

bool TDrawControllerBase::AspectLineWanted(const TAspectInfo& a, const TAspectFilter& f) const {
    if (a.Kind1 != PointBody || !f.AspectedBodies.contains(a.Id1) ||
        !f.Aspects.Contains(a.AspectId) || !IsBodyGlyphVisible(a.Id1))
        return false;
    switch (a.Kind2) {
    case PointBody:
        return f.ShownBodies.contains(a.Id2) && f.AspectedBodies.contains(a.Id2) &&
               IsBodyGlyphVisible(a.Id2);
    case PointAxis:
        return f.Axes.Contains(a.Id2);
    case PointHouse:
        return f.Houses.Contains(a.Id2);
    default:
        return false;
    }
}

void TDrawControllerBase::DrawAspects(int chartIndex, const TAspectInfoList& aspects,
                                      const THouseList& houses, const TAxisList& axes,
                                      const TPlanetList& bodies, double ascendant) {
    (void)houses;
    (void)axes;
    (void)bodies;
    const TTimedStep timed(*this, "  DrawAspects");
    const TCalcResult& chart = *Charts.at(static_cast<size_t>(chartIndex));
    const TCanvasColour penColour = Canvas.PenColour();
    Canvas.SetPenColour(AspectGrey);
    const int fs = BaseFontSize();
    Canvas.SetFontName(SymbolFontName);
    Canvas.SetFontSize(fs - 3);
    const TAspectFilter filter = AspectFilter();
    const int radius =
        LinesToPlanets ? Rnd(Radius - PlanetRingBase() * 1.25) : Radius - InnerCircleOffset();

    aspects.ForEach([&](const TAspectInfo& a) {
        if (a.Exactness == 0 || a.AspectId < 1 || a.AspectId > AspectCount)
            return;
        Canvas.SetPenColour(PaperColour(Settings.GetAspectColour(a.AspectId)));
        Canvas.SetPenStyle(
            PenStyleFromSetting(static_cast<int>(Settings.GetAspectLineStyle(a.AspectId))));
        Canvas.SetPenWidth(1);
        if (!AspectLineWanted(a, filter))
            return;
        const double from = AspectEndLongitude(chartIndex, a.Id1, a.Kind1, chart);
        const double to = AspectEndLongitude(chartIndex, a.Id2, a.Kind2, chart);
        TCanvasPoint p1 = PointAt(radius, from, ascendant);
        TCanvasPoint p2 = PointAt(radius, to, ascendant);
        Canvas.MoveTo(p1.X, p1.Y);
        Canvas.LineTo(p2.X, p2.Y);
        if (PaperMode && a.AspectId >= 10) {
            // The quintile family is faint; on paper it is drawn three pixels thick, and
            // its glyph sits on the last copy.
            for (int dy : {-1, 1}) {
                Canvas.MoveTo(p1.X, p1.Y + dy);
                Canvas.LineTo(p2.X, p2.Y + dy);
            }
            ++p1.Y;
            ++p2.Y;
        }
        Canvas.SetBrushStyle(TBrushStyle::Clear);
        if (filter.Glyphs.Contains(a.AspectId)) {
            const QString glyph = GlyphText::Aspect(a.AspectId);
            const TCanvasColour fontColour = Canvas.FontColour();
            Canvas.SetFontColour(PaperColour(Canvas.PenColour()));
            Canvas.TextOut((p1.X + p2.X) / 2 - Canvas.TextWidth(glyph) / 2,
                           (p1.Y + p2.Y) / 2 - Canvas.TextHeight(glyph) / 2, glyph);
            Canvas.SetFontColour(fontColour);
        }
        Canvas.SetBrushStyle(TBrushStyle::Solid);
    });
    Canvas.SetPenWidth(1);
    Canvas.SetPenColour(penColour);
    Canvas.SetPenStyle(TPenStyle::Solid);
    Canvas.SetFontName(SymbolFontName);
    Canvas.SetFontSize(fs);
}

void TDrawControllerBase::DrawSelfMarkers(int chartIndex, const TSelfMarkerList& markers,
                                          double ascendant) {
    const TTimedStep timed(*this, "  DrawSelfMarkers");
    SelfMarkerElements.Hide();
    const TCalcResult& chart = *Charts.at(static_cast<size_t>(chartIndex));
    if (!Settings.GetShowSelfMarkers() ||
        (chart.ChartKind != ChartKind::Natal && chart.ChartKind != ChartKind::Perspective &&
         chart.ChartKind != ChartKind::SelfMarkerView))
        return;
    const bool pointers = Settings.GetSelfMarkerShape() == TSelfMarkerShape::Triangle;
    const bool atOwnPlace = Settings.GetSelfMarkersAtTruePlace();
    const int fs = BaseFontSize();
    const int letterWidth = Canvas.TextWidth(QStringLiteral("I"));

    // A body's marker moves a sixth of the way toward its glyph when another marked body
    // stands within 1.5° of it, so that the two markers do not cover each other.
    auto nudged = [&](const TPlanetSignGraphicControl& glyph, int bodyId) {
        const int a = Rnd(glyph.TrueLongitude);
        const int b = Rnd(glyph.DisplayLongitude);
        bool crowded = false;
        for (int k = 0; k < markers.Count(); ++k)
            if (const auto* other = std::get_if<TPlanet>(markers.At(k)))
                crowded |= other->BodyId != bodyId && std::abs(other->Longitude - a) <= 1.5;
        if (!crowded)
            return static_cast<double>(a);
        int d = std::abs(a - b);
        d = d < 200 ? d / 6 : -2;
        double place = a + (b < a ? -d : d);
        if (place < 0)
            place += 360;
        if (place >= 360)
            place -= 360;
        return place;
    };

    for (int index = 0; index < markers.Count(); ++index) {
        const TSelfMarker& marker = *markers.At(index);
        int key = 0;
        double longitude = -1;
        int extra = 0;
        int sign = 0;
        if (const auto* body = std::get_if<TPlanet>(&marker)) {
            key = body->BodyId;
            sign = body->SignIndex();
            if (const auto* glyph = PlanetElements.Find(chartIndex, body->BodyId))
                longitude =
                    atOwnPlace ? nudged(*glyph, body->BodyId) : Rnd(glyph->DisplayLongitude);
        } else if (const auto* cusp = std::get_if<THouseCusp>(&marker)) {
            key = cusp->Number + 12;
            longitude = Rnd(cusp->Longitude) + (cusp->Number == 1 ? 0 : 10);
            extra = letterWidth;
            sign = cusp->SignIndex();
        } else if (const auto* signMarker = std::get_if<TZodiacSignForSelfMarkers>(&marker)) {
            key = -signMarker->SignNumber;
            longitude = Rnd(signMarker->Longitude);
            extra = letterWidth;
            sign = signMarker->SignNumber - 1;
        }
        TSelfMarkerGraphicControl* element = SelfMarkerElements.Find(chartIndex, key);
        if (!element) {
            element = &FindOrCreate(SelfMarkerElements, chartIndex, key);
            element->Font.Colour = SignElementColour(sign);
        }
        element->Visible = true;
        element->PointerMode = pointers;
        element->Painted = false;
        element->PenWidth = Settings.GetBaseLineWidth();
        element->GlyphSize = Rnd(fs * 0.8);
        element->SetElementId(key);
        extra += Canvas.TextWidth(pointers ? QStringLiteral("MMII") : QStringLiteral("MMI"));
        const TCanvasPoint p = PointAt(Radius + extra, longitude, ascendant);
        const int half = Rnd(element->Width * 0.5);
        element->SetPosition(p.X - half, p.Y - half);
        const TCanvasPoint target = PointAt(Radius - PlanetRingBase(), longitude, ascendant);
        element->SetTarget(target.X, target.Y);
    }
}

} // namespace velkaris
