#pragma once

#include <QColor>
#include <QDialog>

namespace velkaris {

class TCalcResult;

/// The window "Életstratégia, járatlan út": the life-strategy table of a calculated
/// chart, transposed (qualities across, elements down), with the emphasized signs and the
/// untrodden path below it.
///
/// The texts are taken when the window is built; the window keeps no reference to the
/// result.
class TfrmEletstratJaratlanUt : public QDialog {
    Q_OBJECT
public:
    /// Background of the totals column and the totals row.
    static inline const QColor TotalsColour{255, 255, 240};

    explicit TfrmEletstratJaratlanUt(const TCalcResult& result, QWidget* parent = nullptr);
};

} // namespace velkaris
