#include "LifeStrategyDialog.h"

#include "LifeStrategyGrid.h"
#include "core/CalcResult.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velkaris {

namespace {

constexpr int TotalsColumn = 4;
constexpr int TotalsRow = 5;
constexpr int HeaderColumnWidth = 76;
constexpr int ColumnWidth = 76;
constexpr int RowHeight = 22;

// Sets the totals apart from the scores: a line along the left edge of the totals
// column and along the top edge of the totals row.
class TTotalsLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const bool totalsColumn = index.column() == TotalsColumn && index.row() >= 1;
        const bool totalsRow = index.row() == TotalsRow && index.column() >= 1;
        if (!totalsColumn && !totalsRow)
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::WindowText), 1));
        const QRect r = option.rect;
        if (totalsColumn)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (totalsRow)
            painter->drawLine(r.topLeft(), r.topRight());
        painter->restore();
    }
};

QTableWidget* BuildGrid(const TLifeStrategyGridTexts& texts, QWidget* parent) {
    auto* grid =
        new QTableWidget(TLifeStrategyGridTexts::Rows, TLifeStrategyGridTexts::Columns, parent);
    grid->setObjectName(QStringLiteral("gridStrat"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setWordWrap(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new TTotalsLineDelegate(grid));

    const QBrush fixedBrush = grid->palette().button();
    for (int row = 0; row < TLifeStrategyGridTexts::Rows; ++row) {
        grid->setRowHeight(row, RowHeight);
        for (int column = 0; column < TLifeStrategyGridTexts::Columns; ++column) {
            auto* item = new QTableWidgetItem(texts.At(row, column));
            item->setFlags(Qt::ItemIsEnabled);
            const bool fixed = row == 0 || column == 0;
            if (fixed) {
                item->setBackground(fixedBrush);
                // The row headers sit on one line, centred in the height of the row.
                item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignCenter);
            } else {
                item->setTextAlignment(Qt::AlignCenter);
                if (row == TotalsRow || column == TotalsColumn)
                    item->setBackground(TfrmEletstratJaratlanUt::TotalsColour);
            }
            grid->setItem(row, column, item);
        }
    }
    int width = 2 * grid->frameWidth();
    for (int column = 0; column < TLifeStrategyGridTexts::Columns; ++column) {
        grid->setColumnWidth(column, column == 0 ? HeaderColumnWidth : ColumnWidth);
        width += grid->columnWidth(column);
    }
    grid->setFixedSize(width, 2 * grid->frameWidth() + TLifeStrategyGridTexts::Rows * RowHeight);
    return grid;
}

QLabel* SignListLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TfrmEletstratJaratlanUt::TfrmEletstratJaratlanUt(const TCalcResult& result, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmEletstratJaratlanUt"));
    setWindowTitle(QStringLiteral("Életstratégia, járatlan út"));

    auto* box = new QGroupBox(QStringLiteral(" Életstratégia, járatlan út "), this);
    box->setObjectName(QStringLiteral("grpEletstrat"));
    QTableWidget* grid = BuildGrid(LifeStrategyGridTexts(result), box);

    auto* strategyCaption = new QLabel(QStringLiteral("Életstratégia:"), box);
    auto* untroddenCaption = new QLabel(QStringLiteral("Járatlan út:"), box);
    QLabel* strategy = SignListLabel(QStringLiteral("lblEletstrat"),
                                     LifeStrategySignList(result.EmphasizedSigns), box);
    QLabel* untrodden = SignListLabel(QStringLiteral("lblJaratlanUt"),
                                      LifeStrategySignList(result.UntroddenSigns), box);
    for (QLabel* caption : {strategyCaption, untroddenCaption})
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* boxLayout = new QGridLayout(box);
    boxLayout->addWidget(grid, 0, 0, 1, 2, Qt::AlignHCenter);
    boxLayout->addWidget(strategyCaption, 1, 0);
    boxLayout->addWidget(strategy, 1, 1);
    boxLayout->addWidget(untroddenCaption, 2, 0);
    boxLayout->addWidget(untrodden, 2, 1);
    boxLayout->setColumnStretch(1, 1);
    boxLayout->setRowStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    // Long sign lists wrap within the width of the grid.
    const int labelWidth =
        grid->width() - strategyCaption->sizeHint().width() - boxLayout->horizontalSpacing();
    strategy->setFixedWidth(std::max(labelWidth, 120));
    untrodden->setFixedWidth(std::max(labelWidth, 120));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velkaris
