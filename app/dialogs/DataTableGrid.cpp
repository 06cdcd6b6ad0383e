#include "DataTableGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QToolButton>

namespace velkaris {

TDataTableModel::TDataTableModel(TDataTable& table, const QStringList& columns,
                                 const QStringList& titles, QObject* parent)
    : QAbstractTableModel(parent), m_Table(table) {
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int column = table.ColumnIndex(columns[i]);
        m_Columns.push_back(column);
        m_Titles << (i < titles.size() ? titles[i]
                     : column >= 0     ? table.Columns()[column].DisplayLabel
                                       : columns[i]);
    }
    m_Table.AddObserver(this);
}

TDataTableModel::~TDataTableModel() {
    m_Table.RemoveObserver(this);
}

int TDataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_Table.RowCount();
}

int TDataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Columns.size());
}

QVariant TDataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_Table.TextAt(index.row(), m_Columns[index.column()]);
}

QVariant TDataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= m_Titles.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_Titles[section];
}

Qt::ItemFlags TDataTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void TDataTableModel::RowsChanged() {
    beginResetModel();
    endResetModel();
}

void TDataTableModel::CurrentRowChanged() {
    emit CurrentRowMoved(m_Table.CurrentIndex());
}

TDataTableGrid::TDataTableGrid(TDataTable& table, const QStringList& columns,
                               const QStringList& titles, QWidget* parent)
    : QTableView(parent), m_Model(new TDataTableModel(table, columns, titles, this)) {
    setModel(m_Model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    connect(m_Model, &TDataTableModel::CurrentRowMoved, this, &TDataTableGrid::ShowCurrentRow);
    // Column widths follow the rows on screen (a filter changes them).
    connect(m_Model, &QAbstractItemModel::modelReset, this, [this] {
        resizeColumnsToContents();
        ShowCurrentRow(m_Model->Table().CurrentIndex());
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_Following && current.isValid())
                    m_Model->Table().MoveTo(current.row());
            });
    resizeColumnsToContents();
    ShowCurrentRow(table.CurrentIndex());
}

void TDataTableGrid::ShowCurrentRow(int row) {
    if (row < 0 || row >= m_Model->rowCount())
        return;
    m_Following = true;
    const QModelIndex index = m_Model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
    m_Following = false;
}

TDataTableNavigator::TDataTableNavigator(TDataTable& table, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const char* name, Qt::ArrowType arrow, const QString& tip, auto move) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setArrowType(arrow);
        button->setToolTip(tip);
        connect(button, &QToolButton::clicked, this, [&table, move] { move(table); });
        layout->addWidget(button);
    };
    add("btnFirst", Qt::UpArrow, QStringLiteral("Első"), [](TDataTable& t) { t.First(); });
    add("btnPrior", Qt::LeftArrow, QStringLiteral("Előző"), [](TDataTable& t) { t.Prior(); });
    add("btnNext", Qt::RightArrow, QStringLiteral("Következő"), [](TDataTable& t) { t.Next(); });
    add("btnLast", Qt::DownArrow, QStringLiteral("Utolsó"), [](TDataTable& t) { t.Last(); });
    layout->addStretch();
}

} // namespace velkaris
