// The bodies on the wheel: which are shown, their glyphs on the body ring kept off the
// cusp lines and off each other, the cusps the glyphs then cover, and the leader lines and
// small labels around each glyph.

#include "ChartCanvas.h"
#include "DrawController.h"
#include "RenderMath.h"
#include "WheelGeometry.h"
#include "core/CalcResult.h"
#include "core/LangManager.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/SegedUtils.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsProvider.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace velkaris {

using RenderMath::Rnd;

namespace {

/// The entries of a ";"-separated list, so that membership compares whole entries.
QSet<QString> IdEntries(const QString& list) {
    QSet<QString> entries;
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        entries.insert(entry.trimmed());
    return entries;
}

bool IsOneOf(quint8 kind, std::initializer_list<quint8> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

TCanvasPoint Centre(const TCanvasRect& box) {
    return {(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
}

} // namespace

int TDrawControllerBase::BodyGlyphFontSize() const {
    return Rnd(FontMultiplier * BaseFontSize() * 1.5);
}

int TDrawControllerBase::StatusFontSize() const {
    const int fs = BaseFontSize();
    return Rnd(FontMultiplier * (Rnd(fs * 1.5) - Rnd(Rnd(fs * 1.5) * 3 / 5.0) - 1));
}

// 1. The bodies shown.

QString TDrawControllerBase::ShownBodyIds(int chartIndex, const TCalcResult& chart) const {
    if (chart.ChartKind == ChartKind::ProgressedMoon) {
        if (chartIndex > 0 && Settings.GetProgressedMoonOnly())
            return QStringLiteral("1;");
        return Settings.GetCalculatedBodyIds(false, false);
    }
    if (chart.ChartKind != ChartKind::SelfMarkerView)
        return Settings.GetCalculatedBodyIds(false, true);

    const QSet<QString> shown = IdEntries(Settings.GetCalculatedBodyIds(false, false));
    QStringList ids;
    QSet<QString> in;
    auto add = [&](int id) {
        const QString text = QString::number(id);
        if (!in.contains(text)) {
            in.insert(text);
            ids << text;
        }
    };
    for (int k = 0; k < chart.SelfMarkers.Count(); ++k)
        if (const auto* body = std::get_if<TPlanet>(chart.SelfMarkers.At(k)))
            add(body->BodyId);
    chart.Aspects.ForEach([&](const TAspectInfo& a) {
        if (a.AspectId != 1 || a.Kind1 != PointBody || a.Kind2 != PointBody)
            return;
        const QString first = QString::number(a.Id1);
        const QString second = QString::number(a.Id2);
        if (!in.contains(first) && !in.contains(second))
            return;
        for (const QString& id : {first, second})
            if (shown.contains(id) && !in.contains(id)) {
                in.insert(id);
                ids << id;
            }
    });
    const TAxis* asc = chart.Axes.Find(AxisId::Ascendant);
    const double ascendant = asc ? asc->Longitude : 0;
    chart.Planets.ForEach([&](const TPlanet& p) {
        if (p.House == 12 && std::abs(p.Longitude - ascendant) <= 7.5 &&
            shown.contains(QString::number(p.BodyId)))
            add(p.BodyId);
    });
    return ids.join(QLatin1Char(';')) + QLatin1Char(';');
}

void TDrawControllerBase::PlaceBodies(int chartIndex, const TCalcResult& chart,
                                      const TPlanetList& bodies, bool secondPass,
                                      double ascendant) {
    const QSet<QString> shown = IdEntries(ShownBodyIds(chartIndex, chart));
    const TPlanetConstInfoProvider names(FixedStars, LibraryNames);
    const bool limitStars = bodies.CountByCategory(TBodyCategory::FixedStar) >= 22 &&
                            !Settings.GetAlwaysShowSelectedStars();
    int starsShown = 0;
    bodies.ForEach([&](const TPlanet& body) {
        if (!shown.contains(QString::number(body.BodyId)) &&
            !shown.contains(names.DisplayName(body.BodyId)))
            return;
        if (limitStars && IsFixedStarId(body.BodyId)) {
            if (!body.HasShownAspect || starsShown >= 21)
                return;
            ++starsShown;
        }
        if (names.SymbolText(body.BodyId) == QLatin1String(":"))
            return;
        PlaceBodyGlyph(chartIndex, body.BodyId, &body, body.Longitude, secondPass, chart.Houses,
                       ascendant);
    });
}

// 2. Axis points.

void TDrawControllerBase::PlaceAxisPoints(int chartIndex, const TCalcResult& chart,
                                          const TAxisList& axes, bool secondPass,
                                          double ascendant) {
    auto place = [&](int id, double longitude) {
        PlaceBodyGlyph(chartIndex, id, nullptr, longitude, secondPass, chart.Houses, ascendant);
    };
    auto axis = [&](int axisId) {
        const TAxis* a = axes.Find(axisId);
        return a ? a->Longitude : 0.0;
    };
    const quint8 kind = chart.ChartKind;
    if (kind == ChartKind::Perspective) {
        place(AxisToBodyId(AxisId::Ascendant),
              chart.AscendantAxis ? chart.AscendantAxis->Longitude : axis(AxisId::Ascendant));
        place(AxisToBodyId(AxisId::MediumCoeli),
              chart.MidheavenAxis ? chart.MidheavenAxis->Longitude : axis(AxisId::MediumCoeli));
    } else if (IsOuterRing(chartIndex) &&
               (IsOneOf(kind, {ChartKind::SynastryPartner, ChartKind::Transit,
                               ChartKind::PrimaryDirection, ChartKind::SolarReturn,
                               ChartKind::PlanetReturn}) ||
                (kind == ChartKind::ProgressedMoon && Settings.GetProgressedAscendantAndMC()))) {
        place(AxisToBodyId(AxisId::Ascendant), axis(AxisId::Ascendant));
        place(AxisToBodyId(AxisId::MediumCoeli), axis(AxisId::MediumCoeli));
    } else if (Settings.GetHouseSystem().startsWith(QLatin1Char('E'))) {
        place(AxisId::ImumCoeliBodyId, AddNormalized(axis(AxisId::MediumCoeli), 180));
        place(AxisToBodyId(AxisId::MediumCoeli), axis(AxisId::MediumCoeli));
    }
    const std::pair<TWheelAxis, int> optional[] = {
        {TWheelAxis::Vertex, AxisId::Vertex},
        {TWheelAxis::EastPoint, AxisId::EquatorialAscendant},
        {TWheelAxis::CoAscendant, AxisId::CoAscendantMunkasey},
        {TWheelAxis::PolarAscendant, AxisId::PolarAscendant}};
    for (const auto& [setting, axisId] : optional)
        if (Settings.GetShowAxis(setting))
            place(AxisToBodyId(axisId), axis(axisId));
}

// 3. One glyph.

void TDrawControllerBase::PlaceBodyGlyph(int chartIndex, int id, const TPlanet* body,
                                         double longitude, bool secondPass,
                                         const THouseList& houses, double ascendant) {
    const int g = Canvas.FontSize();
    const int paperSize = g + g / 10;
    auto& element = FindOrCreate(PlanetElements, chartIndex, id);
    if (!element.SymbolSource) {
        element.SymbolSource = [this](int bodyId) {
            return TPlanetConstInfoProvider(FixedStars, LibraryNames).SymbolText(bodyId);
        };
        element.GlyphSize = PaperMode ? paperSize : g;
        element.SetElementId(id);
    }
    int size = PaperMode ? paperSize : g;
    if (id > 10000)
        size -= PaperMode ? size / 2 : size / 3;
    element.GlyphSize = size;
    element.Font.Name = SymbolFontName;
    element.CentreText = true;
    element.BodyName = TPlanetConstInfoProvider(FixedStars, LibraryNames).DisplayName(id);
    element.SetBody(body);

    double drawn = secondPass ? element.DisplayLongitude : longitude;
    if (!secondPass && body && (chartIndex == 0 || !Overlay)) {
        const double c1 = houses.LongitudeOf(body->House);
        const double c2 = houses.LongitudeOf(body->House % 12 + 1);
        if (drawn >= c1 && AddNormalized(c1, 3) >= drawn)
            drawn = AddNormalized(drawn, 3);
        else if (c2 >= drawn && drawn >= AddNormalized(c2, -3))
            drawn = AddNormalized(drawn, -3);
    }
    if (!secondPass) {
        const TCanvasPoint p = PointAt(Radius - PlanetRingOffset(chartIndex), drawn, ascendant);
        const int half = Rnd(element.Width * 0.5);
        element.Place(p.X - half, p.Y - half);
        element.SetTrueLongitude(longitude);
    }
    element.Visible = true;
}

// 4. Overlaps.

void TDrawControllerBase::MoveBodyElement(TPlanetSignGraphicControl& element, double step,
                                          double ascendant) const {
    element.DisplayLongitude = WheelGeometry::StepAlongRing(element.DisplayLongitude, step);
    const int offset = WheelGeometry::PlanetRingOffset(Radius, element.ChartIndex, Overlay,
                                                       Layout.Margin, FontMultiplier);
    const TCanvasPoint p = PointAt(Radius - offset, element.DisplayLongitude, ascendant);
    const int half = Rnd(element.Width / 2.0);
    element.PlannedLeft = p.X - half;
    element.PlannedTop = p.Y - half;
}

void TDrawControllerBase::RearrangePlanets(const THouseList& houses, double ascendant) {
    (void)houses;
    const TTimedStep timed(*this, "    RearrangePlanets");
    const int count = PlanetElements.Count();
    auto movable = [](const TPlanetSignGraphicControl& e) {
        return e.ChartIndex == 0 || e.Body != nullptr;
    };
    auto collide = [](const TPlanetSignGraphicControl& a, const TPlanetSignGraphicControl& b) {
        return a.PlannedLeft < b.PlannedLeft + b.Width && b.PlannedLeft < a.PlannedLeft + a.Width &&
               a.PlannedTop < b.PlannedTop + b.Height && b.PlannedTop < a.PlannedTop + a.Height;
    };
    int counter = 0;
    bool clean = false;
    while (!clean && counter <= 250) {
        clean = true;
        for (int j = 0; j < count; ++j)
            for (int k = j + 1; k < count; ++k) {
                auto& a = PlanetElements.At(j);
                auto& b = PlanetElements.At(k);
                if (!collide(a, b))
                    continue;
                clean = false;
                const double d = a.TrueLongitude;
                const double e = b.TrueLongitude;
                double step;
                if (std::abs(d - e) >= 330)
                    step = d >= 330 ? -2 : 2;
                else
                    step = d >= e ? 2 : -2;
                if (movable(a))
                    MoveBodyElement(a, step, ascendant);
                if (movable(b))
                    MoveBodyElement(b, -step, ascendant);
                ++counter;
            }
        ++counter;
    }
    for (const auto& e : PlanetElements)
        e->SetPosition(e->PlannedLeft, e->PlannedTop);
}

// 5. Crossed cusps.

void TDrawControllerBase::FindCrossedCusps(int chartIndex, const THouseList& houses) {
    CrossedCusps.Clear();
    CrossingPlanets.Clear();
    if (IsOuterRing(chartIndex))
        return;
    for (const auto& e : PlanetElements) {
        if (!e->Body || !e->Visible || e->ChartIndex != chartIndex)
            continue;
        const int h = e->Body->House;
        const int n = h % 12 + 1;
        double delta = e->DisplayLongitude;
        auto corrected = [&](double c) {
            if (c < delta && std::abs(c - delta) > 250)
                c += 360;
            if (delta < c && std::abs(c - delta) > 250)
                delta += 360;
            return c;
        };
        const auto mark = [&](int cusp) {
            if (!CrossedCusps.Contains(cusp))
                CrossedCusps.Add(cusp);
            if (!CrossingPlanets.Contains(e->Body->BodyId))
                CrossingPlanets.Add(e->Body->BodyId);
        };
        if (delta >= corrected(houses.LongitudeOf(n)))
            mark(n);
        if (delta <= corrected(houses.LongitudeOf(h)))
            mark(h);
    }
}

// 6. The step.

void TDrawControllerBase::DrawPlanets(int chartIndex, const TPlanetList& bodies,
                                      const TAxisList& axes, bool secondPass,
                                      const THouseList& houses, const TAspectInfoList& aspects,
                                      const TSelfMarkerList& markers, double ascendant) {
    (void)aspects;
    (void)markers;
    const TTimedStep timed(*this, "  DrawPlanets");
    const int fontSize = Canvas.FontSize();
    Canvas.SetFontSize(BodyGlyphFontSize());
    PlanetElements.Hide(chartIndex);
    const TCalcResult& chart = *Charts.at(static_cast<size_t>(chartIndex));
    PlaceBodies(chartIndex, chart, bodies, secondPass, ascendant);
    PlaceAxisPoints(chartIndex, chart, axes, secondPass, ascendant);
    if (!secondPass)
        RearrangePlanets(houses, ascendant);

    const TCanvasColour penColour = Canvas.PenColour();
    Canvas.SetBrushColour(CanvasWhite);
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    if (!secondPass) {
        FindCrossedCusps(chartIndex, houses);
        DrawPlanetsInfo(chartIndex, bodies, false, InfoLeaderLines, ascendant);
    }
    if (!PaperMode) {
        Canvas.SetBrushColour(CanvasWhite);
        Canvas.SetBrushStyle(TBrushStyle::Solid);
        for (const auto& e : PlanetElements) {
            if (!e->Visible || e->ChartIndex != chartIndex)
                continue;
            if (secondPass && !(e->Body && CrossingPlanets.Contains(e->Body->BodyId)))
                continue;
            Canvas.FillRect(e->BoundsRect());
        }
    }
    if (!secondPass || CrossingPlanets.Count() > 0)
        DrawPlanetsInfo(chartIndex, bodies, secondPass, InfoDegrees | InfoHouseLords | InfoStatus,
                        ascendant);
    Canvas.SetFontBold(false);
    Canvas.SetPenWidth(1);
    Canvas.SetPenColour(penColour);
    Canvas.SetFontSize(fontSize);
}

// 7. Labels.

void TDrawControllerBase::DrawPlanetsInfo(int chartIndex, const TPlanetList& bodies,
                                          bool secondPass, int options, double ascendant) {
    (void)bodies;
    const TTimedStep timed(*this, "    DrawPlanetsInfo");
    const TCanvasColour penColour = Canvas.PenColour();
    const TBrushStyle brushStyle = Canvas.BrushStyle();
    const int fontSize = Canvas.FontSize();
    const QString fontName = Canvas.FontName();
    Canvas.SetPenColour(CanvasBlack);
    Canvas.SetPenWidth(1);
    Canvas.SetPenStyle(TPenStyle::Solid);
    Canvas.SetFontSize(BodyGlyphFontSize());
    if (options & InfoHouseLords)
        HouseLordElements.Remove(chartIndex);

    for (const auto& e : PlanetElements) {
        if (e->ChartIndex != chartIndex || !e->Visible)
            continue;
        Canvas.SetBrushStyle(TBrushStyle::Clear);
        const bool labelled = !secondPass || CrossingPlanets.Count() == 0 || !e->Body ||
                              CrossingPlanets.Contains(e->Body->BodyId);
        if (labelled) {
            if (options & InfoLeaderLines)
                DrawLeaderLine(*e, ascendant);
            Canvas.SetFontName(RenderMath::LabelFace());
            if (options & InfoStatus)
                DrawStatusLetters(*e, ascendant);
            if (options & InfoDegrees)
                DrawDegreeLabel(*e, ascendant);
            if (options & InfoStatus)
                DrawStatusLetters(*e, ascendant);
        }
        if (options & InfoHouseLords)
            DrawHouseLords(*e);
    }
    Canvas.SetBrushStyle(brushStyle);
    Canvas.SetFontBold(false);
    Canvas.SetPenWidth(1);
    Canvas.SetPenColour(penColour);
    Canvas.SetFontSize(fontSize);
    Canvas.SetFontName(fontName);
}

void TDrawControllerBase::DrawLeaderLine(const TPlanetSignGraphicControl& e, double ascendant) {
    const int i = e.ChartIndex;
    if (IsOuterRing(i)) {
        if (!e.Body)
            return;
        const TCanvasPoint from =
            PointAt(Radius - PlanetRingOffset(i) / 2, e.DisplayLongitude, ascendant);
        const TCanvasPoint to = PointAt(Radius, e.TrueLongitude, ascendant);
        Canvas.MoveTo(from.X, from.Y);
        Canvas.LineTo(to.X, to.Y);
        return;
    }
    const TCanvasPoint target = PointAt(Radius - ZodiacRingWidth(), e.TrueLongitude, ascendant);
    const TCanvasRect box = e.BoundsRect();
    const TCanvasPoint c = Centre(box);
    const TCanvasPoint topLeft{box.Left, box.Top}, topRight{box.Right, box.Top};
    const TCanvasPoint bottomLeft{box.Left, box.Bottom}, bottomRight{box.Right, box.Bottom};
    auto crossing = [&](TCanvasPoint a, TCanvasPoint b) {
        const auto meeting = WheelGeometry::SegmentIntersection(c, target, a, b);
        return meeting.State >= 2 ? meeting.Point : c;
    };
    TCanvasPoint start, far;
    switch (WheelGeometry::FacingEdge(box, target)) {
    case 1:
        start = crossing(topRight, bottomRight);
        far = crossing(topLeft, bottomLeft);
        break;
    case 2:
        start = crossing(bottomLeft, bottomRight);
        far = crossing(topLeft, topRight);
        break;
    case 3:
        start = crossing(topLeft, bottomLeft);
        far = crossing(topRight, bottomRight);
        break;
    case 4:
        start = crossing(topLeft, topRight);
        far = crossing(bottomLeft, bottomRight);
        break;
    default:
        start = far = {(c.X + 2 * target.X) / 3, (c.Y + 2 * target.Y) / 3};
        break;
    }
    Canvas.MoveTo(start.X, start.Y);
    Canvas.LineTo(target.X, target.Y);
    if (LinesToPlanets) {
        const TCanvasPoint ring =
            PointAt(Radius - AspectCircleOffset(), e.TrueLongitude, ascendant);
        Canvas.MoveTo(far.X, far.Y);
        Canvas.LineTo(ring.X, ring.Y);
    }
}

void TDrawControllerBase::DrawStatusLetters(const TPlanetSignGraphicControl& e, double ascendant) {
    Canvas.SetFontSize(StatusFontSize());
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    QString text;
    if (e.Body) {
        const TPlanet& body = *e.Body;
        if (body.IsRetrograde() && Settings.GetShowRetrogradeMark())
            text = QStringLiteral("R");
        if (body.IsStationary() && Settings.GetShowStationaryMark())
            text = QStringLiteral("S");
        if (Settings.GetShowFeralMark()) {
            for (const auto& [on, letter] : {std::pair{body.IsFeral, "F"}, {body.IsIsolated, "i"}})
                if (on) {
                    if (!text.trimmed().isEmpty())
                        text += QStringLiteral(", ");
                    text += QLatin1String(letter);
                }
        }
    }
    if (text.trimmed().isEmpty()) {
        Canvas.SetBrushStyle(TBrushStyle::Clear);
        return;
    }
    const int i = e.ChartIndex;
    if (IsOuterRing(i) &&
        !IsOneOf(Charts.at(static_cast<size_t>(i))->ChartKind,
                 {ChartKind::FirstOfTwo, ChartKind::SynastryPartner, ChartKind::Transit,
                  ChartKind::ProgressedMoon, ChartKind::SolarReturn, ChartKind::PlanetReturn})) {
        Canvas.SetBrushStyle(TBrushStyle::Clear);
        return;
    }
    Canvas.SetFontBold(true);
    const int w = Canvas.TextWidth(text);
    const int h = Canvas.TextHeight(text);
    int o = Rnd(h * 1.2);
    if (Settings.GetShowPlanetDegrees())
        o = std::abs((DegreeBandWidth() - HouseNumberCircleOffset()) / 2) -
            Rnd(std::max(h, w) * 1.7);
    double radius = Radius - HouseNumberCircleOffset() * 0.95 + o;
    if (i > 0)
        radius = Radius - PlanetRingOffset(i) * (PaperMode ? 2.3 : 2.6) - o;
    const TCanvasPoint anchor = PointAt(radius, e.DisplayLongitude, ascendant);
    Canvas.TextOut(anchor.X - Rnd(w / 2.0), anchor.Y - Rnd(w / 2.0), text);
    Canvas.SetFontBold(false);
    Canvas.SetBrushStyle(TBrushStyle::Clear);
}

void TDrawControllerBase::DrawDegreeLabel(const TPlanetSignGraphicControl& e, double ascendant) {
    if (!Settings.GetShowPlanetDegrees() || !e.Body)
        return;
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    const auto [degrees, minutes] = RenderMath::SplitDegrees(e.Body->DegreesInSign());
    const QString degreeText = ZeroPad(QString::number(degrees), 2, QLatin1Char(' '));
    const int degreeSize = Rnd(FontMultiplier * (Canvas.FontSize() + 1));
    Canvas.SetFontSize(degreeSize);
    const int w = Canvas.TextWidth(degreeText);
    const int h = Canvas.TextHeight(degreeText);
    const int o = Rnd(h * 1.2);
    const int i = e.ChartIndex;
    double radius = Radius - AspectCircleOffset() - o;
    if (IsOuterRing(i))
        radius = PaperMode ? Radius - PlanetRingOffset(i) * 0.65 - o
                           : Radius - PlanetRingOffset(i) * 1.5 + o;
    const TCanvasPoint anchor = PointAt(radius, e.DisplayLongitude, ascendant);
    Canvas.TextOut(anchor.X - Rnd(w / 2.0), anchor.Y - Rnd(h / 2.0), degreeText);
    Canvas.SetFontSize(Rnd(FontMultiplier * (degreeSize - 2)));
    Canvas.TextOut(anchor.X + Rnd(w / 3.0 * 1.8), anchor.Y - Rnd(h / 3.0 * 2.2),
                   ZeroPad(QString::number(minutes), 2));
    Canvas.SetBrushStyle(TBrushStyle::Clear);
}

void TDrawControllerBase::DrawHouseLords(const TPlanetSignGraphicControl& e) {
    if (!e.Body || IsOuterRing(e.ChartIndex) || !Settings.GetShowHouseLords())
        return;
    const QString lords = e.Body->HouseLords.ToText();
    if (lords.trimmed().isEmpty())
        return;
    const int fs = BaseFontSize();
    Canvas.SetBrushStyle(TBrushStyle::Solid);
    Canvas.SetFontName(RenderMath::LabelFace());
    Canvas.SetFontSize(Rnd(FontMultiplier * (Rnd(fs * 1.6) - Rnd(Rnd(fs * 1.5) * 3 / 5.0) - 1)));
    const double fraction = FontMultiplier - std::trunc(FontMultiplier);
    const bool plainScale = DampedFontScale() == 1;
    int adjust = 0;
    if (ExportMode)
        adjust = plainScale ? 9 : 9 - Rnd(fraction * 60);
    else if (PaperMode)
        adjust = plainScale ? -3 : -Rnd(fraction * 20) - 3;
    const int y = e.Top + e.Height + adjust + e.Height / 8;
    int x = e.Left + (e.Width - Canvas.TextWidth(lords)) / 2;
    if (PaperMode) {
        Canvas.TextOut(x, y - e.Height / 3, lords);
        return;
    }
    const QStringList pieces = lords.split(QLatin1Char(','));
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const QString& piece = pieces[k];
        const int bodyId = e.Body->BodyId;
        THouseLordGraphicControl* lord = HouseLordElements.FindLord(e.ChartIndex, bodyId, piece);
        if (!lord) {
            auto created = std::make_unique<THouseLordGraphicControl>();
            created->LordBody = bodyId;
            created->LordText = piece;
            created->ChartIndex = e.ChartIndex;
            created->Colour = CanvasWhite;
            created->GlyphSize = Canvas.FontSize();
            created->Font.Name = RenderMath::LabelFace();
            created->Font.Size = created->GlyphSize;
            created->OnMouseUp = OnElementClick;
            created->Visible = false;
            lord = &HouseLordElements.AddOrReplaceLord(std::move(created));
        }
        if (piece.trimmed().isEmpty())
            continue;
        lord->Left = x;
        lord->SetCaption(k + 1 < pieces.size() ? piece + QLatin1Char(',') : piece);
        lord->Top = y - lord->Height;
        x += lord->Width;
        lord->Visible = true;
    }
}

} // namespace velkaris
