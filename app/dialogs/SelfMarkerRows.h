#pragma once

#include <QList>
#include <QString>

namespace velkaris {

class TSelfMarkerList;

/// The four texts of one row of the ego-state window.
struct TSelfMarkerRowTexts {
    /// Drawn in the chart symbol font: the body's symbol, "S" for cusp 1, or the sign's
    /// glyph.
    QString Symbol;
    /// The body's name, the Ascendant's long name, or the sign's name.
    QString Name;
    /// Drawn in the chart symbol font: the glyph of the sign the marker stands in.
    QString Sign;
    /// Where the marker stands, as a sentence; it starts with a blank.
    QString Place;
};

/// One row per marker, in list order. House numbers are plain numbers with
/// `arabicHouseNumbers`, else the wheel's labels (Roman numerals for the angular houses).
/// A body not placed in a house (house outside 1-12) gets the cusp's form of the place,
/// which ends before the house.
QList<TSelfMarkerRowTexts> SelfMarkerRowTexts(const TSelfMarkerList& markers,
                                              bool arabicHouseNumbers);

} // namespace velkaris
