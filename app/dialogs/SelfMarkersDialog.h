#pragma once

#include <QDialog>

namespace velkaris {

class TCalcResult;

/// The window "Énállapotok a születési képletben": one row per ego-state marker of a
/// calculated chart with its symbol, name, sign glyph and place.
///
/// The texts are taken when the window is built; the window keeps no reference to the
/// result.
class TfrmSelfMarkers : public QDialog {
    Q_OBJECT
public:
    /// Font family of the symbol and sign labels.
    static constexpr const char* SymbolFontFamily = "VelkarisWIN";
    static constexpr int SymbolFontPointSize = 14;

    /// The window for the markers of `result`; house numbers are plain numbers with
    /// `arabicHouseNumbers`, else the wheel's labels.
    TfrmSelfMarkers(const TCalcResult& result, bool arabicHouseNumbers, QWidget* parent = nullptr);

    /// The client height the window takes for `markerCount` rows, pixels.
    static int ClientHeightFor(int markerCount) { return 20 * markerCount + 85; }
};

} // namespace velkaris
