#include "SelfMarkersDialog.h"

#include "SelfMarkerRows.h"
#include "core/CalcResult.h"

#include <QFont>
#include <QLabel>
#include <algorithm>

namespace velkaris {

namespace {

constexpr int HeaderTop = 15;
constexpr int FirstRowTop = 40;
constexpr int RowStep = 18;
constexpr int TextDrop = 3;
constexpr int SymbolLeft = 15;
constexpr int NameLeft = 55;
constexpr int NameWidth = 60;
constexpr int SignLeft = 140;
constexpr int PlaceLeft = 168;
constexpr int RightMargin = 15;
constexpr int MinimumClientWidth = 420;

QLabel* PlacedLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(left, top);
    return label;
}

} // namespace

TfrmSelfMarkers::TfrmSelfMarkers(const TCalcResult& result, bool arabicHouseNumbers,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelfMarkers"));
    setWindowTitle(QStringLiteral("Énállapotok a születési képletben"));

    QFont symbolFont(QString::fromLatin1(SymbolFontFamily), SymbolFontPointSize);

    PlacedLabel(this, QStringLiteral("lblHeaderSymbol"), QStringLiteral("Jele"), SymbolLeft,
                HeaderTop);
    QLabel* nameHeader = PlacedLabel(this, QStringLiteral("lblHeaderName"), QStringLiteral("Neve"),
                                     NameLeft, HeaderTop);
    nameHeader->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    nameHeader->setFixedWidth(NameWidth);
    PlacedLabel(this, QStringLiteral("lblHeaderPlace"), QStringLiteral("Helye"), PlaceLeft,
                HeaderTop);

    const QList<TSelfMarkerRowTexts> rows =
        SelfMarkerRowTexts(result.SelfMarkers, arabicHouseNumbers);
    int right = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const TSelfMarkerRowTexts& texts = rows[r];
        const int top = FirstRowTop + RowStep * r;
        const QString n = QString::number(r);

        QLabel* symbol =
            PlacedLabel(this, QStringLiteral("lblSymbol") + n, texts.Symbol, SymbolLeft, top);
        symbol->setFont(symbolFont);
        symbol->adjustSize();

        QLabel* name =
            PlacedLabel(this, QStringLiteral("lblName") + n, texts.Name, NameLeft, top + TextDrop);
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // A name wider than its column grows to both sides, keeping its centre.
        const int nameWidth = std::max(NameWidth, name->sizeHint().width());
        name->setGeometry(NameLeft + (NameWidth - nameWidth) / 2, top + TextDrop, nameWidth,
                          name->sizeHint().height());

        QLabel* sign = PlacedLabel(this, QStringLiteral("lblSign") + n, texts.Sign, SignLeft, top);
        sign->setFont(symbolFont);
        sign->adjustSize();

        QLabel* place = PlacedLabel(this, QStringLiteral("lblPlace") + n, texts.Place, PlaceLeft,
                                    top + TextDrop);
        right = std::max(right, place->geometry().right());

        for (QLabel* label : {symbol, name, sign})
            label->setCursor(Qt::PointingHandCursor);
    }
    setFixedSize(std::max(MinimumClientWidth, right + RightMargin), ClientHeightFor(rows.size()));
}

} // namespace velkaris
