#pragma once

#include "data/DataTable.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <QWidget>

namespace velkaris {

/// The rows of a `TDataTable` for a view: the chosen columns, read only.
class TDataTableModel : public QAbstractTableModel, public TTableObserver {
    Q_OBJECT
public:
    /// `columns` are table column names, `titles` their headers (a missing title shows
    /// the column's display label). The table is not owned and must outlive the model.
    TDataTableModel(TDataTable& table, const QStringList& columns, const QStringList& titles,
                    QObject* parent = nullptr);
    ~TDataTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TDataTable& Table() const { return m_Table; }

    void RowsChanged() override;
    void CurrentRowChanged() override;

signals:
    /// The table's current row moved to `row` (-1 for an empty table).
    void CurrentRowMoved(int row);

private:
    TDataTable& m_Table;
    std::vector<int> m_Columns;
    QStringList m_Titles;
};

/// A read-only grid over a table that shows and moves the table's current row.
class TDataTableGrid : public QTableView {
    Q_OBJECT
public:
    TDataTableGrid(TDataTable& table, const QStringList& columns, const QStringList& titles,
                   QWidget* parent = nullptr);

    TDataTableModel& Model() const { return *m_Model; }

private:
    TDataTableModel* m_Model;
    bool m_Following = false;

    void ShowCurrentRow(int row);
};

/// Buttons that move a table's current row to the first, previous, next and last row
/// (objects "btnFirst", "btnPrior", "btnNext", "btnLast").
class TDataTableNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TDataTableNavigator(TDataTable& table, QWidget* parent = nullptr);
};

} // namespace velkaris
