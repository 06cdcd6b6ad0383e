#pragma once

#include "CanvasTypes.h"

namespace velkaris {

/// The sizes of the wheel's rings and circles, computed afresh from the outer radius R
/// whenever a drawing step needs them. Offsets are measured inward from R.
namespace WheelGeometry {

/// Points of the wheel's texts for a wheel of diameter D: 12 - (450 - D) div 55.
int BaseFontSize(int diameter);
/// Width of the zodiac ring: R div 6.
int ZodiacRingWidth(int radius);
/// Width of the band of degree ticks.
int DegreeBandWidth(int radius);
/// Base distance of the body glyph ring.
int PlanetRingBase(int radius);
/// The glyph size multiplier with its fraction damped to three tenths.
double DampedFontScale(double multiplier);
/// The inner circle, where house lines and the aspect area meet; farther in when aspect
/// lines reach up to the bodies.
int InnerCircleOffset(int radius, bool linesToPlanets);
int HouseNumberCircleOffset(int radius, bool linesToPlanets);
int AspectCircleOffset(int radius);
/// Offset of the body ring of chart `chartIndex`: a later chart drawn over the first
/// gets its ring outside the wheel (a negative offset).
int PlanetRingOffset(int radius, int chartIndex, bool overlay, int margin, double multiplier);

/// The wheel's turn: the ascendant rounded to a whole degree.
int WheelTurn(double ascendant);
/// The screen angle, degrees, of a longitude on a wheel turned by `turn`: the ascendant
/// to the left, longitudes growing counter-clockwise.
double ScreenAngle(double longitude, int turn);
/// The pixel at distance `r` from the centre in the direction of `longitude`.
TCanvasPoint WheelPoint(int centerX, int centerY, double r, double longitude, int turn);

/// A glyph's longitude moved by `step` degrees along the ring: a result below 0 becomes
/// 360 and one above 360 becomes 0.
double StepAlongRing(double longitude, double step);

/// Where two segments meet. State 0: parallel; 1: a segment is a single point; 2: the
/// point lies on both segments (ends included); 3: on the lines but outside a segment;
/// 4: a coordinate of the point is negative.
struct TSegmentIntersection {
    int State = 1;
    TCanvasPoint Point;
};
TSegmentIntersection SegmentIntersection(TCanvasPoint a1, TCanvasPoint a2, TCanvasPoint b1,
                                         TCanvasPoint b2);

/// Which side of `box` faces `target`: 1 right, 2 bottom, 3 left, 4 top, found by the
/// four triangles from the box's centre through its corners out to 1000 pixels left and
/// right; 0 for a target beyond them or at the box's centre.
int FacingEdge(const TCanvasRect& box, TCanvasPoint target);

} // namespace WheelGeometry

} // namespace velkaris
